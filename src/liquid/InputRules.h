// The rules of the liquid input screen's entries: the unit lists it offers,
// the kind of each viscosity unit with the note the screen shows for it, and
// the density a specific gravity gives.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorin {

// ---- Unit lists, in the order the screen offers them ---------------------
// (The pipe and temperature lists are those of the gas/steam screen:
// pipeUnits() and tempUnits() in gas/InputRules.h.)
const std::vector<std::string>& lqdFlowUnits();  // "GPM" ... "Metric Tons/Hr"
const std::vector<std::string>& lqdViscUnits();  // "centipoise" ... "ssu"
const std::vector<std::string>& lqdDensUnits();  // "lbm/ft^3", "Kg/m^3", "gm/cm^3"

// ---- Viscosity kind ------------------------------------------------------
// A dynamic viscosity needs the density of the liquid to give the kinematic
// one; a kinematic one does not. Units are compared exactly as the list
// writes them; any other text is neither.
enum class ViscKind { Unknown, Dynamic, Kinematic };
ViscKind lqdViscKind(std::string_view unit);
// The note the screen shows for a kind; nullptr for Unknown.
const char* lqdViscNote(ViscKind kind);

// ---- Specific gravity ----------------------------------------------------
// Water's density in lbm/ft^3 behind an entered specific gravity.
inline constexpr double kLqdWaterLbFt3 = 62.3663;
// SpecGravity -> LqdDensityIn = SpecGravity x 62.3663 (32-bit), LqdDensUnit
// "lbm/ft^3". modLqdDens then gives the working density.
void modLqdGravityDensity();

// The message of a viscosity entry that is not a number (or is empty).
inline constexpr const char* kLqdInvalidViscosity =
    "Invalid Viscosity Value.  Please enter a number.";

}  // namespace quorin
