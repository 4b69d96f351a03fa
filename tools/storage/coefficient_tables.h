#pragma once

#include <string>
#include <string_view>

#include "framework/window_descriptor.h"
#include "tools/fuel/reference_tables.h"

namespace tolvar::storage {

// The coefficient table that the window of this title shows for the user; throws
// std::out_of_range for a title without one.
const fuel::ReferenceTable& coefficientTable(std::string_view windowTitle);

// Adds the window's coefficient table to its descriptor, inside `frame` or at the top level when
// it is empty: the lines above it as labels TableNote1, TableNote2, ..., the grid as Table, then
// the lines under it.
void addCoefficientTable(WindowDescriptor& d, const std::string& frame = "");

}  // namespace tolvar::storage
