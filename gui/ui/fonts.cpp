#include "gui/ui/fonts.h"

#include <QFont>
#include <QStringList>

namespace zumbrel::gui {

void installFontSubstitutes() {
    QFont::insertSubstitutions("Courier New", {"Liberation Mono", "DejaVu Sans Mono", "Monospace"});
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "DejaVu Sans"});
}

}  // namespace zumbrel::gui
