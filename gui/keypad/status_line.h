#pragma once

#include <QTimer>
#include <QWidget>

#include "core/ports.h"

class QLabel;

namespace zumbrel::gui {

// lblComment: the one-line status label. A hint wider than the status area scrolls off to
// the left, 2 pixels every 100 ms, until the mouse passes over the top or command panel.
class StatusLineWidget final : public QWidget {
  public:
    explicit StatusLineWidget(QWidget* parent);

    // A message of the calculator: shown from the left edge, never scrolled.
    void setMessage(const QString& text);
    QString message() const;
    // The latest message of the calculator, whatever hint the mouse shows over it since.
    QString calculatorMessage() const { return calculatorMessage_; }
    // Counts the calculator's messages: a message given again is a new one, even with the
    // same words; one that stays is not.
    int messageCount() const { return messageCount_; }

    // A hint of the control under the mouse: scrolls when it does not fit.
    void showHint(const QString& text);
    // The mouse is over the top panel (clear = false) or the command panel (clear = true).
    void stopScrolling(bool clear);

    QLabel* label() const { return label_; }
    bool isScrolling() const { return timer_.isActive(); }
    static constexpr int kScrollWidth = 458;

  private:
    void setLabelText(const QString& text);
    QLabel* label_;
    QTimer timer_;
    QString calculatorMessage_;
    int messageCount_ = 0;
};

// The calculator's StatusLine port, shown by the widget.
class StatusLineAdapter final : public StatusLine {
  public:
    explicit StatusLineAdapter(StatusLineWidget& widget) : widget_(widget) {}
    void show(std::string_view text) override;
    std::string text() const override;

  private:
    StatusLineWidget& widget_;
};

}  // namespace zumbrel::gui
