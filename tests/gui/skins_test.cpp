// Skins: folders of pictures found without regard to case, read with bounds, cut out by their
// fuchsia, chosen in the skins window, and a damaged one never leaves the keypad without one.

#include <gtest/gtest.h>

#include <QBitmap>
#include <QListWidget>
#include <QPainter>
#include <QTemporaryDir>

#include "core/config/install_layout.h"
#include "gui/arrange/skin_chooser.h"
#include "gui/arrange/skins.h"
#include "gui/arrange/window_arranger.h"
#include "gui/keypad/status_line.h"
#include "gui/ui/artwork.h"
#include "keypad_fixture.h"

namespace zumbrel::gui {
namespace {

const QColor kGreen(0, 200, 0);
const QColor kPink(255, 0, 255);

class Skins : public KeypadFixture {
  protected:
    void SetUp() override {
        KeypadFixture::SetUp();
        keypad->setLanguageSource(app.path().toStdString(),
                                  static_cast<int>(config::InstallCode::ZMB));
        arranger().setSkinFolders(app.path(), data.path());
    }
    WindowArranger& arranger() { return *WindowArranger::of(*keypad); }
    // A picture of one colour, with a transparent square in its top left corner.
    static QImage picture(QSize size, QColor colour) {
        QImage img(size, QImage::Format_ARGB32);
        img.fill(colour);
        QPainter p(&img);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.fillRect(0, 0, 40, 40, Qt::transparent);
        return img;
    }
    void makeSkin(const QString& folder, const QString& keyboardName, QColor colour) {
        QDir().mkpath(folder);
        ASSERT_TRUE(picture({626, 560}, colour).save(folder + "/" + keyboardName, "PNG"));
    }
    QColor keypadPixel(QPoint at) { return keypad->grab().toImage().pixelColor(at); }
    QTemporaryDir app;
    QTemporaryDir data;
};

// The window's outline of a painted skin is worked out without painting the picture; it
// must be exactly what is not fuchsia in the picture, corner pixel for corner pixel.
TEST(PaintedSkinShape, is_what_the_painted_picture_leaves_of_the_fuchsia) {
    const std::pair<const char*, artwork::SkinTheme> themes[] = {
        {"blue", artwork::builtInTheme()}, {"graphite", artwork::graphiteTheme()}};
    for (const auto& [name, theme] : themes) {
        for (const QSize size : {artwork::kKeypadSkinSize, artwork::kCompactSkinSize, QSize(97, 61),
                                 QSize(626 * 3 / 2, 560 * 3 / 2)}) {
            const QImage painted = artwork::keypadSkin(size, theme);
            const QRegion expected(QBitmap::fromImage(
                painted.createMaskFromColor(artwork::kTransparentKey, Qt::MaskInColor)));
            const QRegion shape = artwork::keypadSkinShape(size, theme);
            EXPECT_TRUE(shape.xored(expected).isEmpty())
                << name << " " << size.width() << "x" << size.height() << ": "
                << shape.xored(expected).rectCount() << " rectangles differ";
            EXPECT_FALSE(shape.contains(QPoint(0, 0)));
            EXPECT_TRUE(shape.contains(QPoint(size.width() / 2, size.height() / 2)));
        }
    }
}

TEST_F(Skins, a_skin_folder_is_found_without_regard_to_case_and_put_on_the_keypad) {
    makeSkin(app.filePath("resources/SKINS/Vert"), "SKINKEYBOARD.PNG", kGreen);
    ASSERT_TRUE(picture({400, 156}, Qt::blue)
                    .save(app.filePath("resources/SKINS/Vert/skinsmall.gif"), "PNG"));
    const QColor before = keypadPixel({8, 300});
    EXPECT_TRUE(arranger().useSkin("vert"));
    EXPECT_EQ(arranger().skinName(), "Vert");
    EXPECT_EQ(keypadPixel({8, 300}), kGreen);
    EXPECT_NE(before, kGreen);
    // Its transparent corner is not the window.
    EXPECT_FALSE(keypad->mask().contains(QPoint(5 + 10, 4 + 10)));
    EXPECT_TRUE(keypad->mask().contains(QPoint(5 + 100, 4 + 100)));
    // The compact keypad wears the skin's small picture.
    keypad->findChild<QAction*>("mItemHideKeyboard")->trigger();
    EXPECT_EQ(keypadPixel({7, 100}), QColor(Qt::blue));
}

TEST_F(Skins, the_users_own_folder_is_searched_too) {
    makeSkin(data.filePath("skins/Mine"), "SkinKeyBoard.png", kGreen);
    EXPECT_TRUE(arranger().useSkin("Mine"));
    EXPECT_EQ(keypadPixel({8, 300}), kGreen);
}

TEST_F(Skins, the_older_place_in_the_resources_folder_still_works) {
    QDir(app.path()).mkpath("Resources");
    ASSERT_TRUE(
        picture({626, 480}, kGreen).save(app.filePath("Resources/skinkeyboard.gif"), "PNG"));
    EXPECT_TRUE(arranger().useSkin(QString()));
    EXPECT_EQ(keypadPixel({8, 300}), kGreen);
}

TEST_F(Skins, a_damaged_skin_keeps_the_built_in_one_and_says_so) {
    const QColor builtIn = keypadPixel({8, 300});
    QDir().mkpath(app.filePath("Resources/Skins/Broken"));
    QFile broken(app.filePath("Resources/Skins/Broken/SkinKeyBoard.png"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("\x89PNG\r\n\x1a\n not a picture at all");
    broken.close();
    EXPECT_FALSE(arranger().useSkin("Broken"));
    EXPECT_EQ(keypadPixel({8, 300}), builtIn);
    EXPECT_EQ(arranger().skinName(), "");
    EXPECT_TRUE(keypad->statusLine().message().startsWith("Le skin n'a pas pu être lu"));
    EXPECT_FALSE(arranger().useSkin("Nowhere"));  // a name the settings keep, its folder gone
}

// A PNG chunk: length, type, data and the CRC-32 of type and data.
QByteArray pngChunk(const QByteArray& type, const QByteArray& data) {
    QByteArray out;
    const auto be32 = [&out](quint32 v) {
        for (int shift : {24, 16, 8, 0})
            out.append(char((v >> shift) & 0xFF));
    };
    be32(static_cast<quint32>(data.size()));
    quint32 crc = 0xFFFFFFFFu;
    for (char c : type + data) {
        crc ^= static_cast<quint8>(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    out += type + data;
    be32(crc ^ 0xFFFFFFFFu);
    return out;
}

// A PNG file that declares a picture of 60000 x 60000 pixels and holds no pixel.
QByteArray hugePng() {
    QByteArray header;
    for (quint32 v : {60000u, 60000u}) {
        for (int shift : {24, 16, 8, 0})
            header.append(char((v >> shift) & 0xFF));
    }
    header.append("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) + pngChunk("IDAT", {}) +
           pngChunk("IEND", {});
}

TEST_F(Skins, a_picture_too_large_is_refused_before_it_is_decoded) {
    QFile huge(app.filePath("huge.png"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    huge.write(hugePng());
    huge.close();
    QString error;
    EXPECT_TRUE(readSkinPicture(huge.fileName(), {626, 560}, error).isNull());
    EXPECT_TRUE(error.contains("60000")) << error.toStdString();
}

TEST_F(Skins, the_skins_window_lists_the_skins_and_puts_the_chosen_one_on) {
    makeSkin(app.filePath("Resources/Skins/Vert"), "SkinKeyBoard.png", kGreen);
    makeSkin(data.filePath("zumbrel/skins/Autre"), "skinkeyboard.png", Qt::red);
    // The window looks in the user's data folder of the environment.
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    arranger().setSkinFolders(app.path(), data.filePath("zumbrel"));
    SkinChooser& chooser = SkinChooser::open(*keypad, arranger());
    QListWidget* list = chooser.list();
    ASSERT_EQ(list->count(), 3);  // the built-in one, then by name
    EXPECT_EQ(list->item(1)->text(), "Autre");
    EXPECT_EQ(list->item(2)->text(), "Vert");
    // The previews show through the fuchsia corners, as the window does, with no pink edge.
    for (int row = 0; row < list->count(); ++row) {
        const QImage preview = list->item(row)->icon().pixmap(140, 125).toImage().convertToFormat(
            QImage::Format_ARGB32);
        ASSERT_FALSE(preview.isNull()) << row;
        EXPECT_EQ(qAlpha(preview.pixel(0, 0)), 0) << "row " << row;
        // chosen, a skin keeps its colours
        const QImage chosen = list->item(row)
                                  ->icon()
                                  .pixmap(140, 125, QIcon::Selected)
                                  .toImage()
                                  .convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(chosen.pixel(70, 60), preview.pixel(70, 60)) << "row " << row;
        for (int y = 0; y < preview.height(); ++y)
            for (int x = 0; x < preview.width(); ++x) {
                const QRgb p = preview.pixel(x, y);
                ASSERT_FALSE(qAlpha(p) > 0 && qRed(p) > 200 && qBlue(p) > 200 && qGreen(p) < 60)
                    << "fuchsia at " << x << ", " << y << " of row " << row;
            }
    }
    EXPECT_EQ(list->currentRow(), 0);
    list->setCurrentRow(2);
    chooser.useSelected();
    EXPECT_EQ(arranger().skinName(), "Vert");
    EXPECT_EQ(keypadPixel({8, 300}), kGreen);
    list->setCurrentRow(0);
    chooser.useSelected();
    EXPECT_EQ(arranger().skinName(), "");
    chooser.close();
    qunsetenv("XDG_DATA_HOME");
}

}  // namespace
}  // namespace zumbrel::gui
