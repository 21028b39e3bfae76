#include <QPushButton>

#include "support/UiFixture.h"

namespace quorin::test {
namespace {

class ParentWindow : public UiTest {};

TEST_F(ParentWindow, OpensWithItsCaptionAndItsOwnMenus) {
    EXPECT_EQ(parent->windowTitle().toStdString(), " QUORIN VORTEX SIZING PROGRAM");
    EXPECT_EQ(parent->objectName(), "MDIForm1");
    ASSERT_NE(parent->mdiArea(), nullptr);
}

// The parent's title-bar close ends the program as Exit does: every form
// unloaded, no window left, no question asked.
TEST_F(ParentWindow, ItsTitleBarCloseEndsTheProgram) {
    Shell& shell = Shell::instance();
    shell.unload("frmINTRO");
    shell.showChild("frmInputScrn");
    settle();
    control<QPushButton>("frmInputScrn", "cmdCalcFlow")->click();
    settle();
    ASSERT_EQ(childForms(), (QStringList{"frmInputScrn", "frmResults"}));

    parent->close();
    settle();
    EXPECT_TRUE(shell.exiting());
    EXPECT_TRUE(shell.loadedForms().isEmpty());
    EXPECT_TRUE(parent->mdiArea()->subWindowList().isEmpty());
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(modalsShown.empty());
    EXPECT_FALSE(parent->isVisible());
}

}  // namespace
}  // namespace quorin::test
