#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

namespace zumbrel::gui {

// A skin: a folder holding the full keypad's picture "SkinKeyBoard" and, if it likes, the
// compact keypad's "SkinSmall", each a GIF or a PNG file, names in any case.
struct SkinEntry {
    QString name;      // the folder's name
    QString keyboard;  // the full keypad's picture
    QString small;     // the compact keypad's picture, or empty: the built-in one
};

// The folders skins are looked for in: the program's "Resources/Skins", then the user's own.
// (The older place, "Resources" itself, holds one skin: `skinIn` it.)
QStringList skinFolders(const QString& appFolder, const QString& userDataFolder);
// The skins of those folders, by name; the first folder wins a name found twice.
std::vector<SkinEntry> findSkins(const QStringList& folders);
// The skin a folder holds, named after it; empty `keyboard` when it holds none.
SkinEntry skinIn(const QString& folder);
// A file of the folder whose name is one of `names` without regard to case, or empty.
QString fileWithoutCase(const QString& folder, const QStringList& names);

// A skin's pictures scaled to their forms without smoothing (so no pink fringe), fuchsia
// where the files are transparent. A picture that cannot be read leaves both null and says
// why; a picture above 4096 × 4096 pixels is refused before it is decoded.
struct SkinPictures {
    QImage full;
    QImage small;
    QString error;
};
SkinPictures readSkin(const SkinEntry& skin);
QImage readSkinPicture(const QString& path, QSize size, QString& error);

}  // namespace zumbrel::gui
