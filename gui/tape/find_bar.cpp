#include "gui/tape/find_bar.h"

#include <QAccessible>
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>
#include <limits>

#include "core/calc/number_text.h"
#include "core/tape/tape_search.h"
#include "gui/tape/tape_view.h"
#include "gui/tape/tape_window.h"

namespace zumbrel::gui {
namespace {

constexpr Message kField{"FIND_FIELD", "Texte ou montant à rechercher"};
constexpr Message kNext{"FIND_NEXT", "Suivant"};
constexpr Message kPrevious{"FIND_PREVIOUS", "Précédent"};
constexpr Message kCount{"FIND_COUNT", "%1 sur %2"};
constexpr Message kNone{"FIND_NONE", "Aucun résultat"};
constexpr Message kClose{"FIND_CLOSE", "Fermer la recherche"};

const QColor kMatch(255, 255, 128);
const QColor kCurrentMatch(255, 176, 64);

}  // namespace

FindBar::FindBar(TapeView& view, std::function<QString(const Message&)> text,
                 std::function<char()> decimalSeparator, QWidget* parent)
    : QWidget(parent),
      view_(view),
      text_(std::move(text)),
      decimalSeparator_(std::move(decimalSeparator)),
      field_(new QLineEdit(this)),
      previous_(new QPushButton(this)),
      next_(new QPushButton(this)),
      count_(new QLabel(this)),
      close_(new QPushButton(QStringLiteral("×"), this)) {
    setObjectName("pnlFind");
    field_->setObjectName("edtFind");
    previous_->setObjectName("btnFindPrevious");
    next_->setObjectName("btnFindNext");
    count_->setObjectName("lblFindCount");
    close_->setObjectName("btnFindClose");
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    row->addWidget(field_, 1);
    field_->setMinimumWidth(80);
    row->addWidget(previous_);
    row->addWidget(next_);
    row->addWidget(count_);
    row->addWidget(close_);
    close_->setFixedWidth(24);
    field_->installEventFilter(this);
    again_.setSingleShot(true);
    again_.setInterval(150);
    connect(&again_, &QTimer::timeout, this, &FindBar::search);
    slice_.setSingleShot(true);
    slice_.setInterval(0);
    connect(&slice_, &QTimer::timeout, this, &FindBar::scanSlice);
    connect(field_, &QLineEdit::textChanged, this, [this] {
        searchedBlocks_ = 0;
        again_.start();
    });
    connect(next_, &QPushButton::clicked, this, &FindBar::next);
    connect(previous_, &QPushButton::clicked, this, &FindBar::previous);
    connect(close_, &QPushButton::clicked, this, &FindBar::close);
    // Lines of a long file arriving, or the calculator writing: searched again.
    connect(view_.document(), &QTextDocument::blockCountChanged, this, [this] {
        if (isVisible() && !field_->text().trimmed().isEmpty()) again_.start();
    });
    // Lines taken away (a new tape, an open file, a hand edit): the matches found are no
    // longer where they were. They are forgotten at once, before anything paints them, and
    // the tape is searched again.
    connect(view_.document(), &QTextDocument::contentsChange, this, [this](int, int removed, int) {
        if (removed == 0 || (matches_.empty() && !slice_.isActive())) return;
        matches_.clear();
        current_ = -1;
        slice_.stop();
        found_.clear();
        repaint_.start();
        if (isVisible() && !field_->text().trimmed().isEmpty()) again_.start();
    });
    connect(view_.verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (isVisible()) repaint_.start();
    });
    // The marks are set once the change under way is over: setting them from inside a change
    // of the document (a scroll its layout makes) deletes cursors the document is still
    // moving.
    repaint_.setSingleShot(true);
    repaint_.setInterval(0);
    connect(&repaint_, &QTimer::timeout, this, &FindBar::highlight);
    hide();
}

void FindBar::retranslate() {
    field_->setPlaceholderText(text_(kField));
    field_->setAccessibleName(text_(kField));
    previous_->setText(text_(kPrevious));
    next_->setText(text_(kNext));
    close_->setAccessibleName(text_(kClose));
    close_->setToolTip(text_(kClose));
    const auto keys = [](QKeyCombination k) {
        return QKeySequence(k).toString(QKeySequence::NativeText);
    };
    previous_->setToolTip(previous_->text() + " (" + keys(Qt::SHIFT | Qt::Key_F3) + ")");
    next_->setToolTip(next_->text() + " (" + keys(QKeyCombination(Qt::Key_F3)) + ")");
    // The count keeps its width, so that the buttons never move under the pointer.
    const QFontMetrics metrics = count_->fontMetrics();
    count_->setMinimumWidth(std::max(metrics.horizontalAdvance(text_(kCount).arg(8888).arg(8888)),
                                     metrics.horizontalAdvance(text_(kNone))));
}

