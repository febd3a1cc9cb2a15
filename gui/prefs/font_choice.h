#pragma once

#include <QFont>
#include <optional>

class QWidget;

namespace zumbrel::gui {

// The font dialog lists the families the system has. A font it lacks (Courier New on most Linux
// desktops) is drawn by the family standing in for it, and the dialog opens on that family, so
// that it never falls back to its first entry.
QFont fontShownInDialog(const QFont& current);
// The font chosen in the dialog, with the current family's own name kept when the user left
// the family the dialog opened on: an OK without a change changes nothing.
QFont fontKept(const QFont& chosen, const QFont& current);
// Opens the font dialog on the current font; nothing when it is cancelled.
std::optional<QFont> askFont(const QFont& current, QWidget* parent);

}  // namespace zumbrel::gui
