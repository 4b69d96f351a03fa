#pragma once

#include <string>
#include <vector>

#include "catalogues/structure_adjustment.h"
#include "framework/tool.h"

namespace tolvar::catalogues {

// The catalogue as one document without markers, with what is stored of each category.
std::string structureCatalogueDocument(const std::vector<StructureCategory>& categories);

class StructureAdjustmentFullTextWindow : public Tool {
 public:
  StructureAdjustmentFullTextWindow();
};

}  // namespace tolvar::catalogues
