// The averaging-tube data file (the 37 values of a case in the list format)
// and the case's reports: the text file and the printed page.
//
// Opening is all or nothing: the file is read into a copy of the case, and
// the copy is taken only when all 37 values read correctly. A file that
// cannot be read changes nothing. Neither the reports nor the open routine
// recalculate anything.
#pragma once

#include <string>

#include "reports/Files.h"
#include "reports/Page.h"

namespace quorin {

// TubeDataFile <- the 37 values (CR LF lines).
FileError modnrvSaveInData();
// TubeDataFile -> the 37 values.
FileError modnrvOpenInData();
// The open routine on the bytes of a file already read.
FileError takeNorvaneDataFile(std::string bytes);
// The bytes the save routine writes.
std::string norvaneDataFileBytes();

// The report text (Windows-1252, CR LF); `today` is MM-DD-YYYY.
std::string norvaneReportText(const std::string& today);
// Writes it to TubeTextFile.
FileError modnrvTextFileSave(const std::string& today);
// The printed one-page report.
Page modnrvPrintResults();

}  // namespace quorin
