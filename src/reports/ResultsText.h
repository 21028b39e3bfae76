// The results text files of the two vortex workflows: the results view of a
// Find Meter in fixed character columns. `today` is the date to write
// (MM-DD-YYYY).
#pragma once

#include <string>

#include "reports/Files.h"

namespace quorin {

struct GasResultsView;
struct LiquidResultsView;

// The bytes of the gas/steam results file (Windows-1252, CR LF).
std::string gasResultsText(const GasResultsView& view, const std::string& today);
// The bytes of the liquid results file.
std::string liquidResultsText(const LiquidResultsView& view, const std::string& today);

// Write them to ResultsFileName / LqdResultsFileName.
FileError modSaveResults(const GasResultsView& view, const std::string& today);
FileError modLqdSaveResults(const LiquidResultsView& view, const std::string& today);

}  // namespace quorin
