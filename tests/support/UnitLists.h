// The unit lists of the two input screens, as the core offers them, under
// short names for the tests that walk every unit.
#pragma once

#include <string>
#include <vector>

#include "gas/InputRules.h"
#include "liquid/InputRules.h"

namespace quorin::test::units {

using List = std::vector<std::string>;

inline const List& gasFlow = gasFlowUnits();
inline const List& pipe = pipeUnits();
inline const List& pressure = pressUnits();
inline const List& absolute = absolutePressUnits();
inline const List& temperature = tempUnits();
inline const List& liquidFlow = lqdFlowUnits();
inline const List& density = lqdDensUnits();
inline const List& viscosity = lqdViscUnits();

}  // namespace quorin::test::units
