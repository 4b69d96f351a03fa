#include "catalogues/editions/edition_tools.h"

#include "catalogues/editions/edition_notices.h"
#include "catalogues/editions/hazardous_waste_2021_window.h"
#include "catalogues/editions/industry_classification_2017_window.h"

namespace tolvar::catalogues {

void registerEditionTools(ToolRegistry& registry) {
  registerTool<IndustryClassification2017Window>(registry, kIndustryClassification2017Title);
  registerTool<HazardousWaste2021Window>(registry, kHazardousWaste2021Title);
  addEditionNotices(registry);
}

const std::vector<CatalogueEntry>& currentEditionsMenu() {
  static const std::vector<CatalogueEntry> menu = {
      {"现行标准", "", kIndustryClassification2017Title, CatalogueEntry::Action::window,
       kIndustryClassification2017Title},
      {"现行标准", "", kHazardousWaste2021Title, CatalogueEntry::Action::window,
       kHazardousWaste2021Title},
  };
  return menu;
}

}  // namespace tolvar::catalogues
