#include "shell/FileCommands.h"

#include <QApplication>
#include <QBuffer>
#include <QDate>
#include <QFileInfo>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>

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

namespace {

// A PDF writer into memory, titled after the file.
struct PdfInMemory {
    explicit PdfInMemory(const QString& path) : writer(&bytes) {
        writer.setCreator(QStringLiteral("Quorin"));
        writer.setTitle(QFileInfo(path).completeBaseName());
    }
    QBuffer bytes{};
    bool opened = bytes.open(QIODevice::WriteOnly);
    QPdfWriter writer;

    // Writes the document to `path` as Save writes a text file; false
    // (and why, shown) when it could not.
    bool save(const std::string& path) const {
        const QByteArray& data = bytes.data();
        const FileError error = replaceFile(path, std::string(data.constData(), size_t(data.size())));
        if (error) tell(saveFailureMessage(path, error));
        return !error;
    }
};

}  // namespace

void exportPdf(const std::function<Page()>& makePage, const QString& proposedName) {
    const QString chosen = ask({FileRequest::Mode::Save, "PDF File (*.pdf)", proposedName});
    if (chosen.isEmpty()) return;
    const std::string path = chosen.toStdString();
    PdfInMemory pdf(chosen);
    if (!renderPage(makePage(), pdf.writer)) {
        tell("The report could not be written to " + path + ".");
        return;
    }
    pdf.save(path);
}

bool exportPdfPages(int count, const std::function<Page(int)>& makePage,
                    const std::function<QString(int)>& describe, const QString& proposedName) {
    const QString chosen = ask({FileRequest::Mode::Save, "PDF File (*.pdf)", proposedName});
    if (chosen.isEmpty()) return false;
    const std::string path = chosen.toStdString();
    QProgressDialog progress(QString(), QStringLiteral("Cancel"), 0, count,
                             QApplication::activeWindow());
    progress.setWindowTitle(QStringLiteral("Quorin"));
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    if (seams().showProgress) seams().showProgress(progress);
    PdfInMemory pdf(chosen);
    PdfPages pages(pdf.writer);
    for (int i = 0; i < count; ++i) {
        progress.setLabelText(describe(i));
        progress.setValue(i);
        if (progress.wasCanceled()) return false;
        if (!pages.add(makePage(i))) {
            tell("The reports could not be written to " + path + ".");
            return false;
        }
    }
    progress.setValue(count);
    if (progress.wasCanceled()) return false;
    if (!pages.finish()) {
        tell("The reports could not be written to " + path + ".");
        return false;
    }
    return pdf.save(path);
}

}  // namespace quorin
