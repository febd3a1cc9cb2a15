#pragma once

#include <QLabel>
#include <QWidget>
#include <functional>

#include "core/calc/kept_places.h"

class QStringListModel;
class QToolButton;

namespace zumbrel {
class History;
namespace calc {
class Calculator;
struct KeptValues;
}  // namespace calc
}  // namespace zumbrel

namespace zumbrel::gui {

class DisplayView;
class NumberListPopup;
class HistoryModel;

// A label that holds a number: a memory (lblMemory1 to lblMemory3) or the clipboard panel
// (pnlPP). It is dragged when it holds a value, accepts numbers dragged from our controls,
// and offers the same by its context menu, for the keyboard and screen readers.
class NumberLabel final : public QLabel {
  public:
    NumberLabel(const QString& name, const QString& caption, QWidget* parent);
    QString caption() const { return caption_; }
    // The caption in the language of the windows.
    void setCaption(const QString& caption);
    // False when the number was already shown.
    bool setNumber(const QString& number);
    QString number() const { return number_; }
    // Where the number is drawn, under the caption, and whether it is drawn whole there.
    QRect numberArea() const;
    bool numberFits() const;
    static constexpr int kCaptionPixels = 9;
    static constexpr qreal kSmallestPoints = 6;

    // The number dropped, and whether it comes from the display.
    std::function<void(const QString&, bool)> onDropped;
    std::function<void()> onDoubleClicked;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    QString caption_;
    QString number_;
    QPoint pressedAt_;
};

// The kept numbers on the keypad: three memories, the number list's button BMemCombo, the
// history's picture imgHistoryOpe and the clipboard panel pnlPP, with their lists.
class KeptNumbersPanel final : public QWidget {
  public:
    KeptNumbersPanel(QWidget* parent, calc::Calculator& calc, const History& history);
    ~KeptNumbersPanel() override;

    // Shows what is kept; called with every refresh of the keypad, it changes only what
    // changed.
    void present(const calc::KeptValues& kept, bool historyEmpty);
    // The display is dragged, dropped on, and its menu keeps it in a memory, the list or the
    // clipboard and opens the two lists: by keyboard what dragging does with the mouse.
    void attachDisplay(DisplayView& display);
    // The clipboard panel's hint for the value it holds; asked again after a language change.
    std::function<QString(const QString& value)> panelHint;
    void updatePanelHint();
    // Opens the number list or the history list, as their buttons do.
    void openNumberList();
    void openHistory();

    NumberLabel* memory(int i) const { return memories_[i]; }
    NumberLabel* clipboardPanel() const { return panel_; }
    NumberListPopup* numberList();
    NumberListPopup* historyList();

    // After anything that changed the registers: the keypad redraws.
    std::function<void()> changed;
    // A key of the adding machine from a memory's menu (M+, M−), run as any key is.
    std::function<void(const calc::KeptKey&)> onKey;
    // After a number was brought back into the entry (a memory, the panel, the list, the
    // history, a drop on the display): the keypad shows and tells it.
    std::function<void()> recalled;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void broughtBack();
    calc::Calculator& calc_;
    const History& history_;
    NumberLabel* memories_[3];
    QToolButton* listButton_;
    QToolButton* historyButton_;
    NumberLabel* panel_;
    NumberListPopup* numberList_ = nullptr;
    NumberListPopup* historyList_ = nullptr;
    HistoryModel* historyModel_;
    QStringListModel* numbers_;
};

}  // namespace zumbrel::gui
