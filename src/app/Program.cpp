#include "app/Program.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>

#include "shell/FieldEvents.h"
#include "shell/IntroPictures.h"
#include "shell/MDIForm1.h"
#include "shell/Seams.h"
#include "shell/Shell.h"
#include "state/Hooks.h"

namespace quorin {

void installCoreHooks() {
    Hooks& h = hooks();
    h.message = [](const std::string& text) {
        if (seams().message) seams().message(QString::fromStdString(text), MsgIcon::None);
    };
    h.beep = [] {
        if (seams().beep) seams().beep();
    };
    h.showCustomGas = [] { Shell::instance().showModal("frmOtherMediaGas"); };
    // The box goes to the window committing or running a command, or else to
    // the active form.
    h.selectControl = [](const std::string& control) { FieldEvents::selectNamed(control); };
}

// The program's desktop id (CMakeLists.txt): its desktop entry and icon.
static const QString kAppId = QStringLiteral(QUORIN_APP_ID);

// The program's icon, compiled in (packaging/icons): the drawing itself when
// Qt's SVG image plugin is installed, else its 48 and 256 px renderings.
static QIcon programIcon() {
    if (QImageReader::supportedImageFormats().contains("svg"))
        return QIcon(QStringLiteral(":/icons/%1.svg").arg(kAppId));
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/48x48/%1.png").arg(kAppId));
    icon.addFile(QStringLiteral(":/icons/256x256/%1.png").arg(kAppId));
    return icon;
}

std::unique_ptr<MDIForm1> startProgram() {
    QApplication::setApplicationName("quorin");
    QApplication::setOrganizationName("Quorin Dynarel Inc.");
    QApplication::setDesktopFileName(kAppId);
    QApplication::setWindowIcon(programIcon());
    startPaintingIntroPictures();
    installDesktopSeams();
    installCoreHooks();
    registerForms();
    auto parent = std::make_unique<MDIForm1>();
    parent->show();
    return parent;
}

}  // namespace quorin
