#include "gui/prefs/font_choice.h"

#include <QFontDialog>
#include <QFontInfo>

namespace zumbrel::gui {

QFont fontShownInDialog(const QFont& current) {
    QFont shown = current;
    shown.setFamily(QFontInfo(current).family());
    return shown;
}

QFont fontKept(const QFont& chosen, const QFont& current) {
    QFont kept = chosen;
    if (chosen.family() == fontShownInDialog(current).family()) kept.setFamily(current.family());
    return kept;
}

std::optional<QFont> askFont(const QFont& current, QWidget* parent) {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, fontShownInDialog(current), parent);
    if (!ok) return std::nullopt;
    return fontKept(chosen, current);
}

}  // namespace zumbrel::gui
