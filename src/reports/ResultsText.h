// The results text files of the two vortex workflows: the report of the
// last Find Meter in fixed character columns. `today` is the date to write
// (MM-DD-YYYY). The gas/steam report reads the derived flows and the range
// flags the gas results computation leaves in the case record.
#pragma once

#include <string>

#include "reports/Files.h"

namespace quorin {

// The bytes of the gas/steam results file (Windows-1252, CR LF).
std::string gasResultsText(const std::string& today);
// The bytes of the liquid results file.
std::string liquidResultsText(const std::string& today);

// Write them to ResultsFileName / LqdResultsFileName.
FileError modSaveResults(const std::string& today);
FileError modLqdSaveResults(const std::string& today);

}  // namespace quorin
