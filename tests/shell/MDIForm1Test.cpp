#include "support/UiFixture.h"

namespace quorin::test {
namespace {

class ParentWindow : public UiTest {};

TEST_F(ParentWindow, OpensWithItsCaptionAndItsOwnMenus) {
    EXPECT_EQ(parent->windowTitle().toStdString(), " QUORIN VORTEX SIZING PROGRAM");
    EXPECT_EQ(parent->objectName(), "MDIForm1");
    ASSERT_NE(parent->mdiArea(), nullptr);
}

}  // namespace
}  // namespace quorin::test
