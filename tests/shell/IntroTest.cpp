// The intro screen: what start-up shows, the buttons over the picture,
// choosing a workflow and leaving the program.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>

#include "shell/Controls.h"
#include "shell/IntroPictures.h"
#include "support/UiFixture.h"

namespace quorin::test {
namespace {

class Intro : public UiTest {
public:
    QWidget* intro() const { return Shell::instance().find("frmINTRO"); }
    QMdiSubWindow* introWindow() const { return parent->mdiArea()->subWindowList().value(0); }
    QPushButton* button(const char* name) const { return control<QPushButton>("frmINTRO", name); }
    QAction* introAction(const char* name) const { return control<QAction>("frmINTRO", name); }
    void openFromTheParentMenu() {
        parent->findChild<QMenu*>("mnuFile", Qt::FindDirectChildrenOnly)->findChild<QAction*>("mnuOpen")->trigger();
        settle();
    }
};

// Start-up shows one intro screen, active, with Gas/Steam focused and the
// averaging-tube entry points only in a build that shows them; Open while
// it is shown keeps that one; closing it leaves the parent's own menus, and
// Open brings a fresh one back with the intro's menus.
TEST_F(Intro, StartUpShowsOneIntroScreenAndOpenBringsItBack) {
    EXPECT_EQ(parent->mdiArea()->activeSubWindow(), introWindow());
    EXPECT_EQ(intro()->focusWidget(), button("cmdGasSteam"));
    EXPECT_EQ(std::tuple(button("cmdNorvane")->isVisible(), introAction("mnuNorvane")->isVisible()),
              std::tuple(kShowNorvane, kShowNorvane));
    const QString introMenus = menuBarText();
    QPointer<QWidget> first = intro();
    openFromTheParentMenu();
    EXPECT_EQ(std::tuple(childForms(), intro()), std::tuple(QStringList{"frmINTRO"}, first.data()));
    introWindow()->close();
    settle();
    EXPECT_TRUE(first.isNull() && childForms().isEmpty());
    EXPECT_EQ(menuBarText(), "File|About");
    openFromTheParentMenu();
    EXPECT_EQ(std::tuple(childForms(), menuBarText()), std::tuple(QStringList{"frmINTRO"}, introMenus));
}

// Start-up paints the pictures on a worker thread; whichever screen asks
// first waits for them, and every intro screen shows the same drawings.
TEST_F(Intro, PicturesPaintedOnTheWorkerAreTheOnesShown) {
    startPaintingIntroPictures();
    const QImage banner = drawIntroBanner().toImage();
    EXPECT_EQ(banner.size(), kBannerSize);
    EXPECT_NE(banner.pixel(2, 2), banner.pixel(40, 60)) << "the banner is painted, not left blank";
    startPaintingIntroPictures();
    EXPECT_EQ(drawIntroBanner().toImage(), banner);
    EXPECT_EQ(control<QLabel>("frmINTRO", "Image1")->pixmap().toImage(), drawIntroMeter().toImage());
}

// The picture keeps its proportions below the banner, and the buttons keep
// their places on its diagonal, in a screen narrower than its natural size.
TEST_F(Intro, ButtonsStayOnTheDiagonalOfThePicture) {
    introWindow()->resize(520, 700);
    settle();
    const QRect picture = control<QLabel>("frmINTRO", "Image1")->geometry();
    EXPECT_TRUE(intro()->rect().contains(picture));
    EXPECT_NEAR(double(picture.width()) / picture.height(), 641.0 / 277, 0.02);
    for (const auto& [name, across, down] : {std::tuple{"cmdGasSteam", 0.2, 0.25}, {"cmdLiquid", 0.5, 0.5}, {"cmdQuit", 0.8, 0.75}}) {
        const QPointF centre = QRectF(button(name)->geometry()).center();
        EXPECT_NEAR(centre.x(), picture.x() + across * picture.width(), 1.0) << name;
        EXPECT_NEAR(centre.y(), picture.y() + down * picture.height(), 1.0) << name;
    }
}

// Exit, by the button or by Ctrl+X, ends the program with no window left and
// no question.
class IntroExit : public Intro, public ::testing::WithParamInterface<std::string> {};

TEST_P(IntroExit, EndsTheProgram) {
    const std::string way = GetParam();
    if (way == "ExitButton") QTest::mouseClick(button("cmdQuit"), Qt::LeftButton);
    else QTest::keyClick(parent.get(), Qt::Key_X, Qt::ControlModifier);
    settle();
    EXPECT_TRUE(Shell::instance().exiting() && Shell::instance().loadedForms().isEmpty());
    EXPECT_FALSE(parent->isVisible());
    EXPECT_TRUE(messages.empty() && modalsShown.empty());
}

INSTANTIATE_TEST_SUITE_P(Ways, IntroExit, ::testing::Values("ExitButton", "CtrlX"));

// About opens its box over the intro; Enter on the screen presses Liquid.
TEST_F(Intro, AboutAndEnter) {
    introAction("mnuAbout")->trigger();
    settle();
    EXPECT_EQ(std::tuple(modalsShown, childForms()), std::tuple(std::vector<QString>{"frmAbout"}, QStringList{"frmINTRO"}));
    intro()->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(intro(), Qt::Key_Return);
    settle();
    EXPECT_EQ(std::tuple(childForms(), shared().SizingType), std::tuple(QStringList{"frmLqdInput"}, std::string("LIQUID")));
}

// A button or menu item unloads the intro, records the workflow and opens
// its input screen, which fills the parent and brings its menus. The
// averaging-tube entry points work whether the build shows them or not (a
// hidden button is pressed directly).
struct Workflow { const char *way, *sizingType, *inputForm; };
class ChoosingAWorkflow : public Intro, public ::testing::WithParamInterface<Workflow> {};

TEST_P(ChoosingAWorkflow, OpensItsInputScreen) {
    const Workflow& c = GetParam();
    shared().SizingType = "ALL LIQUID";
    if (c.way[0] == 'm') introAction(c.way)->trigger();
    else if (button(c.way)->isVisible()) QTest::mouseClick(button(c.way), Qt::LeftButton);
    else button(c.way)->click();
    settle();
    EXPECT_EQ(shared().SizingType, c.sizingType);
    ASSERT_EQ(childForms(), QStringList{c.inputForm});
    EXPECT_EQ(parent->mdiArea()->subWindowList().first()->geometry(), parent->mdiArea()->viewport()->rect());
    EXPECT_EQ(parent->menuBar()->actions(), dynamic_cast<Form*>(Shell::instance().find(c.inputForm))->menuBarItems());
}

INSTANTIATE_TEST_SUITE_P(ByButtonOrMenu, ChoosingAWorkflow,
                         ::testing::Values(Workflow{"cmdGasSteam", "GAS", "frmInputScrn"}, Workflow{"mnuGasSteam", "GAS", "frmInputScrn"},
                                           Workflow{"cmdLiquid", "LIQUID", "frmLqdInput"}, Workflow{"mnuLiquid", "LIQUID", "frmLqdInput"},
                                           Workflow{"cmdNorvane", "NORVANE", "frmNorvaneInput"},
                                           Workflow{"mnuNorvane", "NORVANE", "frmNorvaneInput"}),
                         [](const auto& info) { return std::string(info.param.way); });

}  // namespace
}  // namespace quorin::test
