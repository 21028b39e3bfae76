#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiArea>

#include "shell/MDIForm1.h"

namespace {

QApplication& app() {
    static int argc = 1;
    static char name[] = "ui_tests";
    static char* argv[] = {name, nullptr};
    static QApplication instance(argc, argv);
    return instance;
}

TEST(MDIForm1, OpensWithItsCaptionAndAnEmptyWorkspace) {
    app();
    quorin::MDIForm1 parent;
    parent.show();
    EXPECT_EQ(parent.windowTitle().toStdString(), " QUORIN VORTEX SIZING PROGRAM");
    EXPECT_EQ(parent.objectName(), "MDIForm1");
    ASSERT_NE(parent.mdiArea(), nullptr);
    EXPECT_TRUE(parent.mdiArea()->subWindowList().isEmpty());
}

}  // namespace
