#include "gui/keypad/status_line.h"

#include <QAccessible>
#include <QLabel>

#include "gui/ui/qt_ports.h"

namespace zumbrel::gui {

StatusLineWidget::StatusLineWidget(QWidget* parent) : QWidget(parent), label_(new QLabel(this)) {
    setObjectName("lblComment");
    setAccessibleName(tr("Ligne d'état"));
    label_->setObjectName("lblCommentText");
    label_->move(5, 0);
    timer_.setInterval(100);
    connect(&timer_, &QTimer::timeout, this,
            [this] { label_->move(label_->x() - 2, label_->y()); });
}

void StatusLineWidget::setLabelText(const QString& text) {
    label_->setText(text);
    label_->adjustSize();
    setAccessibleDescription(text);
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

void StatusLineWidget::setMessage(const QString& text) {
    calculatorMessage_ = text;
    ++messageCount_;
    timer_.stop();
    label_->move(5, label_->y());
    setLabelText(text);
}

QString StatusLineWidget::message() const {
    return label_->text();
}

void StatusLineAdapter::show(std::string_view text) {
    widget_.setMessage(qs(text));
}
std::string StatusLineAdapter::text() const {
    return widget_.message().toStdString();
}

void StatusLineWidget::showHint(const QString& text) {
    // Emptying an empty line changes nothing, and tells the screen reader nothing.
    if (text.isEmpty() && label_->text().isEmpty() && !timer_.isActive() && label_->x() == 5)
        return;
    setLabelText(text);
    if (label_->width() < kScrollWidth) {
        timer_.stop();
        label_->move(5, label_->y());
    } else if (!timer_.isActive()) {
        timer_.start();
    }
}

void StatusLineWidget::stopScrolling(bool clear) {
    timer_.stop();
    label_->move(5, label_->y());
    if (clear) setLabelText({});
}

}  // namespace zumbrel::gui
