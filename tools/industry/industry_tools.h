#pragma once

#include "framework/tool.h"

namespace tolvar::industry {

void registerIndustryTools(ToolRegistry& registry);

}  // namespace tolvar::industry
