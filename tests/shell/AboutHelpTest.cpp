// The About and Help boxes: their texts fit, the version, and the keys and
// buttons that close them.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>

#include "shell/frmAbout.h"
#include "support/UiFixture.h"

namespace quorin::test {
namespace {

TEST(VersionText, WritesMinorAndRevisionWithoutASeparator) {
    EXPECT_EQ(versionText(4, 0, 3), "Version 4.03");
    EXPECT_EQ(versionText(2, 10, 1), "Version 2.101");
}

class Boxes : public UiTest {};

// Each box shows all of its read-only texts, with nothing to scroll to;
// About has a fixed size and the program's version (1.0.0).
TEST_F(Boxes, ShowTheirWholeTextsReadOnly) {
    for (const char* form : {"frmAbout", "frmHelp"})
        runDialog(form, [form](QDialog& d) {
            for (auto* box : d.findChildren<QPlainTextEdit*>()) {
                SCOPED_TRACE(box->objectName().toStdString());
                EXPECT_TRUE(box->isReadOnly() && !box->toPlainText().isEmpty());
                EXPECT_EQ(box->verticalScrollBar()->maximum() + box->horizontalScrollBar()->maximum(), 0);
            }
            EXPECT_EQ(d.findChildren<QPlainTextEdit*>().size(), form[3] == 'A' ? 2 : 1);
            if (form[3] == 'A') {
                EXPECT_EQ(d.minimumSize(), d.maximumSize());
                EXPECT_EQ(d.findChild<QLabel*>("Label1")->text(), "Version 1.00");
            }
        });
}

// OK and Esc close About; Enter and Esc close Help wherever the focus is,
// and another key leaves it open. A closed box is unloaded.
TEST_F(Boxes, TheKeysAndButtonsThatCloseThem) {
    const struct { const char *form, *focus; Qt::Key key; bool closes; } rows[] = {
        {"frmAbout", "cmdCancel", Qt::Key(0), true},  // a click on OK
        {"frmAbout", "cmdCancel", Qt::Key_Escape, true},
        {"frmHelp", "txtHelp", Qt::Key_Return, true},
        {"frmHelp", "txtHelp", Qt::Key_Escape, true},
        {"frmHelp", "txtHelp", Qt::Key_A, false}};
    for (const auto& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.form << ", key " << r.key);
        QPointer<QDialog> shown;
        bool closedWhileRunning = false;
        runDialog(r.form, [&](QDialog& d) {
            shown = &d;
            QWidget* target = d.findChild<QWidget*>(r.focus);
            target->setFocus();
            if (r.key) QTest::keyClick(target, r.key);
            else QTest::mouseClick(target, Qt::LeftButton);
            closedWhileRunning = !Shell::instance().isLoaded(r.form) && !d.isVisible();
        });
        EXPECT_EQ(closedWhileRunning, r.closes);
        EXPECT_TRUE(shown.isNull());
    }
}

}  // namespace
}  // namespace quorin::test