void FindBar::open() {
    // The active window's focus, not a menu's that is closing (Ctrl+F or the menu item).
    QWidget* active = QApplication::activeWindow();
    QWidget* focused = active ? active->focusWidget() : nullptr;
    if (focused && !isAncestorOf(focused)) returnTo_ = focused;
    retranslate();
    show();
    field_->setFocus(Qt::ShortcutFocusReason);
    field_->selectAll();
    if (!field_->text().trimmed().isEmpty()) search();
}

void FindBar::close() {
    again_.stop();
    slice_.stop();
    repaint_.stop();
    matches_.clear();
    current_ = -1;
    view_.setExtraSelections({});
    // Back where Ctrl+F was pressed (the display, the tape), before the bar hides: hidden with
    // the focus, it would pass it on to the next control (the ruler) for a moment, which a
    // screen reader says.
    QWidget* back = returnTo_ ? returnTo_.data() : &view_;
    back->window()->activateWindow();
    back->setFocus(Qt::OtherFocusReason);
    hide();
}

QString FindBar::countText() const {
    if (field_->text().trimmed().isEmpty()) return {};
    if (matches_.empty()) return text_(kNone);
    return text_(kCount).arg(current_ + 1).arg(matches_.size());
}

QString FindBar::lineText(int block) const {
    return view_.document()->findBlockByNumber(block).text().trimmed();
}

void FindBar::search() {
    query_.emplace(field_->text().toStdString());
    firstSearch_ = searchedBlocks_ == 0;
    before_ = matches_.empty() || current_ < 0 ? -1 : matches_[current_];
    found_.clear();
    scanned_ = 0;
    scanSlice();
}

// A long tape is searched a slice at a time, the window answering in between.
void FindBar::scanSlice() {
    if (!scan(kSlice)) {
        count_->setText(QStringLiteral("…"));
        slice_.start();
        return;
    }
    finish();
}

bool FindBar::scan(int budget) {
    const char ds = decimalSeparator_();
    std::string line;
    QTextBlock b = view_.document()->findBlockByNumber(scanned_);
    for (; b.isValid() && budget > 0; b = b.next(), ++scanned_, --budget) {
        line = b.text().toStdString();
        if (query_->matches(line, ds)) found_.push_back(scanned_);
    }
    return !b.isValid();
}

void FindBar::finish() {
    matches_ = std::move(found_);
    found_.clear();
    searchedBlocks_ = scanned_;
    if (matches_.empty()) {
        current_ = -1;
        count_->setText(countText());
        highlight();
        if (firstSearch_) announce(countText());
        return;
    }
    // The current match stays where it was when more lines came; a new text starts from the
    // first match at or after the caret's line, or from the first one (searching wraps).
    const int from = !firstSearch_ && before_ >= 0 ? before_ : view_.textCursor().blockNumber();
    int index = static_cast<int>(std::lower_bound(matches_.begin(), matches_.end(), from) -
                                 matches_.begin());
    if (index == static_cast<int>(matches_.size())) index = firstSearch_ ? 0 : index - 1;
    if (firstSearch_) {
        goTo(index);
    } else {
        current_ = index;
        count_->setText(countText());
        highlight();
    }
}

// A search typed but not yet made, or not yet through the tape, is finished first; a new
// text's first match is then the one to go to.
bool FindBar::settle() {
    if (again_.isActive()) {
        again_.stop();
        query_.emplace(field_->text().toStdString());
        firstSearch_ = searchedBlocks_ == 0;
        before_ = matches_.empty() || current_ < 0 ? -1 : matches_[current_];
        found_.clear();
        scanned_ = 0;
    } else if (!slice_.isActive()) {
        return false;
    }
    slice_.stop();
    scan(std::numeric_limits<int>::max());
    const bool first = firstSearch_;
    finish();
    return first && !matches_.empty();
}

void FindBar::next() {
    if (settle()) return;
    if (matches_.empty()) {
        announce(countText());
        return;
    }
    goTo((current_ + 1) % static_cast<int>(matches_.size()));
}

void FindBar::previous() {
    if (settle()) return;
    if (matches_.empty()) {
        announce(countText());
        return;
    }
    const int n = static_cast<int>(matches_.size());
    goTo((current_ - 1 + n) % n);
}

