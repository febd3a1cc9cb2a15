#include "gui/keypad/kept_numbers_panel.h"

#include <QAbstractListModel>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QStringListModel>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolButton>

#include "core/calc/calculator.h"
#include "core/calc/number_text.h"
#include "gui/keypad/display_view.h"
#include "gui/keypad/number_drag.h"
#include "gui/ui/accessibility.h"
#include "gui/ui/number_list_popup.h"
#include "gui/ui/painted_widgets.h"
#include "gui/ui/qt_ports.h"

namespace zumbrel::gui {

// The history as a list model: rows are read when they are drawn, never copied.
class HistoryModel final : public QAbstractListModel {
  public:
    HistoryModel(const History& history, QObject* parent)
        : QAbstractListModel(parent), history_(history) {}
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(history_.lineCount());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
        const std::string line = history_.line(static_cast<std::size_t>(index.row()));
        // A reader hears "6 000,00", never the grouping apostrophe read digit by digit.
        return qs(role == Qt::AccessibleTextRole ? calc::spokenGrouping(line, ds_) : line);
    }
    // The blank lines between calculations only part them: the arrow keys pass over them and
    // a reader never stops on a row with nothing to say.
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        if (!index.isValid() || history_.line(static_cast<std::size_t>(index.row())).empty())
            return Qt::NoItemFlags;
        return QAbstractListModel::flags(index);
    }
    void setDecimalSeparator(char ds) { ds_ = ds; }
    // The history grew or was cleared: views read it again.
    void reload() {
        beginResetModel();
        endResetModel();
    }

  private:
    const History& history_;
    char ds_ = ',';
};

namespace {

const QColor kNavy(0, 0, 128);

}  // namespace

NumberLabel::NumberLabel(const QString& name, const QString& caption, QWidget* parent)
    : QLabel(parent), caption_(caption) {
    setObjectName(name);
    setAcceptDrops(true);
    setFocusPolicy(Qt::TabFocus);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setAutoFillBackground(true);
    setFrameShape(QFrame::StyledPanel);
    setMargin(2);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    setAccessibleName(caption);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

void NumberLabel::setCaption(const QString& caption) {
    caption_ = caption;
    setAccessibleName(number_.isEmpty() ? caption_ : withColon(caption_, number_));
    update();
}

bool NumberLabel::setNumber(const QString& number) {
    if (number == number_) return false;
    number_ = number;
    setText(number);  // drawn by paintEvent; the text stays for what reads the label
    setToolTip(number);
    // A negative value is red, any other navy.
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, number.contains('-') ? QColor(255, 0, 0) : kNavy);
    setPalette(pal);
    setAccessibleName(number.isEmpty() ? caption_ : withColon(caption_, number));
    return true;
}

// The caption in small letters on the top line, the number below it, right-aligned: the two
// never overlap. A number too long for the cell shrinks down to a legible size; beyond that
// the cell shows a sign that it does not fit (never a part of the number, which would read as
// another number), and the whole value is in its hint and its accessible name.
void NumberLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    QStyleOptionFrame frame;
    frame.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Frame, &frame, &p, this);
    QFont small = font();
    small.setPixelSize(kCaptionPixels);
    small.setBold(false);
    p.setFont(small);
    p.setPen(QColor(120, 130, 160));
    p.drawText(rect().adjusted(3, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, caption_);
    if (number_.isEmpty()) return;
    const QRect area = numberArea();
    p.setPen(palette().color(QPalette::WindowText));
    if (const std::optional<QFont> fits =
            fontToFit(font(), number_, area.width(), kSmallestPoints)) {
        p.setFont(*fits);
        p.drawText(area, Qt::AlignRight | Qt::AlignVCenter, number_);
    } else {
        p.setFont(font());
        p.drawText(area, Qt::AlignCenter, QStringLiteral("↔ …"));
    }
}

QRect NumberLabel::numberArea() const {
    return rect().adjusted(3, kCaptionPixels, -3, -1);
}

bool NumberLabel::numberFits() const {
    return number_.isEmpty() ||
           fontToFit(font(), number_, numberArea().width(), kSmallestPoints).has_value();
}

// A memory keeps its press (a drag of its number may follow): it never moves the window.
void NumberLabel::mousePressEvent(QMouseEvent* event) {
    pressedAt_ = event->position().toPoint();
    QLabel::mousePressEvent(event);
    event->accept();
}

void NumberLabel::mouseMoveEvent(QMouseEvent* event) {
    if (dragDistanceReached(event, pressedAt_) && !number_.isEmpty()) {
        dragNumber(this, number_);
        return;
    }
    QLabel::mouseMoveEvent(event);
}

void NumberLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (onDoubleClicked) onDoubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}

void NumberLabel::dragEnterEvent(QDragEnterEvent* event) {
    acceptNumberDrag(event, this);
}

void NumberLabel::dropEvent(QDropEvent* event) {
    const QString number = takeDroppedNumber(event);
    if (!number.isEmpty() && onDropped) onDropped(number, droppedFromDisplay(event));
}

