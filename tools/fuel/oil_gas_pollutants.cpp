#include "tools/fuel/oil_gas_pollutants.h"

namespace tolvar::fuel {

// The steps keep the original order of operations, which fixes the last digits of the double.

double oilSulphurDioxideLoad(double oil, double sulphur, double sulphurRemoval) {
  double t = oil * 2000.0;
  t = t * sulphur;
  t = t / 100.0;
  return (1.0 - sulphurRemoval / 100.0) * t;
}

double oilCarbonMonoxideLoad(double oil, double carbon, double incompleteCombustion) {
  double t = oil * 2330.0;
  t = t * incompleteCombustion;
  t = t / 100.0;
  t = t * carbon;
  return t / 100.0;
}

double oilNitrogenOxidesLoad(double oil, double nitrogen, double nitrogenConversion) {
  // 0.000938 is the fixed term of the method's NOx formula.
  return ((nitrogen / 100.0) * nitrogenConversion / 100.0 + 0.000938) * (oil * 1630.0);
}

double gasSulphurDioxideLoad(double gas, double hydrogenSulphide) {
  double t = gas * 2.857;
  t = t * hydrogenSulphide;
  return t / 100.0;
}

double gasCarbonMonoxideLoad(double gas, double incompleteCombustion, double carbonMonoxide,
                             double methane, double otherAlkanes) {
  double f = (gas * 1.25 * incompleteCombustion) / 100.0;
  double s = carbonMonoxide / 100.0 + methane / 100.0 + (otherAlkanes * 13.0) / 100.0;
  return s * f;
}

}  // namespace tolvar::fuel
