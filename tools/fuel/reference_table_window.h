#pragma once

#include "framework/tool.h"
#include "tools/fuel/reference_tables.h"

namespace tolvar::fuel {

// A window without fields that shows one reference table; every fuel table is one of these.
class ReferenceTableWindow : public Tool {
 public:
  explicit ReferenceTableWindow(const ReferenceTable& table);
};

}  // namespace tolvar::fuel
