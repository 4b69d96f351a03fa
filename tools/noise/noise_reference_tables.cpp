#include "tools/noise/noise_reference_tables.h"

#include "framework/embedded_data.h"

namespace tolvar::noise {

const std::vector<fuel::ReferenceTable>& noiseReferenceTables() {
  static const std::vector<fuel::ReferenceTable> tables =
      fuel::parseReferenceTables(embeddedData("noise/reference_tables.tsv"));
  return tables;
}

}  // namespace tolvar::noise
