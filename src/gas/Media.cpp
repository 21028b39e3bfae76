// Gas media constants, ideal-gas density, linear viscosity, and the steam
// density of the IFC-67 sub-region 2 equation.
#include <cmath>

#include "gas/GasCalc.h"
#include "gas/MediaTable.h"
#include "state/Hooks.h"
#include "state/SharedState.h"
#include "state/Single.h"
#include "state/Text.h"

namespace quorin {

const std::vector<GasMedium>& gasMedia() {
    static const std::vector<GasMedium> table = {
        {"AIR", 1.0f, 2.6434f, 0.0176f},
        {"ACETYLENE", 0.9106f, 6.28f, 0.0f},
        {"AMMONIA", 0.5874f, -1.5742f, 0.0151f},
        {"ARGON", 1.379f, 4.1731f, 0.0202f},
        {"BLAST FURNACE GAS", 1.0737f, 0.62f, 0.0164f},
        {"BUTANE", 2.0067f, -0.2655f, 0.0101f},
        {"CARBON DIOXIDE", 1.5194f, 0.6775f, 0.0168f},
        {"CARBON MONOXIDE", 0.967f, 3.4157f, 0.016f},
        {"CHLORINE", 2.514f, 0.2914f, 0.0176f},
        {"COKE OVEN GAS", 0.4539f, 1.6751f, 0.0095f},
        {"DIGESTER GAS 60/40", 0.8838f, 1.1791f, 0.0136f},
        {"ETHANE", 1.0387f, -0.0683f, 0.0118f},
        {"ETHYLENE", 0.968f, -1.5241f, 0.0143f},
        {"GASOLINE VAPOR", 0.8864f, 1.2241f, 0.0133f},
        {"HELIUM", 0.1389f, 4.3735f, 0.0168f},
        {"HEXANE", 2.9746f, -0.5514f, 0.0092f},
        {"HYDROGEN", 0.0694f, 1.5148f, 0.0084f},
        {"HYDROGEN SULFIDE", 1.1762f, 1.1639f, 0.0143f},
        {"METHANE", 0.5541f, 0.5922f, 0.0126f},
        {"NATURAL GAS", 0.5851f, 2.1671f, 0.012f},
        {"NEON", 0.6969f, 4.2436f, 0.0302f},
        {"NITRIC OXIDE", 1.036f, 2.9293f, 0.0185f},
        {"NITROUS OXIDE", 1.5194f, 0.7247f, 0.0171f},
        {"NITROGEN", 0.9666f, 3.0295f, 0.0168f},
        {"OCTANE", 3.9439f, -0.2194f, 0.0071f},
        {"OXYGEN", 1.1041f, 3.2152f, 0.0193f},
        {"OZONE", 1.6569f, 4.636f, 0.0079f},
        {"PENTANE", 2.4913f, -0.1181f, 0.0087f},
        {"PROPANE", 1.522f, 0.5138f, 0.0094f},
        {"STACK GAS", 0.9539f, -0.0036f, 0.0128f},
        {"STEAM (SATURATED)", 0.6318f, -1.5395f, 0.0143f},
        {"STEAM", 0.6318f, -1.5395f, 0.0143f},
        {"SULFUR DIOXIDE", 2.2109f, -0.3806f, 0.0176f},
        {"XENON", 4.5327f, 3.7869f, 0.021f},
    };
    return table;
}

std::vector<std::string> gasMediaList() {
    std::vector<std::string> names;
    for (const GasMedium& m : gasMedia())
        if (m.name != "ACETYLENE" && m.name != "STEAM") names.push_back(m.name);
    names.push_back("OTHER");
    return names;
}

void modMediaIn() {
    auto& S = shared();
    S.OtherMediaFlag = false;
    const std::string name = upper(S.MediaIn);
    if (name == "OTHER") {
        askCustomGas();
    } else {
        for (const GasMedium& m : gasMedia()) {
            if (name != m.name) continue;
            S.SpecGravity = m.specGravity;
            S.ViscCoefA = m.viscCoefA;
            S.ViscCoefB = m.viscCoefB;
            if (name == kSteamSaturated || name == "STEAM") modSteamCalc();
            break;
        }
    }
    if (S.MediaIn != "OTHER") modCalcDensVisc();
}

namespace {

// Linear viscosity law shared by the gases and steam.
void viscosityFromCoefficients() {
    auto& S = shared();
    const double t = S.TempDegR;
    S.ViscLbFtSec = double(S.ViscCoefA) * 1e-6 + double(S.ViscCoefB) * 1e-6 * t;
    S.ViscCp = S.ViscLbFtSec * kCpPerLbFtSec;
}

}  // namespace

void modCalcDensVisc() {
    auto& S = shared();
    if (S.MediaIn == kSteamSaturated) {
        modSteamCalc();
        return;
    }
    S.DensityLbFt3 = double(S.PressPsia) * double(S.SpecGravity) /
                     (double(S.TempDegR) * 0.370484);
    viscosityFromCoefficients();
}

void modSteamCalc() {
    auto& S = shared();
    // Reduction constants and the boundary line.
    constexpr double I1 = 4.260321148, b = 0.7633333333, e = 2.71828183;
    constexpr double L0 = 15.74373327, L1 = -34.17061978, L2 = 19.31380707;

    // Coefficients B(mu, lambda) with exponents z(mu, lambda), mu = 1..5.
    struct Term { double B; int z; };
    static const std::vector<Term> kSum1[5] = {
        {{0.066703759, 13}, {1.388983801, 3}},
        {{0.08390104328, 18}, {0.02614670893, 2}, {-0.03373439453, 1}},
        {{0.4520918904, 18}, {0.1069036614, 10}},
        {{-0.5975336707, 25}, {-0.08847535804, 14}},
        {{0.5958051609, 32}, {-0.5159303373, 28}, {0.2075021122, 24}},
    };
    // mu = 6..8: numerator terms B X^z, denominator terms b X^l.
    struct Ratio { std::vector<Term> num; std::vector<Term> den; };
    static const Ratio kSum2[3] = {
        {{{0.1190610271, 12}, {-0.09867174132, 11}}, {{0.4006073948, 14}}},
        {{{0.1683998803, 24}, {-0.05809438001, 18}}, {{0.08636081627, 19}}},
        {{{0.006552390126, 24}, {0.0005710218649, 14}},
         {{-0.8532322921, 54}, {0.3460208861, 27}}},
    };
    static constexpr double kB9[7] = {193.6587558,  -1388.522425, 4126.607219,
                                      -6508.211677, 5745.984054,  -2693.088365,
                                      523.5718623};

    const double theta = (double(S.TempDegR) / 1.8) / 647.3;
    const double beta = (double(S.PressPsia) * 0.006894757) / 22.12;
    const double X = std::pow(e, b * (1 - theta));
    const double betaL = L0 + L1 * theta + L2 * theta * theta;

    auto sumOf = [X](const std::vector<Term>& terms) {
        double s = 0;
        for (const Term& t : terms) s += t.B * std::pow(X, t.z);
        return s;
    };

    double chi = I1 * theta / beta;
    for (int mu = 1; mu <= 5; ++mu)
        chi -= mu * std::pow(beta, mu - 1) * sumOf(kSum1[mu - 1]);
    for (int mu = 6; mu <= 8; ++mu) {
        const Ratio& r = kSum2[mu - 6];
        const double den = std::pow(beta, 2 - mu) + sumOf(r.den);
        chi -= (mu - 2) * std::pow(beta, 1 - mu) * sumOf(r.num) / (den * den);
    }
    double s9 = 0;
    for (int lambda = 0; lambda <= 6; ++lambda)
        s9 += kB9[lambda] * std::pow(X, lambda);
    chi += 11 * std::pow(beta / betaL, 10) * s9;

    S.DensityLbFt3 = 19.69336296 / chi;
    viscosityFromCoefficients();
}

}  // namespace quorin
