#include "gui/ui/cd_edit.h"

#include <QKeyEvent>

namespace zumbrel::gui {

TCDEdit::TCDEdit(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void TCDEdit::setTextAlignment(TextAlignment a) {
    if (a == alignment_) return;
    alignment_ = a;
    const Qt::Alignment h = a == TextAlignment::LeftJustify    ? Qt::AlignLeft
                            : a == TextAlignment::RightJustify ? Qt::AlignRight
                                                               : Qt::AlignHCenter;
    setAlignment(h | Qt::AlignVCenter);
}

void TCDEdit::setOnlyNumbers(bool on) {
    onlyNumbers_ = on;
}

void TCDEdit::keyPressEvent(QKeyEvent* event) {
    const QString t = event->text();
    const bool printable = !t.isEmpty() && t.at(0).isPrint();
    if (onlyNumbers_ && printable && !t.at(0).isDigit()) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace zumbrel::gui
