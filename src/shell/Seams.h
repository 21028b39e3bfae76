// Everything modal or audible that a screen asks for goes through these
// seams: the program installs the real message box, beep and dialog loop;
// screen tests install recording ones so nothing ever blocks.
#pragma once

#include <QString>

#include <functional>

class QDialog;
class QPrintPreviewDialog;
class QPrinter;
class QProgressDialog;
class QWidget;

namespace quorin {

enum class MsgIcon { None, Information, Exclamation };

// What a file dialog asks for. The filter is one entry, e.g.
// "Data File (*.dat)", or several separated by ";;" (a name typed without
// an ending then gets the ending of the entry chosen); a save dialog asks
// before replacing a file and proposes `proposedName` when there is one.
struct FileRequest {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    QString filter;
    QString proposedName;
};

// The answers to "save the changes?".
enum class SaveAnswer { Save, Discard, Cancel };

struct Seams {
    // Plain message box with an OK button and the program's title.
    std::function<void(const QString& text, MsgIcon icon)> message;
    // The system beep.
    std::function<void()> beep;
    // Runs a modal dialog until it is closed; returns its result code.
    std::function<int(QDialog& dialog)> runModal;
    // The file dialog; returns the chosen path, or an empty text when the
    // user cancelled.
    std::function<QString(const FileRequest& request)> chooseFile;
    // The print dialog over `printer`; false when the user cancelled.
    std::function<bool(QPrinter& printer)> choosePrinter;
    // A short note shown for a few seconds at `box`, such as why its entry
    // was refused.
    std::function<void(QWidget* box, const QString& text)> hint;
    // Runs the print preview until it is closed (it paints its pages when
    // shown, and again on each print from it).
    std::function<void(QPrintPreviewDialog& dialog)> runPreview;
    // Asks whether to save unsaved changes before they are closed; `text`
    // says what holds them.
    std::function<SaveAnswer(const QString& text)> askSave;
    // Shows the progress dialog of a long command. The command goes on
    // while it shows: it updates the dialog and stops when it is cancelled.
    std::function<void(QProgressDialog& dialog)> showProgress;
};

Seams& seams();

// Installs the real message box, beep and modal loop.
void installDesktopSeams();

}  // namespace quorin
