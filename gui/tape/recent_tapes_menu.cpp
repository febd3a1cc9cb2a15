#include "gui/tape/recent_tapes_menu.h"

#include <glib.h>

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "gui/ui/qt_ports.h"

namespace zumbrel::gui {
namespace {

QAction* place(QMenu& menu, std::size_t i) {
    return menu.findChild<QAction*>(QStringLiteral("mItemRecent%1").arg(i + 1));
}

}  // namespace

RecentTapesMenu::RecentTapesMenu(QMenu& menu, QWidget& tapeWindow,
                                 std::function<void(const std::string&)> open, QObject* parent)
    : QObject(parent), menu_(menu), open_(std::move(open)) {
    setObjectName("recentTapes");
    for (std::size_t i = 0; i < tape::RecentTapes::kMost; ++i) {
        QAction* a = place(menu_, i);
        tapeWindow.addAction(a);  // Ctrl+1 … Ctrl+8 from the tape too
        connect(a, &QAction::triggered, this, [this, i] {
            if (i < list_.paths().size()) open_(std::string(list_.paths()[i]));
        });
    }
    connect(menu_.findChild<QAction*>("mItemRecentClear"), &QAction::triggered, this, [this] {
        list_.clear();
        refresh();
    });
    connect(&menu_, &QMenu::aboutToShow, this, &RecentTapesMenu::refresh);
    refresh();
}

RecentTapesMenu* RecentTapesMenu::of(const QObject& owner) {
    return owner.findChild<RecentTapesMenu*>("recentTapes", Qt::FindDirectChildrenOnly);
}

void RecentTapesMenu::load(const std::vector<std::string>& paths) {
    list_ = tape::RecentTapes(paths);
    refresh();
}

void RecentTapesMenu::used(const std::string& path) {
    list_.add(path);
    refresh();
    tellDesktopRecent(path);
}

void RecentTapesMenu::missing(const std::string& path) {
    list_.remove(path);
    refresh();
    forgetDesktopRecent(path);
}

void RecentTapesMenu::refresh() {
    menu_.menuAction()->setEnabled(true);
    const std::vector<std::string>& paths = list_.paths();
    for (std::size_t i = 0; i < tape::RecentTapes::kMost; ++i) {
        QAction* a = place(menu_, i);
        const bool shown = i < paths.size();
        a->setVisible(shown);
        a->setEnabled(shown);
        if (!shown) continue;
        a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(qs(tape::fileNameOf(paths[i]))));
        a->setToolTip(qs(tape::folderOf(paths[i])));
        a->setStatusTip(qs(tape::folderOf(paths[i])));  // what a screen reader says after it
    }
    menu_.findChild<QAction*>("mItemRecentClear")->setEnabled(!paths.empty());
}

namespace {

// The desktop's list, read (an unreadable or absent one starts anew), changed, written back.
bool changeDesktopRecent(const std::string& path, bool add) {
    GError* error = nullptr;
    gchar* uri = g_filename_to_uri(path.c_str(), nullptr, &error);
    if (!uri) {
        g_clear_error(&error);
        return false;
    }
    gchar* xbel = g_build_filename(g_get_user_data_dir(), "recently-used.xbel", nullptr);
    GBookmarkFile* bookmarks = g_bookmark_file_new();
    if (!g_bookmark_file_load_from_file(bookmarks, xbel, &error)) g_clear_error(&error);
    bool changed = true;
    if (add) {
        const bool rtf = g_str_has_suffix(path.c_str(), ".rtf");
        g_bookmark_file_set_mime_type(bookmarks, uri, rtf ? "application/rtf" : "text/plain");
        g_bookmark_file_add_application(bookmarks, uri, "Zumbrel", "zumbrel %u");
    } else {
        changed = g_bookmark_file_remove_item(bookmarks, uri, &error);
        g_clear_error(&error);
    }
    gchar* folder = g_path_get_dirname(xbel);
    g_mkdir_with_parents(folder, 0700);
    const bool written = changed && g_bookmark_file_to_file(bookmarks, xbel, &error);
    g_clear_error(&error);
    g_free(folder);
    g_bookmark_file_free(bookmarks);
    g_free(xbel);
    g_free(uri);
    return written;
}

}  // namespace

bool forgetDesktopRecent(const std::string& path) {
    return changeDesktopRecent(path, false);
}

bool tellDesktopRecent(const std::string& path) {
    return changeDesktopRecent(path, true);
}

}  // namespace zumbrel::gui
