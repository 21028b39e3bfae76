// The liquid input screen's unit lists, viscosity kinds and the density of
// an entered specific gravity.
#include "liquid/InputRules.h"

#include "state/SharedState.h"
#include "state/Single.h"

namespace quorin {

namespace {

using List = std::vector<std::string>;

struct ViscUnitKind {
    const char* unit;
    ViscKind kind;
};
constexpr ViscUnitKind kViscKinds[] = {{"centipoise", ViscKind::Dynamic},
                                       {"lbm/ft-sec", ViscKind::Dynamic},
                                       {"centistokes", ViscKind::Kinematic},
                                       {"ft^2/sec", ViscKind::Kinematic},
                                       {"ssu", ViscKind::Kinematic}};

}  // namespace

const List& lqdFlowUnits() {
    static const List list = {"GPM",    "LPM",     "Ft^3/Min", "Ft^3/Day", "m^3/Hr",
                              "m^3/Day", "FPS",    "FPM",      "MPS",      "lbs/Min",
                              "lbs/Hr",  "Kg/Hr",  "Metric Tons/Hr"};
    return list;
}

const List& lqdViscUnits() {
    static const List list = {"centipoise", "centistokes", "lbm/ft-sec", "ft^2/sec", "ssu"};
    return list;
}

const List& lqdDensUnits() {
    static const List list = {"lbm/ft^3", "Kg/m^3", "gm/cm^3"};
    return list;
}

ViscKind lqdViscKind(std::string_view unit) {
    for (const ViscUnitKind& k : kViscKinds)
        if (unit == k.unit) return k.kind;
    return ViscKind::Unknown;
}

const char* lqdViscNote(ViscKind kind) {
    switch (kind) {
        case ViscKind::Dynamic:
            return "Dynamic Viscosity Unit selected, please enter the Density OR specific "
                   "gravity of the fluid below.";
        case ViscKind::Kinematic:
            return "Kinematic Viscosity unit selected, the density OR specific gravity of the "
                   "fluid does not need to be entered below.";
        case ViscKind::Unknown: break;
    }
    return nullptr;
}

void modLqdGravityDensity() {
    auto& S = shared();
    S.LqdDensityIn = single(double(S.SpecGravity) * kLqdWaterLbFt3);
    S.LqdDensUnit = lqdDensUnits().front();
}

}  // namespace quorin
