#include "catalogues/catalogue_tools.h"

#include "catalogues/hazardous_waste_full_text.h"
#include "catalogues/hazardous_waste_window.h"
#include "catalogues/industry_classification_window.h"
#include "catalogues/structure_adjustment_full_text_window.h"
#include "catalogues/structure_adjustment_window.h"

namespace tolvar::catalogues {

void registerCatalogueTools(ToolRegistry& registry) {
  registerTool<IndustryClassificationWindow>(registry, kIndustryClassificationTitle);
  registerTool<HazardousWasteWindow>(registry, kHazardousWasteTitle);
  registry.add(kHazardousWasteFullTextTitle, hazardousWasteFullTextWindow);
  registerTool<StructureAdjustmentWindow>(registry, kStructureAdjustmentTitle);
  registerTool<StructureAdjustmentFullTextWindow>(registry, kStructureAdjustmentFullTextTitle);
}

}  // namespace tolvar::catalogues
