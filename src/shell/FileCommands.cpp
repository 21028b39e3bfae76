#include "shell/FileCommands.h"

#include <QDate>
#include <QPrinter>

#include "reports/Page.h"
#include "reports/PageRenderer.h"

namespace quorin {

namespace {

void tell(const std::string& text) {
    if (seams().message) seams().message(QString::fromStdString(text), MsgIcon::None);
}

QString ask(const FileRequest& request) {
    return seams().chooseFile ? seams().chooseFile(request) : QString();
}

}  // namespace

std::string todayText() { return QDate::currentDate().toString("MM-dd-yyyy").toStdString(); }

void saveWithDialog(const FileRequest& request, std::string& path,
                    const std::function<FileError()>& save) {
    const QString chosen = ask(request);
    if (chosen.isEmpty()) return;
    path = chosen.toStdString();
    if (const FileError error = save()) tell(saveFailureMessage(path, error));
}

OpenResult openWithDialog(const QString& filter, std::string& path,
                          const std::function<FileError()>& open) {
    const QString chosen = ask({FileRequest::Mode::Open, filter, {}});
    if (chosen.isEmpty()) return OpenResult::Cancelled;
    path = chosen.toStdString();
    if (const FileError error = open()) {
        tell(openFailureMessage(error));
        return OpenResult::Failed;
    }
    return OpenResult::Opened;
}

void printReport(const std::function<Page()>& makePage) {
    QPrinter printer(QPrinter::HighResolution);
    if (!seams().choosePrinter || !seams().choosePrinter(printer)) return;
    if (renderPage(makePage(), printer)) return;
    const QString target =
        printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
    tell("The report could not be printed" +
         (target.isEmpty() ? std::string(".") : " to " + target.toStdString() + "."));
}

}  // namespace quorin
