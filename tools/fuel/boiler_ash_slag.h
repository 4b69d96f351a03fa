#pragma once

namespace tolvar::fuel {

// Whole kilograms, each rounded down; NaN or an infinity when it cannot be computed.
struct AshAndSlag {
  double slag;
  double flyAsh;
  double total;  // rounded down from the unrounded sum, so it may exceed slag + flyAsh by 1
};

// The ash and slag of burning `coal` tonnes with `ash` percent ash: the share `flueDustShare`
// of the ash leaves with the flue gas, `dustCombustibles` and `slagCombustibles` are the
// combustibles in the flue dust and the slag, `dustRemoval` the dust collector's efficiency;
// all shares in percent.
AshAndSlag boilerAshAndSlag(double coal, double ash, double flueDustShare, double dustCombustibles,
                            double slagCombustibles, double dustRemoval);

}  // namespace tolvar::fuel
