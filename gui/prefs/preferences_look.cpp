// The preferences' fonts tab: the display's font, colours and place, the tape's font and
// paper. The font and colour dialogs only ask; the choose* functions apply.

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "gui/keypad/keypad_window.h"
#include "gui/prefs/font_choice.h"
#include "gui/prefs/preferences_texts.h"
#include "gui/prefs/preferences_window.h"

namespace zumbrel::gui {

using namespace prefs_texts;

namespace {

// The display's top and height, and what an emptied box gives.
struct SpinDef {
    const char* name;
    Message label;
    int low, high, emptied;
};
const SpinDef kSpins[] = {{"seTopEdit", kDisplayTop, 10, 50, 34},
                          {"seHeightEdit", kDisplayHeight, 30, 50, 33}};

QPushButton* button(QGroupBox* box, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, box);
    b->setObjectName(name);
    box->layout()->addWidget(b);
    return b;
}

}  // namespace

void PreferencesWindow::buildFonts() {
    QWidget* page = addTab("TabSheet9", text(kFont));
    QGroupBox* display = addGroup(page, "gbDisplay", text(kDisplayFont));
    connect(button(display, "btnFontChangeDisplay", text(kChangeDisplayFont)),
            &QPushButton::clicked, this, [this] {
                const KeypadWindow::DisplayLook look = keypad_.displayLook();
                const std::optional<QFont> font = askFont(look.font, this);
                if (!font) return;
                const QColor ink = QColorDialog::getColor(look.ink, this);
                chooseDisplayFont(*font, ink.isValid() ? ink : look.ink);
            });
    connect(button(display, "btnBackDisplay", text(kChangeDisplayColour)), &QPushButton::clicked,
            this, [this] {
                const QColor back = QColorDialog::getColor(keypad_.displayLook().back, this);
                if (back.isValid()) chooseDisplayBack(back);
            });
    for (const SpinDef& d : kSpins) {
        auto* row = new QWidget(display);
        auto* line = new QHBoxLayout(row);
        line->setContentsMargins(0, 0, 0, 0);
        auto* label = new QLabel(text(d.label), row);
        auto* spin = new QSpinBox(row);
        spin->setObjectName(d.name);
        spin->setRange(d.low, d.high);
        spin->setAccessibleName(text(d.label));
        label->setBuddy(spin);
        const KeypadWindow::DisplayLook look = keypad_.displayLook();
        spin->setValue(d.emptied == 34 ? look.top : look.height);
        hintAtOnce(spin);
        line->addWidget(label);
        line->addStretch();
        line->addWidget(spin);
        display->layout()->addWidget(row);
        const bool top = d.emptied == 34;
        connect(spin, &QSpinBox::valueChanged, this, [this, top](int v) {
            KeypadWindow::DisplayLook look = keypad_.displayLook();
            (top ? look.top : look.height) = v;
            keypad_.setDisplayLook(look);
        });
    }

    QGroupBox* tape = addGroup(page, "gbRibbon", text(kTapeFont));
    connect(button(tape, "btnFontChangeRibbon", text(kChangeTapeFont)), &QPushButton::clicked, this,
            [this] {
                const KeypadWindow::TapeLook look = keypad_.tapeLook();
                QFont current(look.fontName);
                current.setPointSize(look.pointSize);
                const std::optional<QFont> font = askFont(current, this);
                if (!font) return;
                const QColor ink = QColorDialog::getColor(look.ink, this);
                chooseTapeFont(*font, ink.isValid() ? ink : look.ink);
            });
    connect(button(tape, "btnBackRibbon", text(kChangeTapeColour)), &QPushButton::clicked, this,
            [this] {
                const QColor paper = QColorDialog::getColor(keypad_.tapeLook().paper, this);
                if (paper.isValid()) chooseTapeBack(paper);
            });
    defaultFont_ = new QCheckBox(text(kDefaultFont), tape);
    defaultFont_->setObjectName("cbDefaultFontEditor");
    hintAtOnce(defaultFont_);
    tape->layout()->addWidget(defaultFont_);
    connect(defaultFont_, &QCheckBox::clicked, this, [this] {
        keypad_.setTapeLook(KeypadWindow::TapeLook{});  // Courier New, 12 points, black
        QApplication::beep();
        updateDefaultFontBox();
    });
    updateDefaultFontBox();
}

// The box is offered only while the tape's font is not the default one.
void PreferencesWindow::updateDefaultFontBox() {
    const KeypadWindow::TapeLook look = keypad_.tapeLook();
    defaultFont_->setChecked(false);
    defaultFont_->setVisible(
        !(look.fontName == "Courier New" && look.pointSize == 12 && look.ink == QColor(Qt::black)));
}

void PreferencesWindow::chooseDisplayFont(const QFont& font, const QColor& ink) {
    KeypadWindow::DisplayLook look = keypad_.displayLook();
    look.font = font;
    look.ink = ink;
    keypad_.setDisplayLook(look);
}

void PreferencesWindow::chooseDisplayBack(const QColor& back) {
    KeypadWindow::DisplayLook look = keypad_.displayLook();
    look.back = back;
    keypad_.setDisplayLook(look);
}

void PreferencesWindow::chooseTapeFont(const QFont& font, const QColor& ink) {
    KeypadWindow::TapeLook look = keypad_.tapeLook();
    look.fontName = font.family();
    look.pointSize = font.pointSize() > 0 ? font.pointSize() : look.pointSize;
    look.ink = ink;
    keypad_.setTapeLook(look);
    updateDefaultFontBox();
}

void PreferencesWindow::chooseTapeBack(const QColor& paper) {
    KeypadWindow::TapeLook look = keypad_.tapeLook();
    look.paper = paper;
    keypad_.setTapeLook(look);
}

}  // namespace zumbrel::gui
