// The intro screen: what start-up shows, the buttons and their layout over
// the picture, the menus, choosing a workflow and leaving the program.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>

#include <ostream>

#include "shell/IntroPictures.h"
#include "support/UiFixture.h"

namespace quorin::test {
namespace {

class Intro : public UiTest {
public:
    QWidget* intro() const { return Shell::instance().find("frmINTRO"); }
    QMdiSubWindow* introWindow() const {
        for (QMdiSubWindow* w : parent->mdiArea()->subWindowList())
            if (w->widget() == intro()) return w;
        return nullptr;
    }
    QPushButton* button(const char* name) const { return control<QPushButton>("frmINTRO", name); }
    QAction* introAction(const char* name) const { return control<QAction>("frmINTRO", name); }
    QAction* parentAction(const char* name) const {
        auto* file = parent->findChild<QMenu*>("mnuFile", Qt::FindDirectChildrenOnly);
        return file ? file->findChild<QAction*>(name) : nullptr;
    }
    // Captions of the menu-bar items the user can see.
    QString visibleMenuBar() const {
        QStringList captions;
        for (QAction* a : parent->menuBar()->actions())
            if (a->isVisible()) captions << a->text();
        return captions.join('|');
    }
};

TEST_F(Intro, StartUpShowsTheParentWithOneIntroScreenInside) {
    EXPECT_TRUE(parent->isVisible());
    EXPECT_EQ(parent->windowTitle(), " QUORIN VORTEX SIZING PROGRAM");
    EXPECT_EQ(parent->objectName(), "MDIForm1");
    EXPECT_EQ(childForms(), QStringList{"frmINTRO"});
    EXPECT_EQ(Shell::instance().loadedForms(), QStringList{"frmINTRO"});
    ASSERT_NE(intro(), nullptr);
    EXPECT_EQ(intro()->windowTitle(), " QUORIN SIZING UTILITY");
    EXPECT_EQ(parent->mdiArea()->activeSubWindow(), introWindow());
    EXPECT_EQ(intro()->focusWidget(), button("cmdGasSteam"));
    EXPECT_EQ(shared().SizingType, "");
}

TEST_F(Intro, OpenWhileTheIntroIsShownKeepsTheSameSingleIntro) {
    QPointer<QWidget> first = intro();
    parentAction("mnuOpen")->trigger();
    parentAction("mnuOpen")->trigger();
    settle();
    EXPECT_EQ(childForms(), QStringList{"frmINTRO"});
    EXPECT_EQ(intro(), first.data());
}

TEST_F(Intro, TitleBarCloseUnloadsItAndOpenBringsAFreshOneBack) {
    const QString introMenus =
        QUORIN_SHOW_NORVANE ? "File|Gas/Steam|Liquid|Norvane|About" : "File|Gas/Steam|Liquid|About";
    EXPECT_EQ(visibleMenuBar(), introMenus);
    QPointer<QWidget> first = intro();
    introWindow()->close();
    settle();
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(childForms().isEmpty());
    EXPECT_EQ(visibleMenuBar(), "File|About");  // the parent's own menus

    parentAction("mnuOpen")->trigger();
    settle();
    EXPECT_EQ(childForms(), QStringList{"frmINTRO"});
    EXPECT_EQ(visibleMenuBar(), introMenus);
}

TEST_F(Intro, ButtonsCarryTheirCaptionsTipsAndStates) {
    const struct {
        const char* name;
        const char* caption;
        const char* toolTip;
        bool visible, enabled;
    } rows[] = {
        {"cmdGasSteam", "&Gas/Steam", "Press to perform sizing on Vortex air/gas/steam meters", true,
         true},
        {"cmdLiquid", "&Liquid", "Press to perform sizing on Vortex liquid meters", true, true},
        {"cmdNorvane", "&Norvane", "Press to perfrom sizing on Norvanes", QUORIN_SHOW_NORVANE != 0,
         true},
        {"cmdQuit", "E&XIT", "Press to Quit this applicaiton", true, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QPushButton* b = button(row.name);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), row.caption);
        EXPECT_EQ(b->toolTip(), row.toolTip);
        EXPECT_EQ(b->isVisible(), row.visible);
        EXPECT_EQ(b->isEnabled(), row.enabled);
    }
    EXPECT_TRUE(button("cmdLiquid")->isDefault());
}

TEST_F(Intro, TabGoesGasSteamLiquidNorvaneExitAndTheMenusAreFileGasSteamLiquidAbout) {
    QStringList order;
    QWidget* w = button("cmdGasSteam");
    do {
        if (qobject_cast<QPushButton*>(w)) order << w->objectName();
        w = w->nextInFocusChain();
    } while (w != button("cmdGasSteam") && order.size() < 10);
    EXPECT_EQ(order, (QStringList{"cmdGasSteam", "cmdLiquid", "cmdNorvane", "cmdQuit"}));
    const QString norvane = QUORIN_SHOW_NORVANE ? "enabled|shown" : "disabled|hidden";
    EXPECT_EQ(menuRows(), (QStringList{"mnuFile|File||enabled|shown", "mnuExit|Exit|Ctrl+X|enabled|shown",
                                       "mnuGasSteam|Gas/Steam||enabled|shown", "mnuLiquid|Liquid||enabled|shown",
                                       "mnuNorvane|Norvane||" + norvane, "mnuAbout|About||enabled|shown"}));
}

// Start-up paints the pictures on a worker thread; whichever screen asks
// first waits for them, and every intro screen shows the same drawings.
TEST_F(Intro, PicturesPaintedOnTheWorkerAreTheOnesShown) {
    startPaintingIntroPictures();
    const QImage banner = drawIntroBanner().toImage();
    const QImage meter = drawIntroMeter().toImage();
    EXPECT_EQ(banner.size(), kBannerSize);
    EXPECT_EQ(meter.size(), kMeterDrawingSize);
    EXPECT_NE(banner.pixel(2, 2), banner.pixel(40, 60)) << "the banner is painted, not left blank";
    startPaintingIntroPictures();
    EXPECT_EQ(drawIntroBanner().toImage(), banner);
    EXPECT_EQ(control<QLabel>("frmINTRO", "Image1")->pixmap().toImage(), meter);
}

TEST_F(Intro, ButtonsStayOnTheDiagonalOfThePictureWhateverTheSize) {
    const QSize sizes[] = {{1000, 720}, {700, 420}, {520, 700}};
    QSize lastPicture;
    for (const QSize& size : sizes) {
        SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
        introWindow()->resize(size);
        settle();
        const QRect picture = control<QLabel>("frmINTRO", "Image1")->geometry();
        const QRect banner = control<QLabel>("frmINTRO", "Image3")->geometry();
        EXPECT_NE(picture.size(), lastPicture) << "the picture follows the screen's size";
        lastPicture = picture.size();
        EXPECT_TRUE(intro()->rect().contains(picture));
        EXPECT_NEAR(double(picture.width()) / picture.height(), 641.0 / 277, 0.02);
        EXPECT_LE(banner.bottom(), picture.top());

        const struct {
            const char* name;
            double across, down;
        } places[] = {{"cmdGasSteam", 0.2, 0.25}, {"cmdLiquid", 0.5, 0.5}, {"cmdQuit", 0.8, 0.75}};
        for (const auto& p : places) {
            SCOPED_TRACE(p.name);
            const QRect b = button(p.name)->geometry();
            EXPECT_EQ(b.size(), button("cmdGasSteam")->size());
            EXPECT_NEAR(b.x() + b.width() / 2.0, picture.x() + p.across * picture.width(), 1.0);
            EXPECT_NEAR(b.y() + b.height() / 2.0, picture.y() + p.down * picture.height(), 1.0);
        }
    }
}

// Every way of leaving ends the program with no window left and no question;
// the parent's title bar does so with several windows open.
class IntroExit : public Intro, public ::testing::WithParamInterface<const char*> {};

TEST_P(IntroExit, EndsTheProgram) {
    const std::string way = GetParam();
    if (way == "ExitButton") QTest::mouseClick(button("cmdQuit"), Qt::LeftButton);
    if (way == "EnterOnExit") {
        button("cmdQuit")->setFocus();
        QTest::keyClick(button("cmdQuit"), Qt::Key_Return);
    }
    if (way == "FileExit") introAction("mnuExit")->trigger();
    if (way == "CtrlX") QTest::keyClick(parent.get(), Qt::Key_X, Qt::ControlModifier);
    if (way == "ParentTitleBar") {
        QTest::mouseClick(button("cmdGasSteam"), Qt::LeftButton);
        settle();
        control<QPushButton>("frmInputScrn", "cmdCalcFlow")->click();
        settle();
        ASSERT_EQ(childForms(), (QStringList{"frmInputScrn", "frmResults"}));
        parent->close();
    }
    settle();
    EXPECT_TRUE(Shell::instance().exiting());
    EXPECT_TRUE(Shell::instance().loadedForms().isEmpty());
    EXPECT_TRUE(parent->mdiArea()->subWindowList().isEmpty());
    EXPECT_FALSE(parent->isVisible());
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(modalsShown.empty());
}

INSTANTIATE_TEST_SUITE_P(Ways, IntroExit,
                         ::testing::Values("ExitButton", "EnterOnExit", "FileExit", "CtrlX", "ParentTitleBar"));

TEST_F(Intro, EnterOnTheScreenPressesLiquid) {
    intro()->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(intro(), Qt::Key_Return);
    settle();
    EXPECT_EQ(childForms(), QStringList{"frmLqdInput"});
    EXPECT_EQ(shared().SizingType, "LIQUID");
}

struct WorkflowCase {
    const char* way;  // the button or menu item chosen
    bool button;
    const char* sizingType;
    const char* inputForm;
};

std::ostream& operator<<(std::ostream& os, const WorkflowCase& c) { return os << c.way; }

class ChoosingAWorkflow : public Intro, public ::testing::WithParamInterface<WorkflowCase> {};

TEST_P(ChoosingAWorkflow, UnloadsTheIntroAndOpensItsInputScreen) {
    const WorkflowCase& c = GetParam();
    shared().SizingType = "ALL LIQUID";
    // The averaging-tube entry points work whether the build shows them or
    // not: a hidden button or item is pressed directly.
    if (c.button && button(c.way)->isVisible()) QTest::mouseClick(button(c.way), Qt::LeftButton);
    else if (c.button) button(c.way)->click();
    else introAction(c.way)->trigger();
    settle();
    EXPECT_FALSE(Shell::instance().isLoaded("frmINTRO"));
    EXPECT_EQ(shared().SizingType, c.sizingType);
    ASSERT_EQ(childForms(), QStringList{c.inputForm});
    // Re-arranged: the only child fills the parent's client area.
    EXPECT_EQ(parent->mdiArea()->subWindowList().first()->geometry(),
              parent->mdiArea()->viewport()->rect());
    // The menu bar follows the new active child.
    QStringList inputMenus;
    for (QAction* a : dynamic_cast<Form*>(Shell::instance().find(c.inputForm))->menuBarItems())
        if (a->isVisible()) inputMenus << a->text();
    EXPECT_EQ(visibleMenuBar(), inputMenus.join('|'));
    EXPECT_TRUE(messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    ByButtonOrMenu, ChoosingAWorkflow,
    ::testing::Values(WorkflowCase{"cmdGasSteam", true, "GAS", "frmInputScrn"},
                      WorkflowCase{"mnuGasSteam", false, "GAS", "frmInputScrn"},
                      WorkflowCase{"cmdLiquid", true, "LIQUID", "frmLqdInput"},
                      WorkflowCase{"mnuLiquid", false, "LIQUID", "frmLqdInput"},
                      WorkflowCase{"cmdNorvane", true, "NORVANE", "frmNorvaneInput"},
                      WorkflowCase{"mnuNorvane", false, "NORVANE", "frmNorvaneInput"}),
    [](const auto& info) { return std::string(info.param.way); });

TEST_F(Intro, AboutOpensTheAboutBox) {
    introAction("mnuAbout")->trigger();
    settle();
    EXPECT_EQ(modalsShown, std::vector<QString>{"frmAbout"});
    EXPECT_FALSE(Shell::instance().isLoaded("frmAbout"));
    EXPECT_EQ(childForms(), QStringList{"frmINTRO"});
}

}  // namespace
}  // namespace quorin::test
