// The About and Help boxes: their texts fit, the version, and the keys and
// buttons that close them.
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>

#include "shell/frmAbout.h"
#include "support/FormTest.h"

namespace quorin::test {
namespace {

TEST(VersionText, WritesMinorAndRevisionWithoutASeparator) {
    const struct { int major, minor, revision; const char* expected; } rows[] = {
        {4, 0, 3, "Version 4.03"}, {2, 10, 1, "Version 2.101"}, {10, 2, 12, "Version 10.212"}};
    for (const auto& r : rows)
        EXPECT_EQ(versionText(r.major, r.minor, r.revision), r.expected) << r.major << "." << r.minor << "." << r.revision;
}

class Boxes : public UiTest {};

// Each box shows all of its read-only texts, with nothing to scroll to;
// About has a fixed size and the project's version (1.0.0).
TEST_F(Boxes, ShowTheirWholeTextsReadOnly) {
    const struct { const char* form; std::vector<const char*> texts; } rows[] = {
        {"frmAbout", {"txtAboutName", "txtAbout"}}, {"frmHelp", {"txtHelp"}}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.form);
        bool looked = false;
        runDialog(r.form, [&](QDialog& d) {
            for (const char* name : r.texts) {
                auto* box = d.findChild<QPlainTextEdit*>(name);
                ASSERT_NE(box, nullptr) << name;
                EXPECT_TRUE(box->isReadOnly() && !box->toPlainText().isEmpty()) << name;
                EXPECT_EQ(box->verticalScrollBar()->maximum(), 0) << name;
                EXPECT_EQ(box->horizontalScrollBar()->maximum(), 0) << name;
            }
            looked = true;
        });
        EXPECT_TRUE(looked);
    }
    runDialog("frmAbout", [](QDialog& d) {
        EXPECT_EQ(d.minimumSize(), d.maximumSize());
        EXPECT_EQ(d.findChild<QLabel*>("Label1")->text(), "Version 1.00");
    });
    runDialog("frmHelp", [](QDialog& d) {
        EXPECT_TRUE(d.findChild<QGroupBox*>("fraHelp")->isAncestorOf(d.findChild<QWidget*>("txtHelp")));
    });
}

// OK and Esc close About; Enter and Esc close Help wherever the focus is, and
// any other key leaves it open. A closed box is unloaded, so the next show
// loads it afresh.
TEST_F(Boxes, TheKeysAndButtonsThatCloseThem) {
    const struct { const char* form; const char* focus; Qt::Key key; bool closes; } rows[] = {
        {"frmAbout", "cmdCancel", Qt::Key(0), true},  // a click on OK
        {"frmAbout", "cmdCancel", Qt::Key_Escape, true},
        {"frmHelp", "cmdOK", Qt::Key_Return, true},
        {"frmHelp", "txtHelp", Qt::Key_Return, true},
        {"frmHelp", "txtHelp", Qt::Key_Enter, true},  // keypad Enter
        {"frmHelp", "cmdOK", Qt::Key_Escape, true},
        {"frmHelp", "txtHelp", Qt::Key_Escape, true},
        {"frmHelp", "txtHelp", Qt::Key_A, false},
        {"frmHelp", "txtHelp", Qt::Key_Down, false}};
    for (const auto& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.form << ", key " << r.key << " on " << r.focus);
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

// Help and About on the menu bar of the gas/steam input screen are commands
// of the bar itself and show their boxes modally over it; the screen stays.
class FromTheGasScreen : public FormTest {
protected:
    FromTheGasScreen() : FormTest("frmInputScrn", "frmResults") {}
};

TEST_F(FromTheGasScreen, HelpAndAboutShowTheirBoxesModally) {
    for (const char* dialog : {"frmHelp", "frmAbout"}) {
        SCOPED_TRACE(dialog);
        modalsShown.clear();
        const QString itemName = dialog == std::string("frmHelp") ? "mnuHelp" : "mnuAbout";
        QAction* item = nullptr;
        for (QAction* a : parent->menuBar()->actions())
            if (a->objectName() == itemName) item = a;
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->menu(), nullptr);
        bool inputStillOpen = false;
        onModal[dialog] = [&](QDialog&) {
            inputStillOpen = Shell::instance().isLoaded("frmInputScrn");
            return 0;
        };
        item->trigger();
        settle();
        EXPECT_EQ(modalsShown, std::vector<QString>{dialog});
        EXPECT_TRUE(inputStillOpen);
        EXPECT_EQ(childForms(), QStringList{"frmInputScrn"});
    }
}

}  // namespace
}  // namespace quorin::test
