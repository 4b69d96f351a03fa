#include "catalogues/catalogue_tools.h"

#include "catalogues/industry_classification_window.h"

namespace tolvar::catalogues {

void registerCatalogueTools(ToolRegistry& registry) {
  registerTool<IndustryClassificationWindow>(registry, kIndustryClassificationTitle);
}

}  // namespace tolvar::catalogues
