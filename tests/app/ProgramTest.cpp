// The program's start-up as main() runs it.
#include "support/UiFixture.h"

namespace quorin::test {
namespace {

TEST(Program, StartsWithTheIntroScreenAndEveryConnectionMade) {
    uiApp();
    shared() = SharedState{};
    const auto parent = startProgram();
    EXPECT_TRUE(parent->isVisible());
    EXPECT_EQ(QGuiApplication::desktopFileName(), "com.quorin.Quorin");
    EXPECT_FALSE(parent->windowIcon().pixmap(48).isNull());
    EXPECT_EQ(Shell::instance().loadedForms(), QStringList{"frmINTRO"});
    const Seams& s = seams();
    EXPECT_TRUE(s.message && s.beep && s.runModal && s.chooseFile && s.choosePrinter && s.runPreview &&
                s.askSave && s.showProgress);
    const Hooks& h = hooks();
    EXPECT_TRUE(h.message && h.beep && h.showCustomGas && h.selectControl);
    Shell::instance().exitProgram();
    EXPECT_TRUE(Shell::instance().loadedForms().isEmpty());
    seams() = Seams{};
    hooks() = Hooks{};
}

}  // namespace
}  // namespace quorin::test
