#pragma once

#include <vector>

#include "tools/fuel/reference_tables.h"

namespace tolvar::water {

// The water use and slag reference tables, in their order in the data.
const std::vector<fuel::ReferenceTable>& waterReferenceTables();

}  // namespace tolvar::water
