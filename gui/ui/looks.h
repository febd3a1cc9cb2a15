#pragma once

#include <QColor>
#include <QFont>
#include <QString>

namespace zumbrel::gui {

// The display's font, ink and background, its top and height (as the settings count them).
struct DisplayLook {
    QFont font;
    QColor ink;
    QColor back;
    int top = 35;
    int height = 33;
};

// The tape's font, its ink and its paper.
struct TapeLook {
    QString fontName = QStringLiteral("Courier New");
    int pointSize = 12;
    QColor ink = Qt::black;
    QColor paper{0xD7, 0xD7, 0xFF};
};

}  // namespace zumbrel::gui
