#include "gui/arrange/skins.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <map>

#include "gui/ui/artwork.h"

namespace zumbrel::gui {
namespace {

constexpr int kLargestSide = 4096;
const QStringList kKeyboardNames{"skinkeyboard.png", "skinkeyboard.gif"};
const QStringList kSmallNames{"skinsmall.png", "skinsmall.gif"};

// Fuchsia where a picture is transparent, its own colour elsewhere: a pixel is window or not.
QImage opaqueOnFuchsia(const QImage& picture) {
    if (!picture.hasAlphaChannel()) return picture.convertToFormat(QImage::Format_RGB32);
    QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(argb.scanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            line[x] = qAlpha(line[x]) < 128 ? artwork::kTransparentKey : (line[x] | 0xFF000000u);
        }
    }
    return argb.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

QStringList skinFolders(const QString& appFolder, const QString& userDataFolder) {
    QStringList folders;
    const QString resources = fileWithoutCase(appFolder, {"resources"});
    if (!resources.isEmpty()) {
        const QString skins = fileWithoutCase(resources, {"skins"});
        if (!skins.isEmpty()) folders << skins;
    }
    if (!userDataFolder.isEmpty()) folders << QDir(userDataFolder).filePath("skins");
    return folders;
}

QString fileWithoutCase(const QString& folder, const QStringList& names) {
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists()) return {};
    for (const QString& entry : dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        if (names.contains(entry.toLower())) return dir.filePath(entry);
    }
    return {};
}

SkinEntry skinIn(const QString& folder) {
    return {QFileInfo(folder).fileName(), fileWithoutCase(folder, kKeyboardNames),
            fileWithoutCase(folder, kSmallNames)};
}

std::vector<SkinEntry> findSkins(const QStringList& folders) {
    std::map<QString, SkinEntry> byName;  // sorted by name, without regard to case
    for (const QString& folder : folders) {
        const QDir dir(folder);
        for (const QString& sub : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            SkinEntry skin = skinIn(dir.filePath(sub));
            if (skin.keyboard.isEmpty() || byName.contains(sub.toLower())) continue;
            byName[sub.toLower()] = std::move(skin);
        }
    }
    std::vector<SkinEntry> skins;
    for (auto& [key, skin] : byName)
        skins.push_back(std::move(skin));
    return skins;
}

QImage readSkinPicture(const QString& path, QSize size, QString& error) {
    QImageReader reader(path);
    reader.setAllocationLimit(64);  // megabytes
    const QSize declared = reader.size();
    if (declared.width() > kLargestSide || declared.height() > kLargestSide) {
        error = QStringLiteral("%1 : %2 × %3 pixels")
                    .arg(QFileInfo(path).fileName())
                    .arg(declared.width())
                    .arg(declared.height());
        return {};
    }
    const QImage picture = reader.read();
    if (picture.isNull()) {
        error = QFileInfo(path).fileName() + " : " + reader.errorString();
        return {};
    }
    return opaqueOnFuchsia(picture.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

SkinPictures readSkin(const SkinEntry& skin) {
    SkinPictures out;
    out.full = readSkinPicture(skin.keyboard, artwork::kKeypadSkinSize, out.error);
    if (!out.full.isNull() && !skin.small.isEmpty())
        out.small = readSkinPicture(skin.small, artwork::kCompactSkinSize, out.error);
    if (!out.error.isEmpty()) out.full = out.small = QImage();
    return out;
}

}  // namespace zumbrel::gui
