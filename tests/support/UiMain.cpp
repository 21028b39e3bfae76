// The screen tests create their QApplication with the first test and destroy
// it here, before the program's static objects. Listing the tests creates
// none, so it works without a display.
#include <gtest/gtest.h>

#include "support/UiFixture.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    quorin::test::destroyUiApp();
    return result;
}
