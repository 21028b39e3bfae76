// The unit lists of the two input screens, in the order they offer them.
#pragma once

#include <string>
#include <vector>

namespace quorin::test::units {

using List = std::vector<std::string>;

inline const List gasFlow = {"ACFM",    "ACF/Day",  "SCFM",    "SCF/Day", "m^3/Hr", "m^3/Day",
                             "Nm^3/Hr", "Nm^3/Day", "lbs/min", "lbs/Hr",  "Kg/Hr",  "FPS",
                             "FPM",     "MPS",      "LPM",     "Metric Tons/Hr"};
inline const List pipe = {"INCHES",      "MILLIMETERS",        "CENTIMETERS",        "METERS",
                          "SQUARE FEET", "SQUARE MILLIMETERS", "SQUARE CENTIMETERS", "SQUARE METERS"};
inline const List pressure = {"PSIA",  "PSIG",         "BAR G",         "Kg/cm^2 G",
                              "KPa G", "INCHES H2O G", "TORR (mmHg) G", "BAR A"};
inline const List absolute = {"PSIA", "Kg/cm^2 A", "BAR A", "KPa A"};
inline const List temperature = {"deg F", "deg C", "deg R"};
inline const List liquidFlow = {"GPM", "LPM",     "Ft^3/Min", "Ft^3/Day", "m^3/Hr", "m^3/Day",       "FPS",
                                "FPM", "MPS",     "lbs/Min",  "lbs/Hr",   "Kg/Hr",  "Metric Tons/Hr"};
inline const List density = {"lbm/ft^3", "Kg/m^3", "gm/cm^3"};
inline const List viscosity = {"centipoise", "centistokes", "lbm/ft-sec", "ft^2/sec", "ssu"};

}  // namespace quorin::test::units
