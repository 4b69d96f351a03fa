#include "tools/storage/storage_tools.h"

namespace tolvar::storage {

void registerStorageTools(ToolRegistry&) {}

}  // namespace tolvar::storage
