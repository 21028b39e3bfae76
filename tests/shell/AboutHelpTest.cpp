// The About and Help boxes: their texts, the version, and the button and key
// that close them.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>

#include "shell/frmAbout.h"
#include "support/UiFixture.h"

namespace quorin::test {
namespace {

TEST(VersionText, WritesMinorAndRevisionWithoutASeparator) {
    EXPECT_EQ(versionText(4, 0, 3), "Version 4.03");
    EXPECT_EQ(versionText(2, 10, 1), "Version 2.101");
}

class Boxes : public UiTest {};

// Each box shows its read-only texts; About has the program's version
// (1.0.0).
TEST_F(Boxes, ShowTheirTextsReadOnly) {
    for (const char* form : {"frmAbout", "frmHelp"})
        runDialog(form, [form](QDialog& d) {
            for (auto* box : d.findChildren<QPlainTextEdit*>())
                EXPECT_TRUE(box->isReadOnly() && !box->toPlainText().isEmpty());
            EXPECT_EQ(d.findChildren<QPlainTextEdit*>().size(), form[3] == 'A' ? 2 : 1);
            if (form[3] == 'A') {
                EXPECT_EQ(d.findChild<QLabel*>("Label1")->text(), "Version 1.00");
            }
        });
}

// OK closes About; Enter closes Help with the focus in its text. A closed box
// is unloaded.
TEST_F(Boxes, OkClosesAboutAndEnterClosesHelp) {
    const struct { const char *form, *focus; Qt::Key key; } rows[] = {
        {"frmAbout", "cmdCancel", Qt::Key(0)},  // a click on OK
        {"frmHelp", "txtHelp", Qt::Key_Return}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.form);
        QPointer<QDialog> shown;
        runDialog(r.form, [&](QDialog& d) {
            shown = &d;
            QWidget* target = d.findChild<QWidget*>(r.focus);
            target->setFocus();
            if (r.key) QTest::keyClick(target, r.key);
            else QTest::mouseClick(target, Qt::LeftButton);
            EXPECT_FALSE(Shell::instance().isLoaded(r.form) || d.isVisible());
        });
        EXPECT_TRUE(shown.isNull());
    }
}

}  // namespace
}  // namespace quorin::test
