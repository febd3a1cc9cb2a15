// The keypad window's settings in and out: the calculator's registers and flags, the
// business registers, the display's look and the tape's.

#include <QLabel>

#include "core/calc/calculator.h"
#include "core/calc/kept_numbers.h"
#include "core/config/settings.h"
#include "gui/business/business_panel.h"
#include "gui/keypad/display_view.h"
#include "gui/keypad/keypad_window.h"
#include "gui/keypad/status_line.h"
#include "gui/tape/document_commands.h"
#include "gui/tape/document_tape.h"
#include "gui/tape/tape_view.h"
#include "gui/tape/tape_window.h"
#include "gui/ui/painted_widgets.h"
#include "gui/ui/qt_ports.h"

namespace zumbrel::gui {
namespace {

// The display's top in the settings counts from the top panel's edge, 4 pixels above.
constexpr int kDisplayTopOffset = 4;

// DisplayFontStyle: 1 bold, 2 italic, 4 underline, 8 strike-out.
long styleBits(const QFont& f) {
    return (f.bold() ? 1 : 0) | (f.italic() ? 2 : 0) | (f.underline() ? 4 : 0) |
           (f.strikeOut() ? 8 : 0);
}

void setStyleBits(QFont& f, long bits) {
    f.setBold(bits & 1);
    f.setItalic(bits & 2);
    f.setUnderline(bits & 4);
    f.setStrikeOut(bits & 8);
}

QColor colorOf(long value) {
    return toQColor(Color{static_cast<std::uint32_t>(value)});
}

long valueOf(const QColor& c) {
    return static_cast<long>(fromQColor(c).bgr);
}

}  // namespace

void KeypadWindow::applySettings(const config::Settings& s) {
    documents_->modifiedWarn = s.modifiedWarn;
    calc_->business().take(s);
    business_->refresh();
    calc::Registers& r = calc_->registers();
    r.lblNbrDecPref = s.nbrDec;
    r.lblSepDec = s.sepDec;
    r.lblMemory4 = s.memories[3];
    calc::KeptValues& kept = calc_->kept().values();
    std::copy_n(s.memories.begin(), 3, kept.lblMemory.begin());
    kept.cbbListNbr = calc::numberListOf(s.listNbr);
    r.memory4Color = s.memories[3].starts_with('-') ? colors::kRed : colors::kNavy;
    calc_->settings().warnCR = s.warnCR;
    calc_->settings().okBoxGum = s.okBoxGum;
    calc_->settings().seekUpdate = s.seekUpdate;
    calc_->settings().shortInterim = s.shortAnnouncements;
    calc_->settings().countItems = s.countItems;

    setTapeLook({qs(s.ribbonFontName), s.ribbonFontSize, colorOf(s.ribbonFontColor),
                 colorOf(s.ribbonBackColor)});
    QFont font(qs(s.displayFontName));
    font.setPointSize(static_cast<int>(std::clamp(s.displayFontSize, 6L, 96L)));
    setStyleBits(font, s.displayFontStyle);
    setDisplayLook({font, colorOf(s.displayFontColor), colorOf(s.displayBackColor),
                    static_cast<int>(std::clamp(s.displayTop, 4L, 64L)),
                    static_cast<int>(std::clamp(s.displayHeight, 10L, 67L))});
    refresh();
}

void KeypadWindow::collectSettings(config::Settings& s) const {
    calc_->business().give(s);
    const calc::Registers& r = calc_->registers();
    s.nbrDec = r.lblNbrDecPref;
    s.sepDec = r.lblSepDec;
    s.memories[3] = r.lblMemory4;
    const calc::KeptValues& kept = calc_->kept().values();
    std::copy_n(kept.lblMemory.begin(), 3, s.memories.begin());
    s.listNbr = kept.cbbListNbr;
    s.warnCR = calc_->settings().warnCR;
    s.okBoxGum = calc_->settings().okBoxGum;
    s.seekUpdate = calc_->settings().seekUpdate;
    s.shortAnnouncements = calc_->settings().shortInterim;
    s.countItems = calc_->settings().countItems;
    s.modifiedWarn = documents_->modifiedWarn;

    const DisplayLook display = displayLook();
    s.displayFontName = display.font.family().toStdString();
    s.displayFontSize = display.font.pointSize();
    s.displayFontStyle = styleBits(display.font);
    s.displayFontColor = valueOf(display.ink);
    s.displayBackColor = valueOf(display.back);
    s.displayTop = display.top;
    s.displayHeight = display.height;
    const TapeLook tape = tapeLook();
    s.ribbonFontName = tape.fontName.toStdString();
    s.ribbonFontSize = tape.pointSize & 0xFF;
    s.ribbonFontColor = valueOf(tape.ink);
    s.ribbonBackColor = valueOf(tape.paper);
}

KeypadWindow::DisplayLook KeypadWindow::displayLook() const {
    const QPalette p = edtVirt_->palette();
    return {edtVirt_->baseFont(), p.color(QPalette::Text), p.color(QPalette::Base),
            edtVirt_->y() + kDisplayTopOffset, edtVirt_->height()};
}

void KeypadWindow::setDisplayLook(const DisplayLook& look) {
    edtVirt_->setBaseFont(look.font);
    QPalette palette = edtVirt_->palette();
    palette.setColor(QPalette::Text, look.ink);
    palette.setColor(QPalette::Base, look.back);
    edtVirt_->setPalette(palette);
    edtVirt_->setGeometry(edtVirt_->x(), look.top - kDisplayTopOffset, edtVirt_->width(),
                          look.height);
    for (const char* name : {"PanelTop", "PanelBack"}) {
        if (auto* panel = panelClavier_->findChild<RoundedPanel*>(name)) panel->setFill(look.back);
    }
    // The status line shares the display's ink.
    QPalette statusPalette = status_->label()->palette();
    statusPalette.setColor(QPalette::WindowText, look.ink);
    status_->label()->setPalette(statusPalette);
}

KeypadWindow::TapeLook KeypadWindow::tapeLook() const {
    const tape::TextStyle& style = tape_->tape().defaultStyle();
    return {qs(style.fontName), style.halfPoints / 2, toQColor(style.color),
            tape_->editor()->palette().color(QPalette::Base)};
}

void KeypadWindow::setTapeLook(const TapeLook& look) {
    tape::TextStyle font;
    font.fontName = look.fontName.toStdString();
    font.halfPoints = look.pointSize * 2;
    font.color = fromQColor(look.ink);
    DocumentTape& tape = tape_->tape();
    tape.setDefaultStyle(font);
    tape.restoreDefaultStyle();
    QPalette palette = tape_->editor()->palette();
    palette.setColor(QPalette::Base, look.paper);
    tape_->editor()->setPalette(palette);
}

}  // namespace zumbrel::gui