KeptNumbersPanel::KeptNumbersPanel(QWidget* parent, calc::Calculator& calc, const History& history)
    : QWidget(parent),
      calc_(calc),
      history_(history),
      listButton_(new QToolButton(this)),
      historyButton_(new QToolButton(this)),
      historyModel_(new HistoryModel(history, this)),
      numbers_(new QStringListModel(this)) {
    setObjectName("PanelKept");
    const auto done = [this] {
        if (changed) changed();
    };
    const auto back = [this] { broughtBack(); };
    calc::KeptPlaces& kept = calc_.kept();
    for (int i = 0; i < 3; ++i) {
        auto* m = memories_[i] = new NumberLabel(QStringLiteral("lblMemory%1").arg(i + 1),
                                                 tr("Mémoire %1").arg(i + 1), this);
        m->setGeometry(i * 58, 0, 54, 30);
        m->onDropped = [this, i, &kept, done](const QString& n, bool fromDisplay) {
            if (fromDisplay)
                calc_.keep({calc::KeptKey::Kind::DisplayToMemory, static_cast<std::size_t>(i + 1)});
            else
                kept.lblMemoryDragDrop(i, n.toStdString());
            done();
        };
        auto* recall = new QAction(tr("Rappeler dans l'affichage"), m);
        recall->setObjectName("mItemRecallMemory");
        connect(recall, &QAction::triggered, this, [this, i, back] {
            calc_.keep({calc::KeptKey::Kind::MemoryToDisplay, static_cast<std::size_t>(i + 1)});
            back();
        });
        auto* store = new QAction(tr("Garder l'affichage ici"), m);
        store->setObjectName("mItemStoreMemory");
        connect(store, &QAction::triggered, this, [this, i, done] {
            calc_.keep({calc::KeptKey::Kind::DisplayToMemory, static_cast<std::size_t>(i + 1)});
            done();
        });
        auto* clear = new QAction(tr("Effacer"), m);
        clear->setObjectName("mItemClearMemory");
        connect(clear, &QAction::triggered, this, [this, i, done] {
            calc_.kept().values().lblMemory[static_cast<std::size_t>(i)].clear();
            done();
        });
        // M+ and M−: the number shown added to this memory or taken from it, on the tape.
        const auto arithmetic = [this, i, m](const QString& caption, const char* name,
                                             calc::KeptKey::Kind kind) {
            auto* a = new QAction(caption, m);
            a->setObjectName(name);
            connect(a, &QAction::triggered, this, [this, i, kind] {
                if (onKey) onKey(calc::KeptKey{kind, static_cast<std::size_t>(i + 1)});
            });
            return a;
        };
        m->addActions({recall, store,
                       arithmetic(tr("Ajouter l'affichage (M+)"), "mItemAddToMemory",
                                  calc::KeptKey::Kind::MemoryPlus),
                       arithmetic(tr("Soustraire l'affichage (M-)"), "mItemSubtractFromMemory",
                                  calc::KeptKey::Kind::MemoryMinus),
                       clear});
    }

    listButton_->setObjectName("BMemCombo");
    listButton_->setText(QStringLiteral("≡"));
    listButton_->setAccessibleName(tr("Liste des nombres mémorisés"));
    listButton_->setGeometry(0, 36, 30, 28);
    listButton_->setAcceptDrops(true);
    listButton_->installEventFilter(this);
    connect(listButton_, &QToolButton::clicked, this, [this] { openNumberList(); });

    historyButton_->setObjectName("imgHistoryOpe");
    historyButton_->setText(QStringLiteral("⟲"));
    historyButton_->setAccessibleName(tr("Historique des opérations"));
    historyButton_->setGeometry(34, 36, 30, 28);
    connect(historyButton_, &QToolButton::clicked, this, [this] { openHistory(); });
    for (QToolButton* b : {listButton_, historyButton_}) {
        b->setFocusPolicy(Qt::TabFocus);
        b->setAutoRaise(true);
    }

    panel_ = new NumberLabel("pnlPP", tr("Presse-papier"), this);
    panel_->setGeometry(68, 36, 102, 28);
    panel_->onDropped = [this, &kept, done](const QString& n, bool fromDisplay) {
        if (fromDisplay)
            calc_.keep({calc::KeptKey::Kind::DisplayToPanel});
        else
            kept.pnlPPDragDrop(n.toStdString());
        done();
    };
    panel_->onDoubleClicked = [this, back] {
        calc_.keep({calc::KeptKey::Kind::PanelToDisplay});
        back();
    };
    auto* give = new QAction(tr("Mettre dans l'affichage"), panel_);
    give->setObjectName("mItemPanelToDisplay");
    connect(give, &QAction::triggered, this, [this, back] {
        calc_.keep({calc::KeptKey::Kind::PanelToDisplay});
        back();
    });
    panel_->addAction(give);

    resize(172, 66);
}

