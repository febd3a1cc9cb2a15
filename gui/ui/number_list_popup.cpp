#include "gui/ui/number_list_popup.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QListView>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/ui/accessibility.h"

namespace zumbrel::gui {
namespace {

// Odd rows on the stripe colour, even rows white, the chosen row on yellow (65503) in black;
// the text 7 pixels from the left and 2 from the top.
class StripedRows final : public QStyledItemDelegate {
  public:
    StripedRows(QColor stripe, QObject* parent) : QStyledItemDelegate(parent), stripe_(stripe) {}

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        const QColor back = selected            ? QColor(0xDF, 0xFF, 0x00)
                            : (index.row() % 2) ? stripe_
                                                : QColor(Qt::white);
        p->fillRect(option.rect, back);
        p->setPen(selected ? QColor(Qt::black) : option.palette.color(QPalette::Text));
        p->setFont(option.font);
        p->drawText(option.rect.adjusted(7, 2, -2, 0), Qt::AlignLeft | Qt::AlignTop,
                    index.data().toString());
    }

  private:
    QColor stripe_;
};

}  // namespace

int choosableRow(const QAbstractItemModel& model, int direction) {
    const int rows = model.rowCount();
    for (int i = 0; i < rows; ++i) {
        const int row = direction < 0 ? rows - 1 - i : i;
        if (model.flags(model.index(row, 0)) & Qt::ItemIsEnabled) return row;
    }
    return -1;
}

NumberListPopup::NumberListPopup(QWidget* parent, const char* name, int rows, QColor stripe)
    : QFrame(parent, Qt::Popup), view_(new QListView(this)), rows_(rows) {
    setObjectName(name);
    view_->setObjectName(QString::fromLatin1(name) + "View");  // the list a reader names
    // A reader finds the list inside the window that opened it, not in a window of its own.
    setAccessibleParent(*this, parent);
    setFrameShape(QFrame::Box);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(view_);
    view_->setItemDelegate(new StripedRows(stripe, view_));
    view_->setUniformItemSizes(true);  // a long history lays out in constant time
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->installEventFilter(this);
    connect(view_, &QListView::clicked, this, [this](const QModelIndex& i) { choose(i.row()); });
}

void NumberListPopup::open(QAbstractItemModel* model, QWidget* anchor, int current) {
    view_->setModel(model);
    // Named for a screen reader ("Liste des taux de TVA"), in the interface language.
    const QString name = nameKeptFor(*view_);
    if (!name.isEmpty()) {
        view_->setAccessibleName(name);
        setAccessibleName(name);  // the popup that holds it, which a reader meets first
    }
    const int rowHeight = view_->fontMetrics().height() + 4;
    const int shown = std::min(rows_, std::max(1, model->rowCount()));
    resize(std::max({anchor->width(), 160, widestRow(*model)}), shown * rowHeight + 4);
    move(anchor->mapToGlobal(QPoint(0, anchor->height())));
    show();
    view_->setFocus();
    const int rows = model->rowCount();
    const QModelIndex target = model->index(rows > 0 ? std::clamp(current, 0, rows - 1) : 0, 0);
    const bool moves = view_->currentIndex() != target;
    view_->setCurrentIndex(target);
    // The row the list opens on is said after the list's name. Taking the focus, the list
    // made its first row current before a reader heard of the list itself: that row is told
    // again when it stays the current one.
    if (!moves && target.isValid() && QAccessible::isActive()) {
        QAccessibleEvent focus(view_, QAccessible::Focus);
        focus.setChild(target.row());
        QAccessible::updateAccessibility(&focus);
    }
}

// As wide as its longest row, so that no rate or ceiling is cut: the text's margins, the frame
// and room for the scroll bar. A long history is measured on its first rows only.
int NumberListPopup::widestRow(const QAbstractItemModel& model) const {
    const QFontMetrics metrics = view_->fontMetrics();
    const int rows = std::min(model.rowCount(), kMeasuredRows);
    int widest = 0;
    for (int r = 0; r < rows; ++r)
        widest = std::max(widest, metrics.horizontalAdvance(model.index(r, 0).data().toString()));
    const int scrollBar =
        model.rowCount() > rows_ ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    return widest + 7 + 2 + 2 * frameWidth() + 2 + scrollBar + 4;
}

// The choice is made before the list closes and the focus goes back: a screen reader hears
// the control under its new name ("Taux de TVA : 5,5 %"), not the old one.
void NumberListPopup::choose(int row) {
    if (onChosen && row >= 0) onChosen(row);
    hide();
}

void NumberListPopup::hideEvent(QHideEvent* event) {
    QFrame::hideEvent(event);
    if (onClosed) onClosed();
}

bool NumberListPopup::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            choose(view_->currentIndex().row());
            return true;
        }
        // Home and End reach the first and the last row that can be chosen: the list's own
        // stopped on a blank row, and did nothing.
        if (key == Qt::Key_Home || key == Qt::Key_End) {
            const int row = choosableRow(*view_->model(), key == Qt::Key_End ? -1 : 1);
            if (row >= 0) view_->setCurrentIndex(view_->model()->index(row, 0));
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace zumbrel::gui
