#include "shell/Seams.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QToolTip>
#include <QWidget>


namespace quorin {

Seams& seams() {
    static Seams s;
    return s;
}

void installDesktopSeams() {
    Seams& s = seams();
    s.message = [](const QString& text, MsgIcon icon) {
        QMessageBox box(icon == MsgIcon::Exclamation   ? QMessageBox::Warning
                        : icon == MsgIcon::Information ? QMessageBox::Information
                                                       : QMessageBox::NoIcon,
                        QStringLiteral("Quorin"), text, QMessageBox::Ok,
                        QApplication::activeWindow());
        box.exec();
    };
    s.beep = [] { QApplication::beep(); };
    s.runModal = [](QDialog& dialog) { return dialog.exec(); };
    s.chooseFile = [](const FileRequest& request) {
        const bool save = request.mode == FileRequest::Mode::Save;
        QFileDialog dialog(QApplication::activeWindow());
        dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        dialog.setNameFilters(request.filter.split(";;"));
        // "Data File (*.dat)" gives "dat": a name typed without its ending
        // gets the ending of the filter chosen.
        auto useSuffixOf = [&dialog](const QString& filter) {
            const int star = filter.indexOf("*.");
            if (star >= 0) dialog.setDefaultSuffix(filter.mid(star + 2).chopped(1));
        };
        useSuffixOf(request.filter.split(";;").first());
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, useSuffixOf);
        if (!request.proposedName.isEmpty()) dialog.selectFile(request.proposedName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
        return dialog.selectedFiles().first();
    };
    s.choosePrinter = [](QPrinter& printer) {
        QPrintDialog dialog(&printer, QApplication::activeWindow());
        return dialog.exec() == QDialog::Accepted;
    };
    s.hint = [](QWidget* box, const QString& text) {
        // Just below the box, so the box and its text stay readable.
        QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), text, box, QRect(), 4000);
    };
    s.runPreview = [](QPrintPreviewDialog& dialog) { dialog.exec(); };
    s.askSave = [](const QString& text) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Quorin"), text,
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                        QApplication::activeWindow());
        box.setDefaultButton(QMessageBox::Save);
        switch (box.exec()) {
            case QMessageBox::Save: return SaveAnswer::Save;
            case QMessageBox::Discard: return SaveAnswer::Discard;
            default: return SaveAnswer::Cancel;
        }
    };
    // Modal to the main window, so the rest waits while the command runs
    // and the dialog's Cancel is taken at each step.
    s.showProgress = [](QProgressDialog& dialog) {
        dialog.setWindowModality(Qt::WindowModal);
        dialog.setMinimumDuration(0);
        dialog.show();
    };
}

}  // namespace quorin
