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
                const DisplayLook look = p_.displayLook();
                const std::optional<QFont> font = askFont(look.font, this);
                if (!font) return;
                const QColor ink = QColorDialog::getColor(look.ink, this);
                chooseDisplayFont(*font, ink.isValid() ? ink : look.ink);
            });
    connect(button(display, "btnBackDisplay", text(kChangeDisplayColour)), &QPushButton::clicked,
            this, [this] {
                const QColor back = QColorDialog::getColor(p_.displayLook().back, this);
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
        const DisplayLook look = p_.displayLook();
        spin->setValue(d.emptied == 34 ? look.top : look.height);
        hintAtOnce(spin);
        line->addWidget(label);
        line->addStretch();
        line->addWidget(spin);
        display->layout()->addWidget(row);
        const bool top = d.emptied == 34;
        connect(spin, &QSpinBox::valueChanged, this, [this, top](int v) {
            DisplayLook look = p_.displayLook();
            (top ? look.top : look.height) = v;
            p_.setDisplayLook(look);
        });
    }

    QGroupBox* tape = addGroup(page, "gbRibbon", text(kTapeFont));
    connect(button(tape, "btnFontChangeRibbon", text(kChangeTapeFont)), &QPushButton::clicked, this,
            [this] {
                const TapeLook look = p_.tapeLook();
                QFont current(look.fontName);
                current.setPointSize(look.pointSize);
                const std::optional<QFont> font = askFont(current, this);
                if (!font) return;
                const QColor ink = QColorDialog::getColor(look.ink, this);
                chooseTapeFont(*font, ink.isValid() ? ink : look.ink);
            });
    connect(button(tape, "btnBackRibbon", text(kChangeTapeColour)), &QPushButton::clicked, this,
            [this] {
                const QColor paper = QColorDialog::getColor(p_.tapeLook().paper, this);
                if (paper.isValid()) chooseTapeBack(paper);
            });
    defaultFont_ = new QCheckBox(text(kDefaultFont), tape);
    defaultFont_->setObjectName("cbDefaultFontEditor");
    hintAtOnce(defaultFont_);
    tape->layout()->addWidget(defaultFont_);
    connect(defaultFont_, &QCheckBox::clicked, this, [this] {
        p_.setTapeLook(TapeLook{});  // Courier New, 12 points, black
        QApplication::beep();
        updateDefaultFontBox();
    });
    updateDefaultFontBox();
}

// The box is offered only while the tape's font is not the default one.
void PreferencesWindow::updateDefaultFontBox() {
    const TapeLook look = p_.tapeLook();
    defaultFont_->setChecked(false);
    defaultFont_->setVisible(
        !(look.fontName == "Courier New" && look.pointSize == 12 && look.ink == QColor(Qt::black)));
}

void PreferencesWindow::chooseDisplayFont(const QFont& font, const QColor& ink) {
    DisplayLook look = p_.displayLook();
    look.font = font;
    look.ink = ink;
    p_.setDisplayLook(look);
}

void PreferencesWindow::chooseDisplayBack(const QColor& back) {
    DisplayLook look = p_.displayLook();
    look.back = back;
    p_.setDisplayLook(look);
}

void PreferencesWindow::chooseTapeFont(const QFont& font, const QColor& ink) {
    TapeLook look = p_.tapeLook();
    look.fontName = font.family();
    look.pointSize = font.pointSize() > 0 ? font.pointSize() : look.pointSize;
    look.ink = ink;
    p_.setTapeLook(look);
    updateDefaultFontBox();
}

void PreferencesWindow::chooseTapeBack(const QColor& paper) {
    TapeLook look = p_.tapeLook();
    look.paper = paper;
    p_.setTapeLook(look);
}

}  // namespace zumbrel::gui
