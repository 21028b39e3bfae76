// The screen tests own their QApplication for the whole run, so it is
// destroyed before the program's static objects.
#include <gtest/gtest.h>

#include "support/UiFixture.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    quorin::test::uiApp();
    const int result = RUN_ALL_TESTS();
    quorin::test::destroyUiApp();
    return result;
}
