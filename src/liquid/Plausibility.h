// The plausibility warnings of the liquid case (see gas/Plausibility.h).
#pragma once

#include "gas/Plausibility.h"

namespace quorin {

// The liquid case: a temperature, density, viscosity, flow or pipe size zero
// or negative; a unit the conversions do not know; a Reynolds number too low
// for every meter of the catalogue. Never a fix to offer.
CaseWarnings liquidWarnings();

// The Reynolds number in liquid model `m` at the operating flow: the
// velocity the low-Reynolds warning uses, times the shedder width, over the
// kinematic viscosity.
double liquidReynolds(const CatalogueModel& m);

}  // namespace quorin
