#pragma once

#include <vector>

#include "tools/fuel/reference_tables.h"

namespace tolvar::noise {

// The noise reference tables that the program carries, in their order in the data; they are
// shown by the same reference table window as the fuel tables.
const std::vector<fuel::ReferenceTable>& noiseReferenceTables();

}  // namespace tolvar::noise
