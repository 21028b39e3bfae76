// The batch sizer: sizes saved case files without a window, as a user would
// who opens the input screen, opens the file, presses Find Meter and saves
// the results as text.
//
//   quorin-batch gas|liquid IN.dat OUT.txt      (OUT "-" is standard output)
//   quorin-batch gas|liquid --dir OUTDIR IN.dat...
//
// Exit status: 0 every file sized; 1 some file could not be read or its
// results not written (named on standard error; the others are still
// sized); 2 a usage error (with the usage text).
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "reports/Files.h"

namespace quorin {

enum class Workflow { Gas, Liquid };

// Sizes the case in `caseFile` from a fresh case record: the input screen's
// start-up values, the file, the Find Meter selection and the results; on
// success `report` holds the bytes of the results text file dated `today`.
FileError sizeCaseFile(Workflow workflow, const std::string& caseFile, const std::string& today,
                       std::string& report);

// Today's date as the reports write it: MM-DD-YYYY.
std::string todayDate();

// The command: `args` without the program name.
int runBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quorin
