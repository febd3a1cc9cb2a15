#include "gui/ui/fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>
#include <algorithm>

namespace zumbrel::gui {

void installFontSubstitutes() {
    QFont::insertSubstitutions("Courier New", {"Liberation Mono", "DejaVu Sans Mono", "Monospace"});
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "DejaVu Sans"});
}

QString installedFamily(const QString& family) {
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(family, Qt::CaseInsensitive)) return family;
    // Qt keeps the twins in lower case; the font database has the family's own spelling.
    for (const QString& twin : QFont::substitutes(family)) {
        const auto found = std::find_if(installed.begin(), installed.end(), [&](const QString& f) {
            return f.compare(twin, Qt::CaseInsensitive) == 0;
        });
        if (found != installed.end()) return *found;
    }
    return family;
}

}  // namespace zumbrel::gui
