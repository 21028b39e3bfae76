// The batch sizer: sizes saved case files without a window, as a user would
// who opens the input screen, opens the file, presses Find Meter and saves
// the results as text. An averaging-tube (norvane) data file is opened on
// the averaging-tube screen, recalculated and its text report saved.
//
//   quorin-batch gas|liquid|norvane IN.dat OUT.txt   (OUT "-" is standard output)
//   quorin-batch gas|liquid|norvane --dir OUTDIR IN.dat...
//   quorin-batch tags IN.csv OUT.csv [--xlsx OUT.xlsx] [--reports DIR]
//
// Exit status: 0 every file sized; 1 some file could not be read or its
// results not written (named on standard error; the others are still
// sized); 2 a usage error (with the usage text), or results that would
// overwrite a case file or each other's (named; nothing written). Each
// error is one line of standard error. The results files replace the old
// ones together at the end of the run, after one sync (ReplaceBatch).
//
// `tags` sizes every row of a tag list (tags/TagList.h) and writes the
// results table as CSV, with --xlsx also as a workbook, with --reports each
// sized tag's results file DIR/TAG.txt (tags::ReportNames). Each row that
// cannot be sized is one line of standard error, "IN.csv: line N: reason",
// and makes the status 1; the other rows are still sized and written.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "reports/Files.h"

namespace quorin {

enum class Workflow { Gas, Liquid, Norvane };

// Sizes the case in `caseFile` from a fresh case record: the input screen's
// start-up values, the file, the Find Meter selection and the results (for
// an averaging-tube file: the start-up values, the file and the full
// recalculation); on success `report` holds the bytes of the results text
// file (the averaging-tube text report) dated `today`.
FileError sizeCaseFile(Workflow workflow, const std::string& caseFile, const std::string& today,
                       std::string& report);

// Today's date as the reports write it: MM-DD-YYYY.
std::string todayDate();

// The command: `args` without the program name.
int runBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quorin
