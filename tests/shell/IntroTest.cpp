// The intro screen: what start-up shows, the buttons over the picture,
// choosing a workflow and leaving the program.
#include <QLabel>
#include <QMenu>
#include <QPointer>

#include "shell/Controls.h"
#include "shell/IntroPictures.h"
#include "support/FormTest.h"

namespace quorin::test {
namespace {

class Intro : public UiTest {
public:
    QWidget* intro() const { return Shell::instance().find("frmINTRO"); }
    QMdiSubWindow* introWindow() const { return parent->mdiArea()->subWindowList().value(0); }
    QPushButton* button(const char* name) const { return control<QPushButton>("frmINTRO", name); }
    QAction* introAction(const char* name) const { return control<QAction>("frmINTRO", name); }
    // The parent's own menu is its direct child, found before the intro's.
    void openFromTheParentMenu() {
        parent->findChild<QMenu*>("mnuFile")->findChild<QAction*>("mnuOpen")->trigger();
        settle();
    }
};

// Start-up shows one intro screen, active, with Gas/Steam focused and the
// averaging-tube entry points only in a build that shows them; Open while
// it is shown keeps that one; closing it leaves the parent's own menus, and
// Open brings a fresh one back with the intro's menus. About opens its box
// over the intro.
TEST_F(Intro, StartUpShowsOneIntroScreenAndOpenBringsItBack) {
    EXPECT_EQ(intro()->focusWidget(), button("cmdGasSteam"));
    EXPECT_TRUE(button("cmdNorvane")->isVisible() == kShowNorvane &&
                introAction("mnuNorvane")->isVisible() == kShowNorvane);
    const QString introMenus = menuBarText();
    QPointer<QWidget> first = intro();
    openFromTheParentMenu();
    EXPECT_EQ(std::tuple(childForms(), intro()), std::tuple(QStringList{"frmINTRO"}, first.data()));
    introWindow()->close();
    settle();
    EXPECT_EQ(std::tuple(first.isNull(), childForms(), menuBarText()),
              std::tuple(true, QStringList{}, "File|About"));
    openFromTheParentMenu();
    EXPECT_EQ(std::tuple(childForms(), menuBarText()), std::tuple(QStringList{"frmINTRO"}, introMenus));

    introAction("mnuAbout")->trigger();
    EXPECT_EQ(modalsShown, std::vector<QString>{"frmAbout"});
}

// Start-up paints the pictures on a worker thread; whichever screen asks
// first waits for them, and every intro screen shows the same drawings.
TEST_F(Intro, ThePicturesPaintedOnTheWorkerAreTheOnesShown) {
    startPaintingIntroPictures();
    const QImage banner = drawIntroBanner().toImage();
    EXPECT_TRUE(banner.size() == kBannerSize && banner.pixel(2, 2) != banner.pixel(40, 60))
        << "painted, not blank";
    EXPECT_EQ(control<QLabel>("frmINTRO", "Image1")->pixmap().toImage(), drawIntroMeter().toImage());
}

// Exit, by the button or by Ctrl+X, ends the program (a fresh one each way)
// with no window left and no question.
TEST_F(Intro, ExitEndsTheProgram) {
    for (const bool byButton : {true, false}) {
        if (!byButton) restart();
        if (byButton) QTest::mouseClick(button("cmdQuit"), Qt::LeftButton);
        else QTest::keyClick(parent.get(), Qt::Key_X, Qt::ControlModifier);
        settle();
        EXPECT_TRUE(Shell::instance().exiting() && Shell::instance().loadedForms().isEmpty() &&
                    !parent->isVisible() && messages.empty()) << byButton;
    }
}

// A button or menu item unloads the intro, records the workflow and opens
// its input screen. The averaging-tube entry points work whether the build
// shows them or not (a hidden button is pressed directly). A fresh program
// for each.
TEST_F(Intro, EachWorkflowOpensItsInputScreen) {
    const struct { const char *way, *sizingType, *inputForm; } rows[] = {
        {"cmdGasSteam", "GAS", "frmInputScrn"},
        {"mnuGasSteam", "GAS", "frmInputScrn"},
        {"cmdLiquid", "LIQUID", "frmLqdInput"},
        {"mnuLiquid", "LIQUID", "frmLqdInput"},
        {"cmdNorvane", "NORVANE", "frmNorvaneInput"},
        {"mnuNorvane", "NORVANE", "frmNorvaneInput"}};
    for (const auto& c : rows) {
        SCOPED_TRACE(c.way);
        if (&c != rows) restart();
        shared().SizingType = "ALL LIQUID";
        if (c.way[0] == 'm') introAction(c.way)->trigger();
        else if (button(c.way)->isVisible()) QTest::mouseClick(button(c.way), Qt::LeftButton);
        else button(c.way)->click();
        settle();
        ASSERT_EQ(std::tuple(shared().SizingType, childForms()),
                  std::tuple(std::string(c.sizingType), QStringList{c.inputForm}));
    }
}

}  // namespace
}  // namespace quorin::test
