#pragma once

#include <QFrame>
#include <functional>

class QAbstractItemModel;
class QListView;

namespace zumbrel::gui {

// The first row of `model` that can be chosen (`direction` 1), or the last one (-1); -1 when
// none can.
int choosableRow(const QAbstractItemModel& model, int direction);

// cbbListNbr and cbbListHistorOpe: a drop-down list of kept numbers or history lines, a
// fixed number of rows high, striped, the chosen row on yellow. Enter or a click chooses;
// Escape or a click outside closes. The model is read lazily, so a history of 10^5 lines
// opens at once.
class NumberListPopup final : public QFrame {
  public:
    NumberListPopup(QWidget* parent, const char* name, int rows, QColor stripe);

    // Shows the model's rows below `anchor`, the focus on the row `current` (the first one
    // unless told).
    void open(QAbstractItemModel* model, QWidget* anchor, int current = 0);
    QListView* view() const { return view_; }

    std::function<void(int row)> onChosen;
    std::function<void()> onClosed;

  protected:
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void choose(int row);
    int widestRow(const QAbstractItemModel& model) const;
    static constexpr int kMeasuredRows = 2000;

    QListView* view_;
    int rows_;
};

}  // namespace zumbrel::gui
