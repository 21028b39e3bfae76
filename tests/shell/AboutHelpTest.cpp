// The About and Help boxes: their texts, their size, and the keys and
// buttons that close them.
#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>

#include "shell/frmAbout.h"
#include "support/FormTest.h"
#include "support/UiFixture.h"

namespace quorin::test {
namespace {

TEST(VersionText, WritesMinorAndRevisionWithoutASeparator) {
    const struct {
        int major, minor, revision;
        const char* expected;
    } rows[] = {
        {4, 0, 3, "Version 4.03"},
        {1, 0, 0, "Version 1.00"},
        {2, 10, 1, "Version 2.101"},
        {10, 2, 12, "Version 10.212"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(versionText(r.major, r.minor, r.revision), r.expected)
            << r.major << "." << r.minor << "." << r.revision;
}

// The text box shows all of its text: there is nothing to scroll to.
void expectFits(QPlainTextEdit* box) {
    EXPECT_EQ(box->verticalScrollBar()->maximum(), 0) << box->objectName().toStdString();
    EXPECT_EQ(box->horizontalScrollBar()->maximum(), 0) << box->objectName().toStdString();
}

class AboutBox : public UiTest {};

TEST_F(AboutBox, ShowsTheMakerTheProgramAndItsVersion) {
    bool looked = false;
    onModal["frmAbout"] = [&](QDialog& d) {
        d.show();
        settle();
        EXPECT_EQ(d.windowTitle(), " About ");
        EXPECT_EQ(d.minimumSize(), d.maximumSize()) << "fixed size";
        auto* name = d.findChild<QPlainTextEdit*>("txtAboutName");
        auto* about = d.findChild<QPlainTextEdit*>("txtAbout");
        auto* version = d.findChild<QLabel*>("Label1");
        auto* ok = d.findChild<QPushButton*>("cmdCancel");
        if (!name || !about || !version || !ok) {
            ADD_FAILURE() << "a control is missing";
            return 0;
        }
        const QStringList address = name->toPlainText().split('\n');
        EXPECT_EQ(address.size(), 4);
        EXPECT_EQ(address.value(0), "Quorin Dynarel Inc.");
        EXPECT_EQ(about->toPlainText(),
                  "QUORIN VORTEX FLOW METER SIZING UTILITY \n"
                  "provides the necessary calculations to \n"
                  "size a meter to a particular set of parameters.");
        EXPECT_TRUE(name->isReadOnly());
        EXPECT_TRUE(about->isReadOnly());
        expectFits(name);
        expectFits(about);
        EXPECT_EQ(version->text(), "Version 1.00");  // the project is at 1.0.0
        EXPECT_EQ(ok->text(), "OK");
        looked = true;
        return 0;
    };
    Shell::instance().showModal("frmAbout");
    EXPECT_TRUE(looked);
}

TEST_F(AboutBox, OkAndEscCloseIt) {
    const std::vector<std::pair<const char*, std::function<void(QDialog&)>>> ways = {
        {"OK", [](QDialog& d) { QTest::mouseClick(d.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton); }},
        {"Esc", [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
    };
    for (const auto& [name, close] : ways) {
        SCOPED_TRACE(name);
        QPointer<QDialog> shown;
        bool closedWhileRunning = false;
        onModal["frmAbout"] = [&](QDialog& d) {
            shown = &d;
            d.show();
            close(d);
            closedWhileRunning = !Shell::instance().isLoaded("frmAbout") && !d.isVisible();
            return 0;
        };
        Shell::instance().showModal("frmAbout");
        settle();
        EXPECT_TRUE(closedWhileRunning);
        EXPECT_TRUE(shown.isNull()) << "unloaded, so the next show loads it afresh";
    }
}

class HelpBox : public UiTest {};

TEST_F(HelpBox, ShowsTheHelpParagraphsInItsFrame) {
    bool looked = false;
    onModal["frmHelp"] = [&](QDialog& d) {
        d.show();
        settle();
        EXPECT_EQ(d.windowTitle(), " Help");
        auto* frame = d.findChild<QGroupBox*>("fraHelp");
        auto* text = d.findChild<QPlainTextEdit*>("txtHelp");
        if (!frame || !text) {
            ADD_FAILURE() << "a control is missing";
            return 0;
        }
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
        return 0;
    };
    Shell::instance().showModal("frmHelp");
    EXPECT_TRUE(looked);
}

TEST_F(HelpBox, EnterAndEscCloseItWhereverTheFocusIs) {
    const struct {
        const char* name;
        Qt::Key key;
        const char* focus;
    } rows[] = {
        {"Enter on OK", Qt::Key_Return, "cmdOK"},
        {"Enter in the text", Qt::Key_Return, "txtHelp"},
        {"keypad Enter in the text", Qt::Key_Enter, "txtHelp"},
        {"Esc on OK", Qt::Key_Escape, "cmdOK"},
        {"Esc in the text", Qt::Key_Escape, "txtHelp"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        bool closedWhileRunning = false;
        onModal["frmHelp"] = [&](QDialog& d) {
            d.show();
            QWidget* target = d.findChild<QWidget*>(row.focus);
            target->setFocus();
            QTest::keyClick(target, row.key);
            closedWhileRunning = !Shell::instance().isLoaded("frmHelp") && !d.isVisible();
            return 0;
        };
        Shell::instance().showModal("frmHelp");
        settle();
        EXPECT_TRUE(closedWhileRunning);
    }
}

TEST_F(HelpBox, AnyOtherKeyLeavesItOpen) {
    bool stillOpen = false;
    onModal["frmHelp"] = [&](QDialog& d) {
        d.show();
        QTest::keyClick(d.findChild<QWidget*>("txtHelp"), Qt::Key_A);
        QTest::keyClick(d.findChild<QWidget*>("txtHelp"), Qt::Key_Down);
        stillOpen = Shell::instance().isLoaded("frmHelp") && d.isVisible();
        return 0;
    };
    Shell::instance().showModal("frmHelp");
    EXPECT_TRUE(stillOpen);
}

// Help and About on the menu bar of the gas/steam input screen show their
// boxes modally over it; the screen stays as it was.
class FromTheGasScreen : public FormTest {
protected:
    FromTheGasScreen() : FormTest("frmInputScrn", "frmResults") {}
};

TEST_F(FromTheGasScreen, HelpAndAboutShowTheirBoxesModally) {
    const struct {
        const char* item;
        const char* dialog;
        const char* title;
    } rows[] = {{"mnuHelp", "frmHelp", " Help"}, {"mnuAbout", "frmAbout", " About "}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.item);
        modalsShown.clear();
        QAction* item = nullptr;
        for (QAction* a : parent->menuBar()->actions())
            if (a->objectName() == r.item) item = a;
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->menu(), nullptr) << "a command of the menu bar itself";
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
