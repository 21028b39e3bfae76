#include "shell/FileCommands.h"

#include <QApplication>
#include <QBuffer>
#include <QDate>
#include <QFileInfo>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
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

namespace {

void printFailed(const QPrinter& printer) {
    const QString target =
        printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
    tell("The report could not be printed" +
         (target.isEmpty() ? std::string(".") : " to " + target.toStdString() + "."));
}

}  // namespace

void printReport(const std::function<Page()>& makePage) {
    QPrinter printer(QPrinter::HighResolution);
    if (!seams().choosePrinter || !seams().choosePrinter(printer)) return;
    if (!renderPage(makePage(), printer)) printFailed(printer);
}

void previewReport(const std::function<Page()>& makePage) {
    if (!seams().runPreview) return;
    const Page page = makePage();
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, QApplication::activeWindow());
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [&page](QPrinter* target) {
        if (!renderPage(page, *target)) printFailed(*target);
    });
    seams().runPreview(dialog);
}

void exportPdf(const std::function<Page()>& makePage, const QString& proposedName) {
    const QString chosen = ask({FileRequest::Mode::Save, "PDF File (*.pdf)", proposedName});
    if (chosen.isEmpty()) return;
    const std::string path = chosen.toStdString();
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    writer.setCreator(QStringLiteral("Quorin"));
    writer.setTitle(QFileInfo(chosen).completeBaseName());
    if (!renderPage(makePage(), writer)) {
        tell("The report could not be written to " + path + ".");
        return;
    }
    const QByteArray& bytes = pdf.data();
    if (const FileError error = replaceFile(path, std::string(bytes.constData(), size_t(bytes.size()))))
        tell(saveFailureMessage(path, error));
}

}  // namespace quorin
