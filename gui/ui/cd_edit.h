#pragma once

#include <QLineEdit>

namespace zumbrel::gui {

// TCDEdit: a single-line edit with a text alignment and a digits-only option, used for the
// input line and the display.
class TCDEdit : public QLineEdit {
  public:
    enum class TextAlignment { LeftJustify, RightJustify, Center };

    explicit TCDEdit(QWidget* parent = nullptr);

    TextAlignment textAlignment() const { return alignment_; }
    void setTextAlignment(TextAlignment a);
    bool onlyNumbers() const { return onlyNumbers_; }
    // Typed characters other than digits are refused; text set by the program is not filtered.
    void setOnlyNumbers(bool on);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    TextAlignment alignment_ = TextAlignment::LeftJustify;
    bool onlyNumbers_ = false;
};

}  // namespace zumbrel::gui
