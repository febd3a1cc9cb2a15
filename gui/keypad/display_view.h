#pragma once

#include <QWidget>
#include <functional>

namespace zumbrel::gui {

// EdtVirt: the display, and the object a screen reader follows while the user types. It
// holds the keyboard focus (typed keys go on to the keypad window), draws the number
// right-aligned in a font that shrinks until every digit fits, and exposes itself as a
// read-only text whose content is the status message, if any, then the number: "La racine
// carrée de 9,00 est : 3,00". Each change of that text is announced once.
class DisplayView final : public QWidget {
  public:
    explicit DisplayView(QWidget* parent = nullptr);

    QString text() const { return number_; }
    QString message() const { return message_; }
    // What a screen reader reads: the message, a space, then the number, its thousands
    // separated by spaces whatever the display shows ("6 000,00", never "6'000,00").
    QString spokenText() const;
    void setDecimalSeparator(char ds) { ds_ = ds; }
    // A result or a message stands whole and selected, as the result stands selected in the
    // entry; typed digits are not selected. Orca speaks text inserted after a printable key
    // (an operator) only when it is selected.
    bool spokenTextSelected() const { return wholeSelected_; }

    // Shows the number and the message. A new text is announced to assistive technology as
    // text inserted: typed characters alone, anything else as the whole new text, unless
    // quiet is set (the program's own voice reads the result). A result or a message stands
    // selected.
    // A message that stays (not given again) is not said again: only the new number is.
    void present(const QString& number, const QString& message, bool quiet, bool selected,
                 bool messageIsNew = true);
    // Tells assistive technology a text once, without changing the number or the message
    // drawn: the spoken text again when the program's voice could not say it, or a reading
    // on demand. Until the display changes, a reader reading it again hears that text.
    void announce(const QString& text);
    // The same, once the display has the focus (a reader hears only the focused object): at
    // once when it has it, otherwise when it gets it.
    void announceWhenFocused(const QString& text);

    // Told each text announced to assistive technology (what is new in the spoken text).
    std::function<void(const QString&)> onAnnounced;
    // The display is dragged while it shows a value worth keeping; numbers dragged from the
    // memories and lists are dropped on it.
    std::function<bool()> canDrag;
    std::function<void(const QString&)> onNumberDropped;

    // The font when the number fits; longer numbers are drawn smaller.
    void setBaseFont(const QFont& font);
    const QFont& baseFont() const { return baseFont_; }
    // The point size the number is drawn with now, and the one it is drawn with when it fits.
    qreal drawnPointSize() const;
    qreal basePointSize() const;

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    QFont fittingFont() const;
    QString heard(const QString& text) const;

    QString number_;
    QString message_;
    QFont baseFont_;
    bool wholeSelected_ = false;
    char ds_ = ',';
    QString pendingAnnouncement_;
    QString told_;  // the text last announced, while the display shows the same
    QPoint pressedAt_;
};

}  // namespace zumbrel::gui