// The two lists are made when first opened: nothing of them costs start-up time.
NumberListPopup* KeptNumbersPanel::numberList() {
    if (!numberList_) {
        numberList_ = new NumberListPopup(this, "cbbListNbr", 17, QColor(0xF2, 0xC6, 0xF5));
        numberList_->onChosen = [this](int row) {
            calc_.keep({calc::KeptKey::Kind::ListItem, static_cast<std::size_t>(row + 1)});
            broughtBack();
        };
    }
    return numberList_;
}

NumberListPopup* KeptNumbersPanel::historyList() {
    if (!historyList_) {
        historyList_ = new NumberListPopup(this, "cbbListHistorOpe", 21, QColor(0xBF, 0xE3, 0x81));
        historyList_->onChosen = [this](int row) {
            calc_.keep({calc::KeptKey::Kind::HistoryLine, static_cast<std::size_t>(row + 1)});
            broughtBack();
        };
    }
    return historyList_;
}

KeptNumbersPanel::~KeptNumbersPanel() = default;

void KeptNumbersPanel::broughtBack() {
    if (recalled)
        recalled();
    else if (changed)
        changed();
}

// BMemCombo takes the numbers dropped on it into the list, and opens the list on a press of
// either button: its hint says "Clic droit afin de dérouler la liste".
bool KeptNumbersPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == listButton_ && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        openNumberList();
        return true;
    }
    // Shift+F10 or the Menu key on it, as a right click.
    if (watched == listButton_ && event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        event->accept();
        openNumberList();
        return true;
    }
    if (watched == listButton_ && event->type() == QEvent::DragEnter) {
        acceptNumberDrag(static_cast<QDragEnterEvent*>(event), listButton_);
        return true;
    }
    if (watched == listButton_ && event->type() == QEvent::Drop) {
        const QString number = takeDroppedNumber(static_cast<QDropEvent*>(event));
        if (!number.isEmpty()) {
            if (droppedFromDisplay(static_cast<QDropEvent*>(event)))
                calc_.keep({calc::KeptKey::Kind::DisplayToList});
            else
                calc_.kept().BMemComboDragDrop(number.toStdString());
            if (changed) changed();
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void KeptNumbersPanel::present(const calc::KeptValues& kept, bool historyEmpty) {
    for (int i = 0; i < 3; ++i)
        memories_[i]->setNumber(qs(kept.lblMemory[static_cast<std::size_t>(i)]));
    if (panel_->setNumber(qs(kept.pnlPP))) updatePanelHint();
    historyButton_->setVisible(!historyEmpty);
}

void KeptNumbersPanel::updatePanelHint() {
    if (!panel_->number().isEmpty() && panelHint)
        panel_->setProperty("zumbrelHint", panelHint(panel_->number()));
}

void KeptNumbersPanel::attachDisplay(DisplayView& display) {
    display.canDrag = [this] { return calc_.kept().displayCanBeDragged(); };
    display.onNumberDropped = [this](const QString& number) {
        calc_.dropOnDisplay(number.toStdString());
        broughtBack();
    };
    display.setContextMenuPolicy(Qt::ActionsContextMenu);
    const auto item = [this, &display](const QString& caption, const char* name, auto run) {
        auto* a = new QAction(caption, &display);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, run);
        display.addAction(a);
        return a;
    };
    const auto keep = [this](calc::KeptKey key) {
        return [this, key] {
            calc_.keep(key);
            if (changed) changed();
        };
    };
    using Kind = calc::KeptKey::Kind;
    const char* const memoryItems[] = {"mItemKeepM1", "mItemKeepM2", "mItemKeepM3"};
    for (std::size_t i = 1; i <= 3; ++i)
        item(tr("Garder en mémoire %1").arg(i), memoryItems[i - 1],
             keep({Kind::DisplayToMemory, i}));
    item(tr("Ajouter à la liste des nombres"), "mItemKeepList", keep({Kind::DisplayToList}));
    // Ctrl+C copies the number shown, from anywhere in the keypad's window, as a calculator's
    // copy does; the tape's window keeps its own for the lines selected.
    QAction* copy = item(tr("Copier dans le presse-papier"), "mItemKeepClipboard",
                         keep({Kind::DisplayToPanel}));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WindowShortcut);
    item(tr("Liste des nombres mémorisés…"), "mItemOpenList", [this] { openNumberList(); });
    item(tr("Historique des opérations…"), "mItemOpenHistory", [this] { openHistory(); });
}

void KeptNumbersPanel::openNumberList() {
    if (!calc_.kept().BMemComboMouseDown()) {
        if (changed) changed();
        return;
    }
    QStringList items;
    for (const std::string& s : calc_.kept().values().cbbListNbr)
        items << qs(s);
    numbers_->setStringList(items);
    numberList()->open(numbers_, listButton_);
}

void KeptNumbersPanel::openHistory() {
    if (history_.lineCount() == 0) return;
    historyModel_->setDecimalSeparator(calc_.registers().decimalSeparator);
    historyModel_->reload();
    // On the latest line, where the last result is: reached from the oldest, a long history
    // took as many presses of Down as it has lines.
    historyList()->open(historyModel_, historyButton_, choosableRow(*historyModel_, -1));
}

}  // namespace zumbrel::gui
