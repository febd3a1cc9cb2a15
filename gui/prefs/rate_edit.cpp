#include "gui/prefs/rate_edit.h"

#include <QApplication>
#include <QKeyEvent>

#include "core/prefs/rate_field.h"

namespace zumbrel::gui {
namespace {

bool isPaste(const QKeyEvent& e) {
    return e.matches(QKeySequence::Paste) ||
           (e.key() == Qt::Key_Insert && e.modifiers() == Qt::ShiftModifier);
}

}  // namespace

RateEdit::RateEdit(Kind kind, char decimalSeparator, QWidget* parent)
    : QLineEdit(parent), kind_(kind), ds_(decimalSeparator) {
    if (kind == Kind::TaxName) setMaxLength(static_cast<int>(prefs::kTaxNameLength));
    setAcceptDrops(false);
    connect(this, &QLineEdit::textEdited, this, [this](const QString& t) { textEdited(t); });
}

void RateEdit::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        if (onEnter) onEnter();
        return;
    }
    if (isPaste(*e)) {
        QApplication::beep();  // nothing is pasted, and the clipboard stays as it is
        return;
    }
    const QString typed = e->text();
    const bool printable = typed.size() == 1 && typed[0].isPrint();
    if (!printable || (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        QLineEdit::keyPressEvent(e);  // arrows, Home, End, Backspace, Delete, Tab, undo
        return;
    }
    const char c = typed[0].unicode() < 128 ? static_cast<char>(typed[0].unicode()) : '\0';
    std::optional<char> accepted;
    switch (kind_) {
        case Kind::Rate:
            accepted = prefs::rateCharacter(c, text().toStdString(), ds_);
            break;
        case Kind::Ceiling:
            accepted = prefs::ceilingCharacter(c);
            break;
        case Kind::TaxName:
            accepted = prefs::taxNameCharacter(c);
            break;
    }
    if (!accepted) {
        QApplication::beep();
        return;
    }
    // "," and "." both type the system's separator.
    QKeyEvent mapped(e->type(), e->key(), e->modifiers(), QString(QChar(*accepted)));
    QLineEdit::keyPressEvent(&mapped);
}

void RateEdit::textEdited(const QString& t) {
    QString kept = t;
    if (kind_ == Kind::Rate) {
        const prefs::CleanedRate cleaned = prefs::cleanRate(t.toStdString(), ds_);
        if (cleaned.beep) QApplication::beep();
        kept = QString::fromStdString(cleaned.text);
        if (kept != t) {
            const int caret = cursorPosition() + static_cast<int>(kept.size() - t.size());
            setText(kept);
            setCursorPosition(std::clamp(caret, 0, static_cast<int>(kept.size())));
        }
    }
    if (onChanged) onChanged(kept);
}

void RateEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (onFocused) onFocused();
}

// No menu: it would offer to paste.
void RateEdit::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
}

// The middle button pastes the X11 selection in a plain edit: not here.
void RateEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

}  // namespace zumbrel::gui
