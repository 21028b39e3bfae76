// The built-in table of gas media, in the order the medium routine searches
// it and the input screen lists it.
#pragma once

#include <string>
#include <vector>

namespace quorin {

struct GasMedium {
    std::string name;   // upper case
    float specGravity;  // relative to air
    float viscCoefA;    // 1e-6 lb/(ft s)
    float viscCoefB;    // 1e-6 lb/(ft s) per deg R
};

// Every medium the medium routine knows, "STEAM" and "ACETYLENE" included.
const std::vector<GasMedium>& gasMedia();

// The entries of the input screen's medium list: the table without
// "ACETYLENE" and "STEAM", then "OTHER".
std::vector<std::string> gasMediaList();

}  // namespace quorin