void FindBar::goTo(int index) {
    const QTextBlock block = view_.document()->findBlockByNumber(matches_[index]);
    if (!block.isValid()) return;  // lines gone meanwhile: the search runs again
    current_ = index;
    view_.setTextCursor(QTextCursor(block));
    view_.ensureCursorVisible();
    count_->setText(countText());
    highlight();
    // A reader hears thousands apart by spaces, whatever the tape shows.
    const std::string line = lineText(matches_[index]).toStdString();
    announce(QString::fromStdString(calc::spokenGrouping(line, decimalSeparator_())) + ". " +
             countText());
}

// Only the matches in sight are painted: a million matches cost nothing while scrolling.
void FindBar::highlight() {
    QList<QTextEdit::ExtraSelection> marks;
    if (!matches_.empty()) {
        const int first = view_.cursorForPosition(QPoint(0, 0)).blockNumber();
        const int shown =
            view_.viewport()->height() / std::max(1, view_.fontMetrics().height()) + 2;
        auto it = std::lower_bound(matches_.begin(), matches_.end(), first);
        for (; it != matches_.end() && *it <= first + shown; ++it) {
            const QTextBlock block = view_.document()->findBlockByNumber(*it);
            if (!block.isValid()) break;
            QTextEdit::ExtraSelection mark;
            mark.cursor = QTextCursor(block);
            mark.format.setBackground(current_ >= 0 && *it == matches_[current_] ? kCurrentMatch
                                                                                 : kMatch);
            mark.format.setProperty(QTextFormat::FullWidthSelection, true);
            marks.append(mark);
        }
    }
    view_.setExtraSelections(marks);
}

// Said where the focus is, in the field, as text a reader announces.
void FindBar::announce(const QString& said) {
    if (said.isEmpty()) return;
    if (QAccessible::isActive()) {
        QAccessibleTextInsertEvent inserted(field_, field_->cursorPosition(), said);
        QAccessible::updateAccessibility(&inserted);
    }
    if (onAnnounced) onAnnounced(said);
}

// Keys typed in the bar stay in it: Enter goes to the next match (Shift+Enter the previous
// one; on a focused button, that button), Escape closes; none reaches the tape window, which
// would hand it to the keypad.
void FindBar::keyPressEvent(QKeyEvent* key) {
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (key->key() == Qt::Key_Escape) {
        close();
    } else if (enter && focusWidget() == previous_) {
        previous();
    } else if (enter && focusWidget() == close_) {
        close();
    } else if (enter) {
        (key->modifiers() & Qt::ShiftModifier) ? previous() : next();
    }
    key->accept();
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    // The field lets Enter through (it only signals it): the bar takes it.
    if (watched == field_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape || key->key() == Qt::Key_Return ||
            key->key() == Qt::Key_Enter) {
            keyPressEvent(key);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

FindBar* findBarOf(TapeWindow& tape) {
    return tape.findChild<FindBar*>("pnlFind", Qt::FindDirectChildrenOnly);
}

void installFindCommands(const FindCommands& c) {
    const auto bar = [c]() -> FindBar* {
        TapeWindow& tape = *c.tape;
        if (!tape.isVisible() && c.showTape && c.showTape->isEnabled()) c.showTape->trigger();
        tape.show();
        tape.raise();
        tape.activateWindow();
        FindBar* made = findBarOf(tape);
        if (!made) {
            made = new FindBar(*tape.editor(), c.text, c.decimalSeparator, &tape);
            tape.setFindBar(made);
        }
        return made;
    };
    const auto onBoth = [c](QAction* a) {
        a->setEnabled(true);
        c.tape->addAction(a);  // the keypad has it already: from both windows
    };
    onBoth(c.find);
    onBoth(c.next);
    onBoth(c.previous);
    QObject::connect(c.find, &QAction::triggered, c.tape, [bar] { bar()->open(); });
    // F3 and Shift+F3 open the bar when it is closed or empty, otherwise they move.
    const auto move = [bar](bool forward) {
        FindBar* b = bar();
        if (!b->isVisible() || b->field()->text().trimmed().isEmpty()) {
            b->open();
        } else if (forward) {
            b->next();
        } else {
            b->previous();
        }
    };
    QObject::connect(c.next, &QAction::triggered, c.tape, [move] { move(true); });
    QObject::connect(c.previous, &QAction::triggered, c.tape, [move] { move(false); });
}

}  // namespace zumbrel::gui
