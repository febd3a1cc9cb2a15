// Nothing a user reads as an amount is cut off: a cut amount reads as another number. Each
// case draws the widget and measures its text against the room the widget gives it.

#include <gtest/gtest.h>

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

#include "core/calc/calculator.h"
#include "core/config/settings.h"
#include "gui/business/business_panel.h"
#include "gui/tape/document_tape.h"
#include "gui/tape/tape_view.h"
#include "gui/tape/tape_window.h"
#include "gui/ui/number_list_popup.h"
#include "keypad_fixture.h"

namespace zumbrel::gui {
namespace {

class Clipping : public TranslatedKeypadFixture {
  protected:
    void SetUp() override {
        TranslatedKeypadFixture::SetUp();
        keypad->tapeWindow().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&keypad->tapeWindow()));
    }
    void type(const char* keys) { QTest::keyClicks(keypad.get(), keys); }
    void press(const char* button) {
        QTest::mouseClick(keypad->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    // The self-employed block of a turnover past the ceiling, its warning box closed.
    void exceedTheCeiling() {
        QTimer::singleShot(0, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                box->setProperty("expected", true);
                box->close();
            }
        });
        press("BtnCAResteAE");
    }
    void language(const char* item) { keypad->findChild<QAction*>(item)->trigger(); }
    // The widest tape line, as drawn in its own font, against the room the view gives it.
    void expectEveryLineFits(const char* what) {
        TapeView* view = keypad->tapeWindow().editor();
        const int room =
            view->viewport()->width() - 2 * static_cast<int>(view->document()->documentMargin());
        for (QTextBlock b = view->document()->begin(); b.isValid(); b = b.next()) {
            if (b.text().isEmpty()) continue;
            const QFont font = b.begin().fragment().charFormat().font();
            EXPECT_LE(QFontMetrics(font).horizontalAdvance(b.text()), room)
                << what << ": " << b.text().toStdString();
        }
    }
};

// The longest lines the program writes come from the self-employed block with a 15-digit
// turnover: in every language they fit the tape at its default size.
TEST_F(Clipping, a_fifteen_digit_self_employed_block_fits_the_default_tape_in_every_language) {
    const char* const languages[] = {"FRAN", "CORS", "ENGL", "GERM",
                                     "ITAL", "PORT", "QUEB", "SPAN"};
    for (const char* lang : languages) {
        language(lang);
        keypad->tapeWindow().tape().clear();
        type("999999999999999");
        exceedTheCeiling();
        type("999999999999999");
        press("BtnChargesAE");
        expectEveryLineFits(lang);
    }
    language("FRAN");
}

// A line wider than the view still shows its amount when it is written: the view scrolls to
// the line's end.
TEST_F(Clipping, a_line_too_wide_for_a_narrow_tape_shows_its_amount) {
    keypad->tapeWindow().resize(220, 400);
    QApplication::processEvents();
    type("999999999999999");
    exceedTheCeiling();
    QApplication::processEvents();
    QScrollBar* bar = keypad->tapeWindow().editor()->horizontalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
}

// The self-employed profiles list is as wide as its longest row: no ceiling is cut.
TEST_F(Clipping, the_profile_list_shows_every_row_whole) {
    keypad->findChild<QWidget*>("pnlAE")->setFocus();
    QTest::keyClick(keypad->findChild<QWidget*>("pnlAE"), Qt::Key_Space);
    auto* list = keypad->findChild<NumberListPopup*>("cbbListProfilAE");
    ASSERT_TRUE(list->isVisible());
    QListView* view = list->view();
    const int room = view->viewport()->width() - 7 - 2;  // the rows' left and right margins
    for (int r = 0; r < view->model()->rowCount(); ++r) {
        const QString row = view->model()->index(r, 0).data().toString();
        EXPECT_LE(view->fontMetrics().horizontalAdvance(row), room) << row.toStdString();
    }
    list->hide();
}

// The line counter says its whole sentence, however many lines the tape has.
TEST_F(Clipping, the_line_counter_shows_its_whole_text) {
    for (int i = 0; i < 30; ++i)
        type("1234567+");
    QApplication::processEvents();
    auto* counter = keypad->tapeWindow().findChild<QPushButton*>("btnClicMagic");
    ASSERT_TRUE(counter->isVisible());
    EXPECT_LE(QFontMetrics(counter->font()).horizontalAdvance(counter->text()),
              counter->width() - 8)
        << counter->text().toStdString();
}

// The name's italic leans past its advance: the label holds the whole drawing.
TEST_F(Clipping, the_title_shows_its_last_letter_whole) {
    auto* name = keypad->findChild<QLabel*>("imgNameHead");
    EXPECT_LE(QFontMetrics(name->font()).boundingRect(name->text()).right(),
              name->contentsRect().right());
}

}  // namespace
}  // namespace zumbrel::gui
