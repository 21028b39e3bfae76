// The file and print commands of the screens: the dialog through the seams,
// the path into the case record, the routine, and a message when it fails.
// A cancelled dialog does nothing.
#pragma once

#include <QString>

#include <functional>
#include <string>

#include "reports/Files.h"
#include "shell/Seams.h"

namespace quorin {

struct Page;

// The date the reports carry: MM-DD-YYYY.
std::string todayText();

// Asks for a file to write, keeps it in `path`, and runs `save`.
void saveWithDialog(const FileRequest& request, std::string& path,
                    const std::function<FileError()>& save);

enum class OpenResult { Cancelled, Failed, Opened };
// Asks for a data file to read, keeps it in `path`, and runs `open`; a
// failure shows why.
OpenResult openWithDialog(const QString& filter, std::string& path,
                          const std::function<FileError()>& open);

// Asks for a printer and prints the page `makePage` describes on it.
void printReport(const std::function<Page()>& makePage);

// Shows the page in a print preview, from which it can also be printed.
void previewReport(const std::function<Page()>& makePage);

// Asks for a PDF file, proposing `proposedName`, and writes the page to it
// as the printer's PDF output would. The file is replaced only when the
// whole document is written (reports/Files.h); a failure shows why.
void exportPdf(const std::function<Page()>& makePage, const QString& proposedName);

// Asks for a PDF file, proposing `proposedName`, and writes `count` pages
// (`makePage(i)`) to it in one document, with a progress dialog
// (`seams().showProgress`) that names the page being written
// (`describe(i)`) and can be cancelled. The file is written only when every
// page is: a cancelled or failed export leaves no file and any earlier one
// as it was; a failure shows why. True when the file was written.
bool exportPdfPages(int count, const std::function<Page(int)>& makePage,
                    const std::function<QString(int)>& describe, const QString& proposedName);

}  // namespace quorin
