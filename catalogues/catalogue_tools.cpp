#include "catalogues/catalogue_tools.h"

#include "catalogues/hazardous_waste_window.h"
#include "catalogues/industry_classification_window.h"

namespace tolvar::catalogues {

void registerCatalogueTools(ToolRegistry& registry) {
  registerTool<IndustryClassificationWindow>(registry, kIndustryClassificationTitle);
  registerTool<HazardousWasteWindow>(registry, kHazardousWasteTitle);
}

}  // namespace tolvar::catalogues
