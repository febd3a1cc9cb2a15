// Writes the program's icon as PNG files of the usual sizes, painted by the same code that
// paints it in the windows: make-icons FOLDER APP_ID gives FOLDER/<n>x<n>/apps/APP_ID.png.

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>

#include "gui/ui/artwork.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make-icons FOLDER APP_ID\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString id = QString::fromLocal8Bit(argv[2]);
    const QIcon icon = zumbrel::gui::artwork::icon(zumbrel::gui::artwork::Glyph::AppIcon);
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        const QString path = dir + "/" + id + ".png";
        if (!QDir().mkpath(dir) || !icon.pixmap(size, size).save(path, "PNG")) {
            std::fprintf(stderr, "make-icons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
