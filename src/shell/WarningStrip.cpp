#include "shell/WarningStrip.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorin {

namespace {

const QColor kWarningColour(176, 48, 0);  // dark orange-red

}  // namespace

WarningStrip::WarningStrip(const char* name) : text_(new QLabel) {
    setObjectName(name);
    text_->setObjectName(QString(name) + "Text");
    text_->setWordWrap(true);
    QPalette palette = text_->palette();
    palette.setColor(QPalette::WindowText, kWarningColour);
    text_->setPalette(palette);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_);
    hide();
}

void WarningStrip::setFix(const char* name, const QString& caption, std::function<void()> apply) {
    fix_ = new QPushButton(caption);
    fix_->setObjectName(name);
    fix_->hide();
    connect(fix_, &QPushButton::clicked, this, [apply = std::move(apply)] { apply(); });
    layout()->addWidget(fix_);
    layout()->setAlignment(fix_, Qt::AlignLeft);
}

void WarningStrip::showWarnings(const std::vector<std::string>& lines, bool offerFix) {
    QStringList texts;
    for (const std::string& line : lines) texts << QString::fromStdString(line);
    text_->setText(texts.join('\n'));
    if (fix_) fix_->setVisible(offerFix);
    setVisible(!lines.empty());
    fitHeight();
}

void WarningStrip::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    fitHeight();
}

QSize WarningStrip::sizeHint() const {
    QSize hint = QFrame::sizeHint();
    if (minimumHeight() > 0) hint.setHeight(minimumHeight());
    return hint;
}

void WarningStrip::fitHeight() {
    if (width() <= 0) return;
    const int height = layout()->heightForWidth(width());
    if (height <= 0 || height == minimumHeight()) return;
    setMinimumHeight(height);
    updateGeometry();
}

}  // namespace quorin
