#include "gui/keypad/keypad_keys.h"

#include <QKeyEvent>

namespace zumbrel::gui {

bool isSwallowedKey(const QKeyEvent& e) {
    if (e.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    return e.key() == Qt::Key_Left || e.key() == Qt::Key_Right || e.key() == Qt::Key_Up ||
           e.key() == Qt::Key_Down;
}

std::optional<calc::KeyAction> calculatorKey(const QKeyEvent& e) {
    if (e.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    switch (e.key()) {
        case Qt::Key_Escape:
            return calc::Command::Escape;
        case Qt::Key_Backspace:
            return calc::Command::Backspace;
        case Qt::Key_Delete:
            return calc::Command::Delete;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return '\r';
        default:
            break;
    }
    const QString text = e.text();
    if (text.size() != 1 || !text.at(0).isPrint() || text.at(0) == ' ') return std::nullopt;
    const char16_t c = text.at(0).unicode();
    // The square root and the sign change have letters of their own, as in zumbrel-cli.
    if (c == 'r' || c == 'R') return calc::Command::SquareRoot;
    if (c == 's' || c == 'S') return calc::Command::SignChange;
    return c < 0x80 ? static_cast<char>(c) : '\x7f';  // anything else is refused
}

}  // namespace zumbrel::gui
