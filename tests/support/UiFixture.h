// Screen tests: one QApplication, a fresh case record and parent window per
// test, and recording seams so no message box or modal dialog ever blocks.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QString>
#include <QStringList>
#include <QTest>

#include <functional>
#include <ostream>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "app/Program.h"
#include "core.h"
#include "shell/Form.h"
#include "shell/MDIForm1.h"
#include "shell/Seams.h"
#include "shell/Shell.h"

QT_BEGIN_NAMESPACE
// Readable failure messages for Qt texts.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '{';
    for (const QString& t : list) *os << " \"" << t.toStdString() << '"';
    *os << " }";
}
QT_END_NAMESPACE

namespace quorin::test {

QApplication& uiApp();
void destroyUiApp();

struct ShownMessage {
    QString text;
    MsgIcon icon;
};

// The hints shown: the box's name and the text.
using Hints = std::vector<std::pair<QString, QString>>;

class UiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs deferred deletions and pending events, so unloaded forms are gone.
    static void settle();

    template <class W = QWidget>
    W* control(const QString& form, const QString& name) const {
        QWidget* f = Shell::instance().find(form);
        return f ? f->findChild<W*>(name) : nullptr;
    }
    QStringList childForms() const;  // names of the MDI children, creation order
    QString menuBarText() const;     // captions of the parent's menu bar items
    // Ends the program and starts a fresh one.
    void restart() {
        TearDown();
        SetUp();
    }
    // While the modal dialog `form` runs, it is shown and active as on the
    // desktop, and `drive` acts on it. runDialog also opens it.
    void onDialog(const QString& form, const std::function<void(QDialog&)>& drive);
    void runDialog(const QString& form, const std::function<void(QDialog&)>& drive);

    // What a modal dialog does while it "runs": keyed by form name. Without
    // an entry the dialog is closed at once (rejected).
    std::map<QString, std::function<int(QDialog&)>> onModal;
    std::vector<QString> modalsShown;
    std::vector<int> previewPages;  // the pages of each print preview run
    std::vector<ShownMessage> messages;
    int beeps = 0;
    Hints hints;
    std::unique_ptr<MDIForm1> parent;
};

}  // namespace quorin::test
