// The first picture of the two windows, as the program shows them at start, against the one
// kept in tests/gui/pictures. Making the start lighter must not change a pixel of it.
// ZUMBREL_WRITE_PICTURES=1 writes the kept pictures again (after a change meant to be seen).

#include <QImage>
#include <QPainter>

#include "gui/tape/tape_window.h"
#include "keypad_fixture.h"

namespace zumbrel::gui {
namespace {

struct Difference {
    int pixels = 0;
    QRect box;
};

Difference compare(const QImage& kept, const QImage& now) {
    Difference d;
    if (kept.size() != now.size()) return {kept.width() * kept.height(), kept.rect()};
    for (int y = 0; y < kept.height(); ++y) {
        for (int x = 0; x < kept.width(); ++x) {
            if (kept.pixel(x, y) == now.pixel(x, y)) continue;
            ++d.pixels;
            d.box |= QRect(x, y, 1, 1);
        }
    }
    return d;
}

QImage pictureOf(QWidget& window) {
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void expectAsKept(const QImage& now, const QString& name) {
    const QString kept = QStringLiteral(ZUMBREL_PICTURES_DIR "/") + name;
    if (qEnvironmentVariableIsSet("ZUMBREL_WRITE_PICTURES")) {
        ASSERT_TRUE(now.save(kept)) << kept.toStdString();
        return;
    }
    const QImage before(kept);
    ASSERT_FALSE(before.isNull()) << "no kept picture " << kept.toStdString();
    const Difference d = compare(before.convertToFormat(QImage::Format_RGB32), now);
    if (d.pixels == 0) return;
    const QString seen = QDir::temp().filePath(name);
    now.save(seen);
    ADD_FAILURE() << name.toStdString() << ": " << d.pixels << " pixels differ, within ("
                  << d.box.x() << ", " << d.box.y() << ") " << d.box.width() << " x "
                  << d.box.height() << "; the picture now is " << seen.toStdString();
}

TEST(FirstPicture, the_keypad_and_the_tape_look_as_they_did_before_the_start_was_lightened) {
    KeypadWindow keypad(composeFeatures);
    keypad.show();
    keypad.tapeWindow().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&keypad));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&keypad.tapeWindow()));
    // Nothing focused: no caret blinks into the picture.
    if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
    QApplication::processEvents();
    expectAsKept(pictureOf(keypad), QStringLiteral("first_keypad.png"));
    expectAsKept(pictureOf(keypad.tapeWindow()), QStringLiteral("first_tape.png"));
}

// The icons for the window manager are painted once the keypad is on screen; both windows
// get the program's own.
TEST(FirstPicture, both_windows_get_the_programs_icon_once_the_keypad_shows) {
    KeypadWindow keypad(composeFeatures);
    keypad.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&keypad));
    for (int i = 0; i < 50 && keypad.tapeWindow().windowIcon().isNull(); ++i)
        QTest::qWait(10);
    for (QWidget* w :
         {static_cast<QWidget*>(&keypad), static_cast<QWidget*>(&keypad.tapeWindow())}) {
        const QImage icon = w->windowIcon().pixmap(32, 32).toImage();
        ASSERT_FALSE(icon.isNull()) << w->objectName().toStdString();
        EXPECT_EQ(icon.size(), QSize(32, 32));
        EXPECT_NE(qAlpha(icon.pixel(16, 16)), 0) << "the icon is painted in its middle";
    }
}

}  // namespace
}  // namespace zumbrel::gui
