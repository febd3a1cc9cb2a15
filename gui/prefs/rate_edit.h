#pragma once

#include <QLineEdit>
#include <functional>

namespace zumbrel::gui {

// An edit of the preferences that takes only what its field can hold: a rate (digits and
// one decimal separator, "," and "." giving the system's), a ceiling (digits), a tax name
// (capital letters). Nothing is pasted into it, and the clipboard is never touched: a paste
// beeps. Backspace and Delete erase; Enter closes the window.
class RateEdit final : public QLineEdit {
  public:
    enum class Kind { Rate, Ceiling, TaxName };
    RateEdit(Kind kind, char decimalSeparator, QWidget* parent);

    std::function<void()> onEnter;
    // The text as the field keeps it, after each change ("05" is 5, ",9" is 0,9).
    std::function<void(const QString&)> onChanged;
    std::function<void()> onFocused;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void textEdited(const QString& text);
    Kind kind_;
    char ds_;
};

}  // namespace zumbrel::gui
