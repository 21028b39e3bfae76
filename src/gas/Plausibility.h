// Plausibility warnings: what in a case, as its chains left it, cannot be
// so physically or is not what the user meant. Each warning is one line in
// plain words with the figure that raised it. The checks read the case
// record and write nothing; they are cheap enough to run after every edit.
// The screens show the lines beside their own texts; the text report and
// the printed page do not carry them.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quorin {

struct CatalogueModel;

struct CaseWarnings {
    std::vector<std::string> lines;
    // Steam below its saturation temperature: the saturation temperature in
    // the user's temperature unit, rounded up to hundredths, to type into
    // the temperature box. Empty otherwise, and when the unit is unknown.
    std::optional<float> saturationTemp;
};

// The gas/steam case: steam below its saturation temperature (from the
// steam table, at the operating pressure); an absolute pressure or
// temperature, the density, the viscosity, the flow or the pipe size zero
// or negative; a unit the conversions do not know; a Reynolds number too
// low for every meter of the catalogue.
CaseWarnings gasWarnings();

// ---- Building blocks of both workflows' checks ---------------------------
namespace plausibility {

// "<what> is <value> <unit>: it must be above zero." when value <= 0.
void notPositive(std::vector<std::string>& lines, const std::string& what, double value,
                 const std::string& unit);
// When `unit` matches no entry of `list` (compared as the conversions
// compare, upper-cased): names the box by `caption` and says that the
// calculation goes on with the `quantity` it had before, `value` `valueUnit`
// (an empty unit is said to be missing).
void unknownUnit(std::vector<std::string>& lines, const char* caption, const std::string& unit,
                 const std::vector<std::string>& list, const char* quantity, double value,
                 const char* valueUnit);
// The highest Reynolds number any catalogue model of slots `firstSlot` to
// `lastSlot` sees at the operating flow: its velocity (ft/s, from
// `velocity`) times its shedder width over the kinematic viscosity (ft^2/s).
// Below the lowest Reynolds number the whole catalogue measures, a warning;
// nothing is said when a figure is zero, negative or not finite (other
// warnings name those).
void lowReynolds(std::vector<std::string>& lines, int firstSlot, int lastSlot,
                 double kinematicVisc, double (*velocity)(const CatalogueModel&));

}  // namespace plausibility
}  // namespace quorin
