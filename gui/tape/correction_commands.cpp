#include "gui/tape/correction_commands.h"

#include <algorithm>

#include <QAccessible>
#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

#include "core/calc/calculator.h"
#include "core/tape/tape_export.h"
#include "gui/tape/document_tape.h"
#include "gui/tape/tape_view.h"
#include "gui/tape/tape_window.h"
#include "gui/ui/accessibility.h"

namespace zumbrel::gui {
namespace {

using Kind = live::CorrectionKey::Kind;

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

struct Item {
    const char* name;
    const char* caption;
    const char* shortcut;
};
constexpr Item kItems[] = {
    {"mItemCorrectLine", "Corriger la ligne…", "F2"},
    {"mItemDeleteLine", "Supprimer la ligne", nullptr},
    {"mItemInsertAfterLine", "Insérer un montant après la ligne…", nullptr},
    {"mItemUndoCorrection", "Annuler la correction", "Ctrl+Z"},
    {"mItemRedoCorrection", "Rétablir la correction", "Ctrl+Y"},
};

constexpr Message kEditorName{"LIVE_EDITOR", "Corriger la ligne %1"};
constexpr Message kInsertName{"LIVE_INSERT_EDITOR", "Montant à insérer après la ligne %1"};

// An operator as the tape and the keyboard write it, as the calculator takes it.
char operatorOf(QChar c) {
    switch (c.unicode()) {
        case '+':
            return '+';
        case '-':
        case 0x2013:  // the tape's minus
        case 0x2212:
            return '-';
        case '*':
        case 0x00D7:
        case 'x':
            return '*';
        case '/':
        case 0x00F7:
        case ':':
            return '/';
        default:
            return 0;
    }
}

// "+ 3,00" as operator and amount ("3,00"); a line without operator is all amount.
// `comment`: the comment written on the left of the amount ("Taxi", "Fattura 7"), no part of
// it: the comment stays as it was written. Without one known, a tape line's amount is what
// follows its last letter; what the user typed is all amount, letters too, so that "3x7" is
// refused whole rather than read as 7.
enum class Source { TapeLine, Typed };
void splitLine(const QString& line, bool hasOperator, const QString& comment, char& op,
               QString& amount, Source source = Source::TapeLine) {
    QString t = line.trimmed();
    op = 0;
    if (hasOperator && !t.isEmpty() && operatorOf(t.front()) != 0) {
        op = operatorOf(t.front());
        t = t.mid(1).trimmed();
    }
    if (!comment.isEmpty() && t.startsWith(comment)) {
        amount = t.mid(comment.size()).trimmed();
        return;
    }
    if (source == Source::Typed) {
        amount = t;
        return;
    }
    qsizetype start = t.size();
    while (start > 0 && !t[start - 1].isLetter())
        --start;
    amount = t.mid(start).trimmed();
}

// What stands between a line's operator and its amount: its comment, kept as written.
QString commentPart(const QString& line, bool hasOperator, const QString& amount) {
    QString t = line.trimmed();
    if (hasOperator && !t.isEmpty() && operatorOf(t.front()) != 0) t = t.mid(1).trimmed();
    return t.left(t.size() - amount.size()).trimmed();
}

// An amount as the keys type it: no grouping, no percent sign.
QString plainAmount(QString amount) {
    amount.remove(' ').remove('\'').remove(QChar(0x00A0)).remove(QChar(0x202F));
    if (amount.endsWith('%')) amount.chop(1);
    return amount;
}

}  // namespace

CorrectionCommands::CorrectionCommands(CorrectionParts parts)
    : QObject(&parts.window), p_(std::move(parts)) {}

CorrectionCommands& CorrectionCommands::install(CorrectionParts parts) {
    auto* commands = new CorrectionCommands(std::move(parts));
    CorrectionParts& p = commands->p_;
    QMenu* edit = p.window.findChild<QMenu*>("ppmEdit");
    QMenu* tapeMenu = p.tape.contextMenu();
    QAction* before = tapeMenu->findChild<QAction*>("mItemEraseRuban");
    if (edit) edit->addSeparator();
    tapeMenu->insertSeparator(before);
    for (const Item& item : kItems) {
        for (const bool inTape : {false, true}) {
            auto* a = new QAction(tr(item.caption), inTape ? static_cast<QObject*>(tapeMenu)
                                                           : static_cast<QObject*>(&p.window));
            a->setObjectName(item.name);
            a->setProperty("zumbrelFrench", a->text());
            if (item.shortcut) {
                a->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
                a->setShortcutContext(Qt::WindowShortcut);
            }
            if (inTape) {
                tapeMenu->insertAction(before, a);
                p.tape.addAction(a);
            } else if (edit) {
                edit->addAction(a);
                p.window.addAction(a);
            }
            const std::string name = item.name;
            connect(a, &QAction::triggered, commands, [commands, name, inTape] {
                int line = inTape && commands->menuLine_ >= 0 ? commands->menuLine_
                                                              : commands->currentLine();
                commands->menuLine_ = -1;
                // The editor opens once the menu has closed and given the focus back.
                if (name == "mItemCorrectLine" || name == "mItemInsertAfterLine") {
                    const bool inserting = name == "mItemInsertAfterLine";
                    QTimer::singleShot(0, commands, [commands, line, inserting] {
                        commands->editLine(line, inserting);
                    });
                }
                live::CorrectionKey key;
                key.line = static_cast<std::size_t>(line + 1);
                if (name == "mItemDeleteLine") key.kind = Kind::Delete;
                if (name == "mItemUndoCorrection") key.kind = Kind::Undo;
                if (name == "mItemRedoCorrection") key.kind = Kind::Redo;
                if (name == "mItemDeleteLine" || name == "mItemUndoCorrection" ||
                    name == "mItemRedoCorrection")
                    commands->run(key);
            });
        }
    }
    TapeView* view = p.tape.editor();
    view->viewport()->installEventFilter(commands);
    // What the user types, pastes or drops in the edit mode changes the tape by hand.
    view->installEventFilter(commands);
    if (QAction* paste = tapeMenu->findChild<QAction*>("mItemPasteToEditor"))
        connect(paste, &QAction::triggered, commands, [commands] {
            if (commands->p_.tape.tape().editMode()) commands->editedByHand_ = true;
        });
    commands->refreshed();
    return *commands;
}

QString CorrectionCommands::text(const Message& m) const {
    return qs(p_.tr.text(m));
}

int CorrectionCommands::currentLine() const {
    DocumentTape& tape = p_.tape.tape();
    tape.finishReading();
    const int caret = p_.tape.editor()->textCursor().blockNumber();
    if (static_cast<std::size_t>(caret) + 1 < tape.storedLines()) return caret;
    // At the end of the tape: the last amount typed.
    const live::Journal& journal = p_.calculator.journal();
    for (auto it = journal.steps().rbegin(); it != journal.steps().rend(); ++it) {
        if (const auto line = it->operandLine()) return static_cast<int>(*line);
    }
    return caret;
}

void CorrectionCommands::refuse(const Message& why) {
    const QString message = text(why);
    p_.calculator.ports().sound.beep(Beep::Default);
    p_.calculator.ports().status.show(message.toStdString());
    announceInFocusedText(message);
}

bool CorrectionCommands::editLine(int line, bool inserting) {
    DocumentTape& tape = p_.tape.tape();
    tape.finishReading();
    settleHandEdits();
    if (tape.editMode() || line < 0) return false;
    const Message why = p_.calculator.corrections().refusalFor(static_cast<std::size_t>(line));
    if (!why.key.empty()) {
        refuse(why);
        return false;
    }
    TapeView* view = p_.tape.editor();
    const QTextBlock block = view->document()->findBlockByNumber(line);
    QTextCursor caret(block);
    view->setTextCursor(caret);
    view->ensureCursorVisible();
    if (!editor_) {
        editor_ = new QLineEdit(view->viewport());
        editor_->setObjectName("edtCorrectLine");
        editor_->setAlignment(Qt::AlignRight);
        editor_->installEventFilter(this);
    }
    editedLine_ = line;
    inserting_ = inserting;
    // Opened from the keypad (F2 there, its edit menu), the correction gives the focus back to
    // the keypad; opened in the tape, it stays on the tape's line.
    fromKeypad_ = !p_.tape.isActiveWindow();
    shownText_ = inserting ? QStringLiteral("+ ") : block.text().trimmed();
    comment_ = inserting ? QString() : qs(tape::lineComment(tape, static_cast<std::size_t>(line)));
    editor_->setFont(view->font());
    editor_->setText(shownText_);
    // "Corriger la ligne 3", "Zeile 3 korrigieren": the number where the language puts it.
    QString name = inserting ? text(kInsertName) : text(kEditorName);
    const QString number = QString::number(line + 1);
    name = name.contains("%1") ? name.arg(number) : name + " " + number;
    editor_->setAccessibleName(name);
    QRectF box = view->lineBox(line);
    const int height = std::max(static_cast<int>(box.height()) + 6, editor_->sizeHint().height());
    const int room = view->viewport()->height();
    if (inserting) {
        // The insertion's editor goes under its line: the tape scrolls until it shows there.
        QScrollBar* scroll = view->verticalScrollBar();
        while (box.bottom() + height > room && scroll->value() < scroll->maximum()) {
            scroll->setValue(scroll->value() + 1);
            box = view->lineBox(line);
        }
    }
    const int top = inserting ? static_cast<int>(box.bottom()) : static_cast<int>(box.top()) - 3;
    editor_->setGeometry(view->viewport()->width() / 3,
                         std::clamp(top, 0, std::max(0, room - height)),
                         view->viewport()->width() * 2 / 3 - 2, height);
    editor_->show();
    editor_->raise();
    // From the keypad (F2, the edit menu) the tape window comes forward with its editor.
    p_.tape.show();
    p_.tape.raise();
    p_.tape.activateWindow();
    editor_->setFocus(Qt::OtherFocusReason);
    // The amount is selected: typing replaces it, the operator stays.
    char op = 0;
    QString amount;
    splitLine(shownText_, true, comment_, op, amount);
    commentShown_ = commentPart(shownText_, true, amount);
    const int at = static_cast<int>(shownText_.lastIndexOf(amount));
    if (inserting || amount.isEmpty())
        editor_->selectAll();  // "5" or "+5" alike
    else
        editor_->setSelection(at, static_cast<int>(amount.size()));
    // A menu closing gives the focus back to where it was: the editor takes it again.
    QTimer::singleShot(0, editor_, [e = editor_] {
        if (e->isVisible()) e->setFocus(Qt::OtherFocusReason);
    });
    return true;
}

void CorrectionCommands::closeEditor() {
    if (!editor_ || !editor_->isVisible()) return;
    // The focus goes back to the tape first: the editor hidden with it would pass it on to
    // the next control (the ruler) for a moment, which a screen reader says.
    p_.tape.editor()->setFocus(Qt::OtherFocusReason);
    editor_->hide();
}

// The editor stays open while its correction runs: refused, it keeps the typing and the focus,
// with nothing said of the tape in between.
void CorrectionCommands::apply() {
    const QString typed = editor_->text();
    const int line = editedLine_;
    const std::string original = p_.tape.tape().line(static_cast<std::size_t>(line));
    const QString shown = qs(original).trimmed();
    const bool hasOperator = inserting_ || (!shown.isEmpty() && operatorOf(shown.front()) != 0);
    char oldOp = 0, newOp = 0;
    QString oldAmount, newAmount;
    splitLine(shownText_, hasOperator, comment_, oldOp, oldAmount);
    splitLine(typed, hasOperator, commentShown_, newOp, newAmount, Source::Typed);
    const bool percent = newAmount.endsWith('%') && !oldAmount.endsWith('%');
    live::CorrectionKey key;
    key.line = static_cast<std::size_t>(line + 1);
    if (inserting_) {
        if (plainAmount(newAmount).isEmpty()) {  // nothing typed: nothing inserted
            closeEditor();
            return;
        }
        key.kind = Kind::Insert;
        key.op = newOp ? newOp : '+';
        key.text = plainAmount(newAmount).toStdString();
        run(key, &typed);
        return;
    }
    const bool operatorChanged = hasOperator && newOp && newOp != oldOp;
    const bool amountChanged = plainAmount(newAmount) != plainAmount(oldAmount);
    key.op = newOp;
    key.text = plainAmount(newAmount).toStdString();
    // The operator and the amount changed in one edit are one correction, undone at once.
    if (operatorChanged && amountChanged)
        key.kind = Kind::FixLine;
    else if (operatorChanged)
        key.kind = Kind::FixOperator;
    else if (amountChanged)
        key.kind = Kind::Fix;
    if (!operatorChanged && !amountChanged && !percent) closeEditor();  // nothing changed
    if ((operatorChanged || amountChanged) && !run(key, &typed)) return;
    if (percent) {
        key.kind = Kind::FixOperator;
        key.op = '%';
        run(key);
    }
}

// The amount of what was typed, selected: typing mends it.
void CorrectionCommands::selectTypedAmount(const QString& typed) {
    char op = 0;
    QString amount;
    splitLine(typed, true, commentShown_, op, amount, Source::Typed);
    editor_->setText(typed);
    if (amount.isEmpty())
        editor_->end(false);
    else
        editor_->setSelection(static_cast<int>(typed.lastIndexOf(amount)),
                              static_cast<int>(amount.size()));
    editor_->setFocus(Qt::OtherFocusReason);
}

bool CorrectionCommands::run(const live::CorrectionKey& key, const QString* typed) {
    // A correction from a menu never leaves an editor over a line it changed.
    if (!typed) closeEditor();
    p_.tape.tape().finishReading();
    settleHandEdits();
    // The lines rewritten may scroll the tape: it stays where the user was looking.
    QScrollBar* scroll = p_.tape.editor()->verticalScrollBar();
    const int scrolledTo = scroll->value();
    running_ = true;
    p_.tape.changeHere([&] { p_.key(key); });
    running_ = false;
    const auto& outcomes = p_.calculator.corrections().outcomes();
    if (outcomes.empty()) return false;
    const live::CorrectionOutcome& outcome = outcomes.back();
    if (outcome.done) {
        closeEditor();
        std::vector<int> blocks;
        for (const std::size_t l : outcome.correction.changedLines)
            blocks.push_back(static_cast<int>(l));
        p_.tape.editor()->markChangedLines(std::move(blocks));
        scroll->setValue(scrolledTo);
        QTextCursor caret(p_.tape.editor()->document()->findBlockByNumber(
            static_cast<int>(std::min(outcome.correction.line, p_.tape.tape().storedLines() - 1))));
        p_.tape.editor()->setTextCursor(caret);
        // Begun in the tape, the correction leaves the focus on its line, where Down and F2
        // take the next one. With a screen reader listening, the display takes it and says
        // the new total: a reader says nothing of what the tape's text is told. Begun on the
        // keypad, it gives the keypad back.
        if ((fromKeypad_ && typed) || QAccessible::isActive()) p_.tape.OutCursor();
    } else if (typed && editor_ && editor_->isVisible()) {
        selectTypedAmount(*typed);
    }
    announceInFocusedText(qs(outcome.message(p_.tr)));
    return outcome.done;
}

void CorrectionCommands::refreshed() {
    settleHandEdits();
    // The refresh of the correction itself keeps the change bars and the editor it runs from
    // (hidden with the focus, the editor gave it to the ruler); the next key takes them away.
    if (!running_) {
        p_.tape.editor()->clearChangedLines();
        // A key typed on the keypad meanwhile: the editor goes, changing nothing.
        if (editor_ && editor_->isVisible()) editor_->hide();
    }
    const bool edit = p_.tape.tape().editMode();
    live::Corrections& corrections = p_.calculator.corrections();
    for (QObject* owner :
         {static_cast<QObject*>(&p_.window), static_cast<QObject*>(p_.tape.contextMenu())}) {
        for (const Item& item : kItems) {
            auto* a = owner->findChild<QAction*>(item.name, Qt::FindDirectChildrenOnly);
            if (!a) continue;
            const std::string_view name = item.name;
            if (name == "mItemUndoCorrection")
                a->setEnabled(!edit && corrections.canUndo());
            else if (name == "mItemRedoCorrection")
                a->setEnabled(!edit && corrections.canRedo());
            else
                a->setEnabled(!edit);
        }
    }
}

// A line changed by hand in the edit mode leaves the journal: what was typed before it can
// no longer be corrected from keys that would not match it.
void CorrectionCommands::settleHandEdits() {
    if (!editedByHand_ || p_.tape.tape().editMode()) return;
    editedByHand_ = false;
    p_.calculator.restartJournal();
}

bool CorrectionCommands::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editor_) {
        const int key =
            event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event)->key() : 0;
        if (key == Qt::Key_Escape) {
            closeEditor();
            return true;
        }
        // Enter is taken here: it must not go on to the calculator as "=".
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            apply();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
    TapeView* view = p_.tape.editor();
    const bool editMode = p_.tape.tape().editMode();
    if (editMode && ((watched == view && event->type() == QEvent::KeyPress &&
                      !static_cast<QKeyEvent*>(event)->text().isEmpty()) ||
                     (watched == view->viewport() && event->type() == QEvent::Drop)))
        editedByHand_ = true;
    if (watched == view->viewport() && !editMode) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (event->type() == QEvent::MouseButtonDblClick && mouse->button() == Qt::LeftButton) {
            p_.tape.tape().finishReading();
            editLine(view->cursorForPosition(mouse->position().toPoint()).blockNumber());
            return true;
        }
        if (event->type() == QEvent::MouseButtonPress) closeEditor();
        if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::RightButton) {
            p_.tape.tape().finishReading();
            menuLine_ = view->cursorForPosition(mouse->position().toPoint()).blockNumber();
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zumbrel::gui
