#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "core/tape/recent_tapes.h"

class QAction;
class QMenu;
class QWidget;

namespace zumbrel::gui {

// "Fichier > Tapes récentes": the last eight tapes opened or saved, newest first (the name,
// the folder in the hint), Ctrl+1 … Ctrl+8 from either window, and "Effacer la liste". A tape
// opened or saved is also given to the desktop's list of recent documents.
class RecentTapesMenu final : public QObject {
  public:
    // `menu` holds the eight places ("mItemRecent1" …) and "mItemRecentClear"; `open` opens a
    // tape the way "Ouvrir" does.
    RecentTapesMenu(QMenu& menu, QWidget& tapeWindow, std::function<void(const std::string&)> open,
                    QObject* parent);
    static RecentTapesMenu* of(const QObject& owner);

    void load(const std::vector<std::string>& paths);
    const std::vector<std::string>& paths() const { return list_.paths(); }
    void used(const std::string& path);     // opened or saved
    void missing(const std::string& path);  // asked for, but gone

  private:
    void refresh();

    QMenu& menu_;
    std::function<void(const std::string&)> open_;
    tape::RecentTapes list_;
};

// Adds the file to the desktop's recent documents (recently-used.xbel, through GLib), so the
// file manager and the launcher list it. False when that list cannot be written.
bool tellDesktopRecent(const std::string& path);
// Takes a file that has gone off that list.
bool forgetDesktopRecent(const std::string& path);

}  // namespace zumbrel::gui
