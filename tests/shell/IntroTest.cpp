// The intro screen: what start-up shows, the buttons over the picture,
// choosing a workflow and leaving the program.
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
    QAction* parentOpen() const {
        auto* file = parent->findChild<QMenu*>("mnuFile", Qt::FindDirectChildrenOnly);
        return file ? file->findChild<QAction*>("mnuOpen") : nullptr;
    }
    // Captions of the menu-bar items the user can see.
    QString visibleMenuBar() const {
        QStringList captions;
        for (QAction* a : parent->menuBar()->actions())
            if (a->isVisible()) captions << a->text();
        return captions.join('|');
    }
};

// Start-up shows one intro screen, active, with Gas/Steam focused and the
// averaging-tube entry points only in a build that shows them; Open while
// it is shown keeps that one; closing it leaves the parent's own menus, and
// Open brings a fresh one back with the intro's menus.
TEST_F(Intro, StartUpShowsOneIntroScreenAndOpenBringsItBack) {
    EXPECT_EQ(childForms(), QStringList{"frmINTRO"});
    EXPECT_EQ(parent->mdiArea()->activeSubWindow(), introWindow());
    EXPECT_EQ(intro()->focusWidget(), button("cmdGasSteam"));
    EXPECT_EQ(shared().SizingType, "");
    EXPECT_EQ(button("cmdNorvane")->isVisible(), QUORIN_SHOW_NORVANE != 0);
    EXPECT_EQ(introAction("mnuNorvane")->isVisible(), QUORIN_SHOW_NORVANE != 0);
    const QString introMenus = visibleMenuBar();
    QPointer<QWidget> first = intro();
    parentOpen()->trigger();
    settle();
    EXPECT_EQ(childForms(), QStringList{"frmINTRO"});
    EXPECT_EQ(intro(), first.data());

    introWindow()->close();
    settle();
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(childForms().isEmpty());
    EXPECT_EQ(visibleMenuBar(), "File|About");
    parentOpen()->trigger();
    settle();
    EXPECT_EQ(childForms(), QStringList{"frmINTRO"});
    EXPECT_EQ(visibleMenuBar(), introMenus);
}

// Start-up paints the pictures on a worker thread; whichever screen asks
// first waits for them, and every intro screen shows the same drawings.
TEST_F(Intro, PicturesPaintedOnTheWorkerAreTheOnesShown) {
    startPaintingIntroPictures();
    const QImage banner = drawIntroBanner().toImage();
    const QImage meter = drawIntroMeter().toImage();
    EXPECT_EQ(banner.size(), kBannerSize);
    EXPECT_NE(banner.pixel(2, 2), banner.pixel(40, 60)) << "the banner is painted, not left blank";
    startPaintingIntroPictures();
    EXPECT_EQ(drawIntroBanner().toImage(), banner);
    EXPECT_EQ(control<QLabel>("frmINTRO", "Image1")->pixmap().toImage(), meter);
}

// The picture keeps its proportions below the banner, and the buttons keep
// their places on its diagonal, whatever the size of the screen.
TEST_F(Intro, ButtonsStayOnTheDiagonalOfThePictureWhateverTheSize) {
    for (const QSize& size : {QSize(1000, 720), QSize(520, 700)}) {
        SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
        introWindow()->resize(size);
        settle();
        const QRect picture = control<QLabel>("frmINTRO", "Image1")->geometry();
        EXPECT_TRUE(intro()->rect().contains(picture));
        EXPECT_NEAR(double(picture.width()) / picture.height(), 641.0 / 277, 0.02);
        EXPECT_LE(control<QLabel>("frmINTRO", "Image3")->geometry().bottom(), picture.top());
        const struct { const char* name; double across, down; } places[] = {
            {"cmdGasSteam", 0.2, 0.25}, {"cmdLiquid", 0.5, 0.5}, {"cmdQuit", 0.8, 0.75}};
        for (const auto& p : places) {
            const QRect b = button(p.name)->geometry();
            EXPECT_NEAR(b.x() + b.width() / 2.0, picture.x() + p.across * picture.width(), 1.0) << p.name;
            EXPECT_NEAR(b.y() + b.height() / 2.0, picture.y() + p.down * picture.height(), 1.0) << p.name;
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
    EXPECT_FALSE(parent->isVisible());
    EXPECT_TRUE(messages.empty() && modalsShown.empty());
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

// The intro is unloaded, the workflow recorded, its input screen fills the
// parent and brings its menus.
TEST_P(ChoosingAWorkflow, UnloadsTheIntroAndOpensItsInputScreen) {
    const WorkflowCase& c = GetParam();
    shared().SizingType = "ALL LIQUID";
    // The averaging-tube entry points work whether the build shows them or
    // not: a hidden button or item is pressed directly.
    if (c.button && button(c.way)->isVisible()) QTest::mouseClick(button(c.way), Qt::LeftButton);
    else if (c.button) button(c.way)->click();
    else introAction(c.way)->trigger();
    settle();
    EXPECT_EQ(shared().SizingType, c.sizingType);
    ASSERT_EQ(childForms(), QStringList{c.inputForm});
    EXPECT_EQ(parent->mdiArea()->subWindowList().first()->geometry(), parent->mdiArea()->viewport()->rect());
    QStringList inputMenus;
    for (QAction* a : dynamic_cast<Form*>(Shell::instance().find(c.inputForm))->menuBarItems())
        if (a->isVisible()) inputMenus << a->text();
    EXPECT_EQ(visibleMenuBar(), inputMenus.join('|'));
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
    EXPECT_EQ(childForms(), QStringList{"frmINTRO"});
}

}  // namespace
}  // namespace quorin::test
