// Writes the skins shipped beside the built-in one, painted by the windows' own skin code:
// make-skins FOLDER gives FOLDER/<Skin>/SkinKeyBoard.png and FOLDER/<Skin>/SkinSmall.png.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "gui/ui/artwork.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-skins FOLDER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    namespace artwork = zumbrel::gui::artwork;
    const QString folder = QString::fromLocal8Bit(argv[1]) + "/Graphite";
    const artwork::SkinTheme theme = artwork::graphiteTheme();
    const std::pair<const char*, QSize> pictures[] = {
        {"SkinKeyBoard.png", artwork::kKeypadSkinSize},
        {"SkinSmall.png", artwork::kCompactSkinSize}};
    for (const auto& [name, size] : pictures) {
        const QString path = folder + "/" + name;
        if (!QDir().mkpath(folder) || !artwork::keypadSkin(size, theme).save(path, "PNG")) {
            std::fprintf(stderr, "make-skins: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
