#include "tools/water/water_reference_tables.h"

#include "framework/embedded_data.h"

namespace tolvar::water {

const std::vector<fuel::ReferenceTable>& waterReferenceTables() {
  static const std::vector<fuel::ReferenceTable> tables =
      fuel::parseReferenceTables(embeddedData("water/reference_tables.tsv"));
  return tables;
}

}  // namespace tolvar::water
