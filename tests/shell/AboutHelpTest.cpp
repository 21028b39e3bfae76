// The About and Help boxes: their texts, their size, and the keys and
// buttons that close them.
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
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
        {4, 0, 3, "Version 4.03"}, {1, 0, 0, "Version 1.00"}, {2, 10, 1, "Version 2.101"}, {10, 2, 12, "Version 10.212"}};
    for (const auto& r : rows)
        EXPECT_EQ(versionText(r.major, r.minor, r.revision), r.expected) << r.major << "." << r.minor << "." << r.revision;
}

// The text box shows all of its text: there is nothing to scroll to.
void expectFits(QPlainTextEdit* box) {
    EXPECT_EQ(box->verticalScrollBar()->maximum(), 0) << box->objectName().toStdString();
    EXPECT_EQ(box->horizontalScrollBar()->maximum(), 0) << box->objectName().toStdString();
}

class Boxes : public UiTest {};

TEST_F(Boxes, AboutShowsTheMakerTheProgramAndItsVersion) {
    bool looked = false;
    runDialog("frmAbout", [&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), " About ");
        EXPECT_EQ(d.minimumSize(), d.maximumSize()) << "fixed size";
        auto* name = d.findChild<QPlainTextEdit*>("txtAboutName");
        auto* about = d.findChild<QPlainTextEdit*>("txtAbout");
        auto* version = d.findChild<QLabel*>("Label1");
        auto* ok = d.findChild<QPushButton*>("cmdCancel");
        ASSERT_TRUE(name && about && version && ok);
        const QStringList address = name->toPlainText().split('\n');
        EXPECT_EQ(address.size(), 4);
        EXPECT_EQ(address.value(0), "Quorin Dynarel Inc.");
        EXPECT_EQ(about->toPlainText(),
                  "QUORIN VORTEX FLOW METER SIZING UTILITY \n"
                  "provides the necessary calculations to \n"
                  "size a meter to a particular set of parameters.");
        EXPECT_TRUE(name->isReadOnly() && about->isReadOnly());
        expectFits(name);
        expectFits(about);
        EXPECT_EQ(version->text(), "Version 1.00");  // the project is at 1.0.0
        EXPECT_EQ(ok->text(), "OK");
        looked = true;
    });
    EXPECT_TRUE(looked);
}

TEST_F(Boxes, HelpShowsTheHelpParagraphsInItsFrame) {
    bool looked = false;
    runDialog("frmHelp", [&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), " Help");
        auto* frame = d.findChild<QGroupBox*>("fraHelp");
        auto* text = d.findChild<QPlainTextEdit*>("txtHelp");
        ASSERT_TRUE(frame && text);
        EXPECT_TRUE(frame->isAncestorOf(text));
        EXPECT_TRUE(text->isReadOnly());
        EXPECT_EQ(text->toPlainText(),
                  "Enter text or numbers into boxes then press Enter.\n"
                  "\n"
                  "Select item from boxes, then press Enter.\n"
                  "\n"
                  "Standard Ranges for Vortex Meters are found under Tools Menu\n"
                  "\n"
                  "The Gas/Steam Section has a steam table under Tools Menu\n"
                  "\n"
                  "The Vortex Meter Save option for the Input screen is for recall \n"
                  "to the Input screen.\n"
                  "\n"
                  "The Vortex Meter Save option for the Results screen creates a \n"
                  "text file for electronic transfer.");
        expectFits(text);
        EXPECT_EQ(d.findChild<QPushButton*>("cmdOK")->text(), "&OK");
        looked = true;
    });
    EXPECT_TRUE(looked);
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
    const struct { const char* item; const char* dialog; const char* title; } rows[] = {
        {"mnuHelp", "frmHelp", " Help"}, {"mnuAbout", "frmAbout", " About "}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.item);
        modalsShown.clear();
        QAction* item = nullptr;
        for (QAction* a : parent->menuBar()->actions())
            if (a->objectName() == r.item) item = a;
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->menu(), nullptr);
        QString title;
        bool inputStillOpen = false;
        onModal[r.dialog] = [&](QDialog& d) {
            title = d.windowTitle();
            inputStillOpen = Shell::instance().isLoaded("frmInputScrn");
            return 0;
        };
        item->trigger();
        settle();
        EXPECT_EQ(modalsShown, std::vector<QString>{r.dialog});
        EXPECT_EQ(title, r.title);
        EXPECT_TRUE(inputStillOpen);
        EXPECT_FALSE(Shell::instance().isLoaded(r.dialog));
        EXPECT_EQ(childForms(), QStringList{"frmInputScrn"});
    }
}

}  // namespace
}  // namespace quorin::test
