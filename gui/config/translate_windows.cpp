#include "gui/config/translate_windows.h"

#include <QHash>
#include <QMenu>
#include <QVariant>

#include "core/config/language_keys.h"
#include "gui/ui/accessibility.h"
#include "gui/ui/qt_ports.h"

namespace zumbrel::gui {
// Whether an object belongs to the window itself and not to a window it owns (the tape
// window is a child of the keypad window and has items of the same names). Popup menus are
// windows too, but they belong to the window that owns them.
bool ownedByWindow(const QObject* o, const QWidget& window) {
    for (const QObject* p = o->parent(); p; p = p->parent()) {
        if (p == &window) return true;
        const auto* w = qobject_cast<const QWidget*>(p);
        if (w && w->isWindow() && !qobject_cast<const QMenu*>(w)) return false;
    }
    return false;
}

std::string WindowTranslator::text(const Message& m) const {
    return french_ ? std::string(m.french) : t_.text(m.key);
}

QString WindowTranslator::accessibleText(std::string_view key) const {
    return french_ ? qs(config::frenchAccessibleName(key)) : qs(t_.text(key));
}

void WindowTranslator::setAccessibleNames(QWidget& window) const {
    applyAccessibleNames(window, [this](std::string_view key) { return accessibleText(key); });
}

void applyAccessibleNames(QWidget& window, const std::function<QString(std::string_view)>& text) {
    // The window's own controls by name, found in one walk (the first of a name wins).
    QHash<QString, QWidget*> controls{{window.objectName(), &window}};
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->objectName().isEmpty() && !controls.contains(w->objectName()) &&
            ownedByWindow(w, window))
            controls.insert(w->objectName(), w);
    }
    QVariantHash later;  // the names of controls made when they are first needed
    for (const config::AccessibleNameKey& k : config::accessibleNameKeys()) {
        if (k.control.empty()) continue;
        QWidget* w = controls.value(qs(k.control));
        if (k.description) {
            if (!w) continue;
            w->setAccessibleDescription(text(k.key));
            if (!w->toolTip().isEmpty()) w->setToolTip(text(k.key));
            continue;
        }
        if (w) setAccessibleCaption(*w, text(k.key));
        later.insert(qs(k.control), text(k.key));
    }
    keepNamesForLater(window, later);
    for (QWidget* w : std::as_const(controls)) {
        if (auto* receiver = dynamic_cast<TakesAccessibleTexts*>(w))
            receiver->takeAccessibleTexts(text);
    }
}

void applyFrenchAccessibleNames(QWidget& window) {
    applyAccessibleNames(
        window, [](std::string_view key) { return qs(config::frenchAccessibleName(key)); });
}

WindowTranslator::WindowTranslator(const FileSystem& files, const std::string& appFolder,
                                   config::InstallCode code, const config::LanguageRow& row)
    : file_(config::ProfileFile::load(files, config::languageFilePath(files, appFolder, row))),
      t_(file_, row, code),
      french_(config::usesFrenchTexts(code, row.letter)) {}

}  // namespace zumbrel::gui
