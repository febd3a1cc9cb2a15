#pragma once

#include <QPushButton>
#include <QWidget>
#include <optional>

namespace zumbrel::gui {

// A rounded panel in one colour with a thin border: the keypad's panels.
class RoundedPanel final : public QWidget {
  public:
    RoundedPanel(QWidget* parent, QColor fill, QColor border, qreal radius);
    void setFill(QColor fill) {
        fill_ = fill;
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QColor fill_;
    QColor border_;
    qreal radius_;
};

// A keypad key, painted in its colours: quicker to create than a style sheet, and crisp at
// any scale.
class KeyButton final : public QPushButton {
  public:
    struct Colors {
        QColor face;
        QColor pressed;
        QColor border;
        QColor text;
    };
    KeyButton(const QString& caption, const Colors& colors, int pixelSize, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    Colors colors_;
};

// The base font, or a smaller one, in which text takes at most `room` pixels of width; nothing
// when even `smallest` points is too wide. Amounts are never cut: they shrink, or the caller
// shows that they do not fit.
std::optional<QFont> fontToFit(const QFont& base, const QString& text, int room, qreal smallest);

// Sets a widget's text colour and font size without a style sheet.
void setTextLook(QWidget* w, QColor text, int pixelSize, bool bold = false, bool italic = false);

}  // namespace zumbrel::gui
