#include "support/UiFixture.h"

#include <QAction>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>

namespace quorin::test {

namespace {

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform warns about window hints it cannot honour.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.contains("does not support propagateSizeHints")) return;
    if (defaultHandler) defaultHandler(type, context, text);
}

std::unique_ptr<QApplication> app;

}  // namespace

QApplication& uiApp() {
    if (!app) {
        defaultHandler = qInstallMessageHandler(quietHandler);
        static int argc = 1;
        static char name[] = "ui_tests";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QApplication>(argc, argv);
    }
    return *app;
}

void destroyUiApp() { app.reset(); }

void UiTest::SetUp() {
    uiApp();
    shared() = SharedState{};
    Seams& s = seams();
    s.message = [this](const QString& text, MsgIcon icon) { messages.push_back({text, icon}); };
    s.beep = [this] { ++beeps; };
    s.hint = [this](QWidget* box, const QString& text) { hints.emplace_back(box->objectName(), text); };
    s.runModal = [this](QDialog& dialog) {
        modalsShown.push_back(dialog.objectName());
        auto it = onModal.find(dialog.objectName());
        return it == onModal.end() ? int(QDialog::Rejected) : it->second(dialog);
    };
    // A preview paints its pages as when shown, without showing them.
    s.runPreview = [this](QPrintPreviewDialog& dialog) {
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        preview->updatePreview();
        previewPages.push_back(preview->pageCount());
    };
    installCoreHooks();
    registerForms();
    parent = std::make_unique<MDIForm1>();
    parent->resize(1024, 768);
    parent->show();
    parent->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(parent.get()));
    settle();
}

void UiTest::TearDown() {
    Shell::instance().exitProgram();
    settle();
    parent.reset();
    settle();
    seams() = Seams{};
    hooks() = Hooks{};
}

void UiTest::settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

QStringList UiTest::childForms() const {
    QStringList names;
    for (QMdiSubWindow* w : parent->mdiArea()->subWindowList(QMdiArea::CreationOrder))
        if (w->widget()) names << w->widget()->objectName();
    return names;
}

QString UiTest::menuBarText() const {
    QStringList captions;
    for (QAction* a : parent->menuBar()->actions()) captions << a->text();
    return captions.join('|');
}

void UiTest::onDialog(const QString& form, const std::function<void(QDialog&)>& drive) {
    onModal[form] = [drive](QDialog& d) {
        d.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&d));
        d.activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([&d] { return QApplication::activeWindow() == &d; }));
        drive(d);
        return 0;
    };
}

void UiTest::runDialog(const QString& form, const std::function<void(QDialog&)>& drive) {
    onDialog(form, drive);
    Shell::instance().showModal(form);
    settle();
}

}  // namespace quorin::test
