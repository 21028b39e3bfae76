// Averaging-tube flow calculation chain: flow coefficient, B factor,
// thermal and gas expansion corrections, line velocity and the differential
// pressure in inches of water column, for the three operating cases.
#include <cmath>
#include <limits>
#include <optional>

#include "norvane/NorvaneCalc.h"
#include "state/Hooks.h"
#include "state/SharedState.h"
#include "state/Single.h"
#include "state/Text.h"

namespace quorin {

namespace {

constexpr double kPi = 3.14159265359;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kFtPerM = 0.3048;

enum class Unit { Acfm, Acfh, Scfm, Scfh, M3Hr, Nm3Hr, Pph, KgHr, Gpm, Lpm, BblDay, Unknown };

Unit flowUnit(const std::string& text) {
    const std::string u = upper(text);
    if (u == "ACFM") return Unit::Acfm;
    if (u == "ACFH") return Unit::Acfh;
    if (u == "SCFM") return Unit::Scfm;
    if (u == "SCFH") return Unit::Scfh;
    if (u == "M3/HR") return Unit::M3Hr;
    if (u == "NM3/HR") return Unit::Nm3Hr;
    if (u == "PPH") return Unit::Pph;
    if (u == "KG/HR") return Unit::KgHr;
    if (u == "GPM") return Unit::Gpm;
    if (u == "LPM") return Unit::Lpm;
    if (u == "BBL/DAY") return Unit::BblDay;
    return Unit::Unknown;
}

// The working values of one case.
struct Working {
    double q, dSq, pabs, pabsKg, tR, tK, tbR, tbK, z, rho, rhoKg, sg, a;
};

Working working(const SharedState& S, const NrvCaseFields& c) {
    Working w{};
    const double d = S.LineId;
    w.q = c.flowRate;
    w.dSq = d * d;
    w.pabs = double(S.BasePress) + double(c.pressPsig);
    w.pabsKg = double(S.BasePressKg) + double(c.pressKg);
    w.tR = double(c.tempF) + 459.67;
    w.tK = double(c.tempC) + 273.15;
    w.tbR = double(S.BaseTemp) + 459.67;
    w.tbK = double(S.BaseTempC) + 273.15;
    w.z = c.comp;
    w.rho = c.dens;
    w.rhoKg = c.densKg;
    w.sg = S.SpecGrav;
    w.a = S.FlowCoe * w.dSq * c.thermExpCor;
    return w;
}

// Standard-volume correction of the SCFM and SCFH rows.
double factorF(const SharedState& S, const Working& w) {
    return std::sqrt(1 / w.sg) * (14.696 / double(S.BasePress)) * (w.tbR / 519.67) *
           std::sqrt(1 / w.z) * std::sqrt(519.67 / w.tR);
}

double sq(double x) { return x * x; }

// The gas (and, for PPH and Kg/hr, steam) row of the DP table; `scfmConst`
// differs between the expansion correction and the DP itself.
std::optional<double> gasDp(const SharedState& S, Unit unit, const Working& w, double cy,
                            double scfmConst) {
    switch (unit) {
        case Unit::Acfm: return sq(w.q / (5.982 * w.a * cy)) * w.rho;
        case Unit::Acfh: return sq(w.q / (358.94 * w.a * cy)) * w.rho;
        case Unit::Scfm: return sq(w.q / (scfmConst * w.a * cy * factorF(S, w))) / w.pabs;
        case Unit::Scfh: return sq(w.q / (338.17 * w.a * cy * factorF(S, w))) / w.pabs;
        case Unit::M3Hr: return sq(w.q / (40.7075 * w.a * cy)) * w.rhoKg;
        case Unit::Nm3Hr: {
            const double pbKg = S.BasePressKg;
            return sq(w.q * pbKg * 98.066 * w.sg / (21.7902 * w.a * cy * w.tbK)) * w.tK /
                   (w.pabsKg * 98.066 * w.sg);
        }
        case Unit::Pph: return sq(w.q / (358.94 * w.a * cy)) / w.rho;
        case Unit::KgHr: return sq(w.q / (40.7075 * w.a * cy)) / w.rhoKg;
        default: return std::nullopt;
    }
}

std::optional<double> liquidDp(Unit unit, const Working& w) {
    switch (unit) {
        case Unit::M3Hr: return sq(w.q / (1.287 * w.a)) * w.sg;
        case Unit::Pph: return sq(w.q / (358.94 * w.a)) / w.rho;
        case Unit::KgHr: return sq(w.q / (40.7075 * w.a)) / w.rhoKg;
        case Unit::Gpm: return sq(w.q / (5.666 * w.a)) * w.sg;
        case Unit::Lpm: return sq(w.q / (21.448 * w.a)) * w.sg;
        case Unit::BblDay: return sq(w.q / (194.262857 * w.a)) * w.sg;
        default: return std::nullopt;
    }
}

bool offeredToGasState(Unit unit, NrvState state) {
    if (state == NrvState::Gas) return true;
    // Steam: mass units only.
    return state == NrvState::Steam && (unit == Unit::Pph || unit == Unit::KgHr);
}

}  // namespace

void modnrvFlowCoeK() {
    auto& S = shared();
    struct Row { float n; double k; };
    static constexpr Row kTable[] = {
        {0.5f, 0.395}, {0.75f, 0.425}, {1, 0.537},  {1.25f, 0.568}, {1.5f, 0.573},
        {2, 0.595},    {2.5f, 0.630},  {3, 0.640},  {3.5f, 0.644},  {4, 0.648},
        {6, 0.637},    {8, 0.645},     {10, 0.636}, {12, 0.627},    {14, 0.625},
        {16, 0.623},   {18, 0.620},    {20, 0.617}, {22, 0.617},
    };
    if (S.LineSize >= 24) {
        S.FlowCoe = 0.616;
        return;
    }
    for (const Row& r : kTable) {
        if (r.n == S.LineSize) {
            S.FlowCoe = r.k;
            return;
        }
    }
    selectControl("cboLineSize");
}

void modnrvBfactor() {
    auto& S = shared();
    const double d = S.LineId;
    double c;
    if (d > 0 && d <= 4) c = 1.5;
    else if (d > 4 && d <= 5) c = 3.5;
    else if (d > 5 && d <= 9) c = 2.0;
    else if (d > 9 && d <= 15) c = 3.0;
    else if (d > 15) c = 4.0;
    else return;  // D <= 0 (or not a number): B stays
    S.Bfactor = 0.011332 * sq(1 - c / (kPi * d)) - 0.00342;
}

void modnrvThermExpCor() {
    auto& S = shared();
    for (NrvCase which : kNrvCaseOrder) {
        NrvCaseFields c = nrvCase(S, which);
        c.thermExpCor = 1.014 - 0.016 * (1000 - double(c.tempF)) / 1025;
    }
}

void modnrvGasExpCor() {
    auto& S = shared();
    const Unit unit = flowUnit(S.FlowUnit);
    for (NrvCase which : kNrvCaseOrder) {
        NrvCaseFields c = nrvCase(S, which);
        const Working w = working(S, c);
        const std::optional<double> h1 = gasDp(S, unit, w, 1.0, 5.63617);
        if (!h1) {
            // GPM, LPM, bbl/day and unknown units have no gas expansion.
            c.gasExpCor = kNaN;
            continue;
        }
        const bool psiaUnit = unit == Unit::Acfm || unit == Unit::Acfh || unit == Unit::Scfm ||
                              unit == Unit::Scfh || unit == Unit::Pph;
        const double pAbs = psiaUnit ? w.pabs : w.pabsKg * 14.233;
        c.gasExpCor = 1 - S.Bfactor * *h1 / (double(S.CpCv) * pAbs);
    }
}

void modnrvVelFps() {
    auto& S = shared();
    const Unit unit = flowUnit(S.FlowUnit);
    for (NrvCase which : kNrvCaseOrder) {
        NrvCaseFields c = nrvCase(S, which);
        const Working w = working(S, c);
        // The other unit comes from the stored value of the first.
        auto metric = [&](double v) {
            c.velMps = single(v);
            c.vel = single(double(c.velMps) / kFtPerM);
        };
        auto imperial = [&](double v) {
            c.vel = single(v);
            c.velMps = single(double(c.vel) * kFtPerM);
        };
        switch (unit) {
            case Unit::Acfm: imperial(3.056 * w.q / w.dSq); break;
            case Unit::Acfh: imperial(w.q / (19.63495 * w.dSq)); break;
            case Unit::Scfm:
                imperial(0.08641575855 * w.q * w.tR * w.z / (w.dSq * w.pabs));
                break;
            case Unit::Scfh:
                imperial(w.q * w.tR * w.z / (697.317845214 * w.dSq * w.pabs));
                break;
            case Unit::M3Hr: metric(0.548201455942 * w.q / w.dSq); break;
            case Unit::Nm3Hr: metric(w.q * w.tK / (482.114883889 * w.dSq * w.pabsKg)); break;
            case Unit::Pph: imperial(w.q / (19.63495 * w.dSq * w.rho)); break;
            case Unit::KgHr: metric(0.548201455942 * w.q / (w.dSq * w.rhoKg)); break;
            case Unit::Gpm: imperial(0.4085 * w.q / w.dSq); break;
            case Unit::Lpm: imperial(0.107914282932 * w.q / w.dSq); break;
            case Unit::BblDay: imperial(0.0119 * w.q / w.dSq); break;
            case Unit::Unknown: imperial(kNaN); break;
        }
    }
}

void modnrvDpCalc() {
    auto& S = shared();
    const Unit unit = flowUnit(S.FlowUnit);
    const NrvState state = nrvState(S.FluidState);
    for (NrvCase which : kNrvCaseOrder) {
        NrvCaseFields c = nrvCase(S, which);
        const Working w = working(S, c);
        std::optional<double> dp;
        if (state == NrvState::Liquid) dp = liquidDp(unit, w);
        else if (offeredToGasState(unit, state)) dp = gasDp(S, unit, w, c.gasExpCor, 5.636);
        // A unit the fluid state does not offer gives no differential pressure.
        c.dp = dp.value_or(kNaN);
    }
}

}  // namespace quorin
