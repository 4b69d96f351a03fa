#include "tools/units/concentration_tables_window.h"

namespace tolvar::units {
namespace {

WindowDescriptor describeCommonUnits() {
  WindowDescriptor d{kCommonUnitsTitle, {}};
  d.add(frame("Frame1", "土壤、动植物与固废物中PPM与PPB的换算"));
  d.add(label("Label1",
              "1 ppm = 1 mg/kg = 1000 ug/kg\r\n"
              "1 ppb = 1 ug/kg = 0.001 mg/kg\r\n"
              "1 ppm = 1000 ppb")
            .in("Frame1"));
  d.add(frame("Frame2", "质量体积浓度换算"));
  d.add(picture("Picture1", "units/mass_volume_formula.html").in("Frame2"));
  return d;
}

WindowDescriptor describeConcentrationUnits() {
  WindowDescriptor d{kConcentrationUnitsTitle, {}};
  d.add(label("Label1", "常用单位换算"));
  d.add(frame("Frame1", "浓度单位换算"));
  d.add(picture("Picture1", "units/concentration_formula.html").in("Frame1"));
  return d;
}

}  // namespace

CommonUnitsWindow::CommonUnitsWindow() : Tool(describeCommonUnits()) {}

ConcentrationUnitsWindow::ConcentrationUnitsWindow() : Tool(describeConcentrationUnits()) {}

}  // namespace tolvar::units
