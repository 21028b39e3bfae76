#include "shell/frmINTRO.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include <algorithm>

#include "shell/Controls.h"
#include "shell/IntroPictures.h"
#include "shell/Shell.h"
#include "state/SharedState.h"

namespace quorin {

namespace {

// Positions of the pictures on the screen, laid out in twips at 96 dots per
// inch, and the margin that closes the screen on the right and below.
constexpr int kTwipsPerPixel = 15;
constexpr QRect kBannerRect{720 / kTwipsPerPixel, 1140 / kTwipsPerPixel, kBannerSize.width(),
                            kBannerSize.height()};
constexpr QRect kPictureRect{720 / kTwipsPerPixel, 3420 / kTwipsPerPixel,
                             kMeterDrawingSize.width(), kMeterDrawingSize.height()};
constexpr int kMargin = 720 / kTwipsPerPixel;
constexpr QSize kNaturalSize{kPictureRect.right() + 1 + kMargin,
                             kPictureRect.bottom() + 1 + kMargin};
constexpr QSize kMinButtonSize{112, 34};

struct Workflow {
    const char* sizingType;
    const char* inputForm;
};
constexpr Workflow kGasSteam{"GAS", "frmInputScrn"};
constexpr Workflow kLiquid{"LIQUID", "frmLqdInput"};
constexpr Workflow kNorvane{"NORVANE", "frmNorvaneInput"};

void choose(const Workflow& workflow) {
    Shell& shell = Shell::instance();
    shell.unload(frmINTRO::kName);
    shared().SizingType = workflow.sizingType;
    shell.showChild(workflow.inputForm);
    shell.arrangeChildren();
}

QLabel* makePicture(const char* name, const QPixmap& pixmap, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(pixmap);
    label->setScaledContents(true);
    return label;
}

QPushButton* makeButton(const char* name, const QString& caption, const QString& toolTip,
                        QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(toolTip);
    // Enter presses the button that has the focus, as on a dialog.
    button->setAutoDefault(true);
    return button;
}

}  // namespace

frmINTRO::frmINTRO() : Form(kName, QStringLiteral(" QUORIN SIZING UTILITY")) {
    createPictures();
    createButtons();
    createMenus();
}

QSize frmINTRO::sizeHint() const { return kNaturalSize; }

void frmINTRO::createPictures() {
    Image3 = makePicture("Image3", drawIntroBanner(), this);
    Image1 = makePicture("Image1", drawIntroMeter(), this);
    Image3->setGeometry(kBannerRect);
    Image1->setGeometry(kPictureRect);
}

void frmINTRO::createButtons() {
    cmdGasSteam = makeButton("cmdGasSteam", "&Gas/Steam",
                             "Press to perform sizing on Vortex air/gas/steam meters", this);
    cmdLiquid = makeButton("cmdLiquid", "&Liquid", "Press to perform sizing on Vortex liquid meters",
                           this);
    cmdNorvane = makeButton("cmdNorvane", "&Norvane", "Press to perfrom sizing on Norvanes", this);
    cmdQuit = makeButton("cmdQuit", "E&XIT", "Press to Quit this applicaiton", this);
    cmdLiquid->setDefault(true);

    QSize size = kMinButtonSize;
    for (QPushButton* b : {cmdGasSteam, cmdLiquid, cmdNorvane, cmdQuit})
        size = size.expandedTo(b->sizeHint());
    cmdGasSteam->resize(size);
    // cmdNorvane keeps its place below the first button; the layout never
    // moves it.
    cmdNorvane->setGeometry(QRect(QPoint(0, 0), size)
                                .translated(kPictureRect.left() + kPictureRect.width() / 5 -
                                                size.width() / 2,
                                            kPictureRect.top() + kPictureRect.height() * 3 / 4 -
                                                size.height() / 2));
    cmdNorvane->setVisible(kShowNorvane);

    connect(cmdGasSteam, &QPushButton::clicked, this, [] { choose(kGasSteam); });
    connect(cmdLiquid, &QPushButton::clicked, this, [] { choose(kLiquid); });
    connect(cmdNorvane, &QPushButton::clicked, this, [] { choose(kNorvane); });
    connect(cmdQuit, &QPushButton::clicked, this, [] { Shell::instance().exitProgram(); });

    setTabOrder(cmdGasSteam, cmdLiquid);
    setTabOrder(cmdLiquid, cmdNorvane);
    setTabOrder(cmdNorvane, cmdQuit);
    cmdGasSteam->setFocus();
}

void frmINTRO::createMenus() {
    QMenu* file = addMenu("File", "mnuFile");
    addCommand(file, "Exit", "mnuExit", QKeySequence("Ctrl+X"),
               [] { Shell::instance().exitProgram(); });
    addTagListItems(file);
    addMenuBarCommand("Gas/Steam", "mnuGasSteam", [] { choose(kGasSteam); });
    addMenuBarCommand("Liquid", "mnuLiquid", [] { choose(kLiquid); });
    QAction* norvane = addMenuBarCommand("Norvane", "mnuNorvane", [] { choose(kNorvane); });
    norvane->setVisible(kShowNorvane);
    addMenuBarCommand("About", "mnuAbout", [] { Shell::instance().showModal("frmAbout"); });
}

void frmINTRO::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    layoutPictures();
    layoutButtons();
}

// The pictures keep their proportions and their places on the screen, scaled
// together to the largest size that fits, centred.
void frmINTRO::layoutPictures() {
    const qreal scale = std::min(qreal(width()) / kNaturalSize.width(),
                                 qreal(height()) / kNaturalSize.height());
    const QPointF origin((width() - kNaturalSize.width() * scale) / 2,
                         (height() - kNaturalSize.height() * scale) / 2);
    for (auto [picture, natural] : {std::pair{Image3, kBannerRect}, std::pair{Image1, kPictureRect}})
        picture->setGeometry(
            QRectF(origin + QPointF(natural.topLeft()) * scale, QSizeF(natural.size()) * scale)
                .toRect());
}

// The three visible buttons sit on the diagonal of the picture, at 20, 50
// and 80 % of its width and 25, 50 and 75 % of its height, all of the size
// of cmdGasSteam.
void frmINTRO::layoutButtons() {
    const float L = float(Image1->x()), T = float(Image1->y());
    const float W = float(Image1->width()), H = float(Image1->height());
    const float w = float(cmdGasSteam->width()), h = float(cmdGasSteam->height());
    const struct {
        QPushButton* button;
        float across, down;  // in sixths of the picture
    } places[] = {{cmdGasSteam, 1.2f, 1.5f}, {cmdLiquid, 3.0f, 3.0f}, {cmdQuit, 4.8f, 4.5f}};
    for (const auto& p : places) {
        const float left = L + (W / 6 * p.across - w / 2);
        const float top = T + (H / 6 * p.down - h / 2);
        p.button->setGeometry(qRound(left), qRound(top), cmdGasSteam->width(),
                              cmdGasSteam->height());
    }
}

// Enter on the screen itself presses the default button.
void frmINTRO::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
        cmdLiquid->isVisible() &&
        cmdLiquid->isEnabled()) {
        cmdLiquid->click();
        return;
    }
    Form::keyPressEvent(event);
}

}  // namespace quorin
