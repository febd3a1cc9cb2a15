// The keypad window's panels: the title row, the display, the keys, the command panel and
// the kept numbers, laid out once when the window is made.
#include "gui/keypad/keypad_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include "core/calc/calculator.h"
#include "core/calc/kept_numbers.h"
#include "core/calc/messages.h"
#include "core/config/install_layout.h"
#include "core/config/language.h"
#include "core/config/settings.h"
#include "core/local_file_system.h"
#include "core/memory_ports.h"
#include "core/version.h"
#include "core/voice/speech_voice.h"
#include "gui/business/business_panel.h"
#include "gui/config/translate_windows.h"
#include "gui/keypad/adding_machine_marks.h"
#include "gui/keypad/display_view.h"
#include "gui/keypad/kept_numbers_panel.h"
#include "gui/keypad/keypad_colors.h"
#include "gui/keypad/keypad_keys.h"
#include "gui/keypad/menu_bar.h"
#include "gui/keypad/status_line.h"
#include "gui/tape/document_commands.h"
#include "gui/tape/document_tape.h"
#include "gui/tape/tape_view.h"
#include "gui/tape/tape_window.h"
#include "gui/ui/accessibility.h"
#include "gui/ui/artwork.h"
#include "gui/ui/cd_edit.h"
#include "gui/ui/focus_ring.h"
#include "gui/ui/painted_widgets.h"
#include "gui/ui/qt_ports.h"
#include "gui/ui/window_mover.h"
#include "gui/voice/sound_output.h"

namespace zumbrel::gui {
namespace {

using namespace keypad_colors;

KeyButton::Colors keyColors(KeyRole role) {
    switch (role) {
        case KeyRole::Digit:
            return {QColor("#f3f5fa"), QColor("#dde3f0"), QColor("#b9c3da"), QColor("#1c2a4a")};
        case KeyRole::Operator:
            return {QColor("#dbe5fa"), QColor("#c3d2f3"), QColor("#9fb3e0"), QColor("#173a8c")};
        case KeyRole::Equals:
            return {QColor("#ef8a22"), QColor("#d27414"), QColor("#c66a10"), Qt::white};
        case KeyRole::Function:
            return {QColor("#eceef4"), QColor("#d9dce6"), QColor("#c2c6d4"), QColor("#3a3f5c")};
    }
    return {};
}

}  // namespace

void KeypadWindow::buildTitleRow(QWidget* panel) {
    auto* icon = new QLabel(panel);
    icon->setObjectName("imgIconeAppli");
    icon->setPixmap(artwork::icon(artwork::Glyph::AppIcon).pixmap(32, 32));
    icon->setGeometry(21, 6, 34, 34);
    icon->setAccessibleName("Zumbrel");

    auto* name = new QLabel("Zumbrel", panel);
    name->setObjectName("imgNameHead");
    name->setGeometry(61, 8, 110, 32);
    setTextLook(name, QColor("#203c80"), 24, true, true);
    // The italic's last letter leans past its advance: the label holds the whole drawing.
    name->resize(
        std::max(name->width(), QFontMetrics(name->font()).boundingRect(name->text()).right() + 6),
        name->height());
    name->setAccessibleName(tr("Zumbrel"));
    name->setContextMenuPolicy(Qt::CustomContextMenu);

    auto* caption = new QLabel("v " + QString::fromLatin1(kVersion.data(), kVersion.size()), panel);
    caption->setObjectName("lblCaption");
    caption->setGeometry(180, 20, 80, 18);
    setTextLook(caption, QColor("#6070a0"), 12);

    const KeypadMenus menus = buildKeypadMenus(this);
    connect(name, &QWidget::customContextMenuRequested, this,
            [this, name, menus](const QPoint& at) {
                menus.ppmAutresCalculs->popup(name->mapToGlobal(at));
            });
    const std::pair<const char*, QMenu*> bar[] = {{"Fichier", menus.ppmFiles},
                                                  {"Édition", menus.ppmEdit},
                                                  {"Fenêtres", menus.ppmFenetres},
                                                  {"Options", menus.ppmOptions},
                                                  {"Aide", menus.ppmAide}};
    const char* names[] = {"mmFichier", "mmEdit", "mmFenetre", "mmOptions", "mmAide"};
    for (std::size_t i = 0; i < 5; ++i) {
        bar[i].second->installEventFilter(this);
        auto* b = new MenuButton(tr(bar[i].first), bar[i].second, panel);
        b->setObjectName(names[i]);
        b->move(20, 48);
        menuButtons_.push_back(b);
    }
    AdjustMenus();
    connect(findChild<QAction*>("mItemQuit"), &QAction::triggered, this, [this] { close(); });
    connect(findChild<QAction*>("mItemEditRibbon"), &QAction::triggered, this,
            [this] { EditRibbonClick(); });
    for (QAction* a : menus.ppmLangage->actions()) {
        connect(a, &QAction::triggered, this,
                [this, a] { chooseLanguage(a->data().toInt(), true); });
    }

    auto* minimize = new QPushButton(QStringLiteral("–"), panel);
    minimize->setObjectName("btnMinimize");
    minimize->setAccessibleName(tr("Réduire"));
    auto* quit = new QPushButton(QStringLiteral("X"), panel);
    quit->setObjectName("btnQuit");
    quit->setAccessibleName(tr("Quitter Zumbrel"));
    for (QPushButton* b : {minimize, quit}) {
        b->setFlat(true);
        b->setFocusPolicy(Qt::TabFocus);
        setTextLook(b, QColor(0x58, 0x58, 0x58), 16, true);  // 5789784
    }
    minimize->setGeometry(535, 4, 32, 26);
    quit->setGeometry(572, 4, 32, 26);
    // Minimising the calculator minimises the application: both windows.
    connect(minimize, &QPushButton::clicked, this, [this] {
        if (tape_->isVisible()) tape_->showMinimized();
        showMinimized();
    });
    connect(quit, &QPushButton::clicked, this, [this] { close(); });
}

void KeypadWindow::buildDisplay(QWidget* panel) {
    auto* back = new RoundedPanel(panel, kPanelBack, QColor("#a8b0d8"), 8);
    back->setObjectName("PanelBack");
    back->setGeometry(20, 70, 566, 91);

    shLed_ = new QLabel(back);
    shLed_->setObjectName("shLed");
    shLed_->setGeometry(10, 6, 12, 12);
    shLed_->setPixmap([] {
        QPixmap led(24, 24);
        led.fill(Qt::transparent);
        QPainter p(&led);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor("#107020"), 2));
        p.setBrush(QColor("#20c040"));
        p.drawEllipse(QRectF(1, 1, 22, 22));
        led.setDevicePixelRatio(2);
        return led;
    }());
    shLed_->setAccessibleName(tr("Décimales supplémentaires"));
    shLed_->setToolTip(
        tr("Le nombre saisi a plus de décimales que le réglage : le résultat les garde toutes"));

    auto* top = new RoundedPanel(panel, kPanelBack, QColor(), 0);
    top->setObjectName("PanelTop");
    top->setGeometry(23, 92, 559, 67);
    top->setMouseTracking(true);
    top->installEventFilter(this);

    status_ = new StatusLineWidget(top);
    status_->setGeometry(0, 4, 458, 20);
    setTextLook(status_->label(), kNavy, 12);

    // The display keeps the keyboard focus for the window: keys typed there reach the
    // calculator, and a screen reader hears each result and message as text inserted in it.
    edtVirt_ = new DisplayView(top);
    edtVirt_->setContextMenuPolicy(Qt::NoContextMenu);
    edtVirt_->setGeometry(6, 30, 548, 34);
    edtVirt_->setAccessibleName(tr("Affichage"));
    setTextLook(edtVirt_, kDisplayInk, 26, true);
    edtVirt_->setBaseFont(edtVirt_->font());
    QPalette displayPalette = edtVirt_->palette();
    displayPalette.setColor(QPalette::Base, kPanelBack);
    displayPalette.setColor(QPalette::Text, kDisplayInk);
    edtVirt_->setPalette(displayPalette);
    setFocusProxy(edtVirt_);

    gommeClean_ = new QToolButton(top);
    gommeClean_->setObjectName("GommeClean");
    gommeClean_->setIcon(artwork::icon(artwork::Glyph::Eraser));
    gommeClean_->setGeometry(466, 4, 33, 20);
    gommeUndo_ = new QToolButton(top);
    gommeUndo_->setObjectName("GommeUndo");
    gommeUndo_->setIcon(artwork::icon(artwork::Glyph::EraserUndo));
    gommeUndo_->setGeometry(524, 4, 33, 20);
    for (QToolButton* b : {gommeClean_, gommeUndo_}) {
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::TabFocus);
    }
    gommeClean_->setAccessibleName(tr("Effacer les chiffres de cette zone de saisie"));
    gommeUndo_->setAccessibleName(
        tr("Effacer le caractère le plus à droite de cette zone de saisie"));
    hint(gommeClean_, gommeClean_->accessibleName());
    hint(gommeUndo_, gommeUndo_->accessibleName());
    connect(gommeClean_, &QToolButton::clicked, this, [this] { keyAction(calc::Command::Delete); });
    connect(gommeUndo_, &QToolButton::clicked, this,
            [this] { keyAction(calc::Command::Backspace); });

    // The input line itself is not shown: it stands on the hidden register panel.
    auto* contener = new QWidget(panel);
    contener->setObjectName("PanelContener");
    contener->hide();
    edtSaisie_ = new TCDEdit(contener);
    edtSaisie_->setObjectName("edtSaisie");
    edtSaisie_->setTextAlignment(TCDEdit::TextAlignment::RightJustify);
    edtSaisie_->setContextMenuPolicy(Qt::NoContextMenu);
    edtSaisie_->setFocusPolicy(Qt::NoFocus);
    edtSaisie_->setAccessibleName(tr("Saisie"));
}

void KeypadWindow::buildKeys(QWidget* panel) {
    constexpr int kLeft = 24, kTop = 178, kWidth = 62, kHeight = 46, kGap = 8;
    for (const KeyDef& k : kKeys) {
        auto* b = new KeyButton(QString::fromUtf8(k.caption), keyColors(k.role), 21, panel);
        b->setObjectName(k.name);
        b->setGeometry(kLeft + k.column * (kWidth + kGap), kTop + k.row * (kHeight + kGap),
                       k.columnSpan * kWidth + (k.columnSpan - 1) * kGap,
                       k.rowSpan * kHeight + (k.rowSpan - 1) * kGap);
        // Tab reaches every key, but a click leaves the focus with the calculator.
        b->setAccessibleName(QString::fromUtf8(k.description));
        const calc::KeyAction action = k.action;
        connect(b, &QPushButton::clicked, this, [this, action] { keyAction(action); });
    }
}

void KeypadWindow::buildCommandPanel(QWidget* panel) {
    auto* command = new RoundedPanel(panel, QColor("#f4f6fb"), QColor("#d5dbea"), 10);
    command->setObjectName("PanelCommand");
    command->setGeometry(400, 178, 186, 262);
    command->setMouseTracking(true);
    command->installEventFilter(this);

    auto* decimals = new QLabel(tr("Décimales"), command);
    decimals->setObjectName("lblDecimalsCaption");
    decimals->setGeometry(14, 14, 112, 24);
    setTextLook(decimals, QColor("#203060"), 13);
    lblNbrDecPref_ = new QLabel(command);
    lblNbrDecPref_->setObjectName("lblNbrDecPref");
    lblNbrDecPref_->setGeometry(130, 12, 40, 28);
    lblNbrDecPref_->setAlignment(Qt::AlignCenter);
    lblNbrDecPref_->setAutoFillBackground(true);
    setTextLook(lblNbrDecPref_, QColor(0xFF, 0x80, 0x00), 18, true);  // 33023 on navy
    QPalette navy = lblNbrDecPref_->palette();
    navy.setColor(QPalette::Window, kNavy);
    lblNbrDecPref_->setPalette(navy);
    lblNbrDecPref_->setAccessibleName(tr("Nombre de décimales"));
    hint(lblNbrDecPref_, tr("Nombre choisi de décimales (double-clic)"));

    auto* memoryCaption = new QLabel(tr("Résultat intermédiaire"), command);
    memoryCaption->setObjectName("lblMemoryCaption");
    memoryCaption->setGeometry(14, 58, 160, 20);
    setTextLook(memoryCaption, QColor("#203060"), 12);
    auto* memory = lblMemory4_ = new QLabel(command);
    memory->setObjectName("lblMemory4");
    memory->setGeometry(14, 80, 158, 28);
    memory->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    memory->setAutoFillBackground(true);
    memory->setFrameShape(QFrame::StyledPanel);
    memory->setMargin(4);
    setTextLook(memory, kNavy, 15, true);
    QPalette white = memory->palette();
    white.setColor(QPalette::Window, Qt::white);
    memory->setPalette(white);
    memory->setAccessibleName(tr("Mémoire n°4 résultat intermédiaire"));
    hint(memory, tr("Mémoire n°4 résultat intermédiaire (glisser-déposer clic gauche)"));

    symbolLang_ = new QLabel(command);
    symbolLang_->setObjectName("SymbolLang");
    symbolLang_->setGeometry(130, 130, 40, 28);
    symbolLang_->setAlignment(Qt::AlignCenter);
    symbolLang_->setAutoFillBackground(true);
    setTextLook(symbolLang_, Qt::white, 16, true);
    QPalette langPalette = symbolLang_->palette();
    langPalette.setColor(QPalette::Window, QColor("#4a6ab0"));
    symbolLang_->setPalette(langPalette);
    symbolLang_->setAccessibleName(tr("Langue"));
    hint(symbolLang_, tr("Symbole langue choisie"));

    auto* voicePicture = imgVoice_ = new QLabel(command);
    voicePicture->setObjectName("imgVoice");
    voicePicture->setGeometry(14, 124, 40, 40);
    hint(voicePicture, tr("Double-clic afin de choisir une sonorité ou autre"));

    btnReset_ = new KeyButton(tr("Reset"),
                              {QColor("#d01818"), QColor("#a80c0c"), QColor("#900000"), Qt::white},
                              20, command);
    btnReset_->setObjectName("btnReset");
    btnReset_->setGeometry(14, 196, 158, 50);
    btnReset_->setAccessibleName(tr("Reset"));
    btnReset_->setAccessibleDescription(
        tr("Réinitialiser la calculette, si erreur de manipulation"));
    hint(btnReset_, btnReset_->accessibleDescription());
    connect(btnReset_, &QPushButton::clicked, this, [this] { buttonAction(calc::Command::Reset); });
}

// The memories, the number list, the history and the clipboard panel, on the command panel
// under the voice picture; the display takes part in them (dragged, dropped on, its menu).
void KeypadWindow::buildBusinessPanel() {
    business_ = new BusinessPanel(panelClavier_, *calc_, *translator_,
                                  [this](QWidget* w, const QString& text) { hint(w, text); });
    business_->move(24, 452);
    business_->onKey = [this](business::BusinessKey key) { buttonAction(key); };
}

void KeypadWindow::buildKeptNumbers() {
    auto* command = panelClavier_->findChild<QWidget*>("PanelCommand");
    kept_ = new KeptNumbersPanel(command, *calc_, *history_);
    kept_->move(8, 168);
    kept_->changed = [this] { refresh(); };
    marks_ = std::make_unique<AddingMachineMarks>(*findChild<QWidget*>("PanelTop"), *command);
    addAddingMachineKeys(*panelClavier_);
    kept_->onKey = [this](const calc::KeptKey& key) { keyAction(key); };
    // The adding machine's commands of the edit menu: memory 1 and the grand total.
    using Kind = calc::KeptKey::Kind;
    const std::pair<const char*, calc::KeptKey> adding[] = {
        {"mItemMemoryPlus", {Kind::MemoryPlus, 1}},
        {"mItemMemoryMinus", {Kind::MemoryMinus, 1}},
        {"mItemMemoryRecall", {Kind::MemoryToDisplay, 1}},
        {"mItemMemoryClear", {Kind::MemoryClear, 1}},
        {"mItemGrandTotal", {Kind::GrandTotal, 0}},
        {"mItemGrandTotalClear", {Kind::GrandTotalClear, 0}}};
    for (const auto& [name, key] : adding) {
        QAction* a = findChild<QAction*>(name);
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, [this, key = key] { keyAction(key); });
    }
    kept_->recalled = [this] {
        edtVirt_->setFocus(Qt::OtherFocusReason);
        refresh();
    };
    for (int i = 0; i < 3; ++i)
        hint(kept_->memory(i),
             tr("Mémoire n°%1 standard (glisser-déposer sur clic gauche)").arg(i + 1));
    hint(kept_->findChild<QWidget*>("BMemCombo"),
         tr("Clic droit afin de dérouler la liste des nombres mémorisés"));
    hint(kept_->findChild<QWidget*>("imgHistoryOpe"),
         tr("Affiche la liste de l'historique des opérations"));
    hint(kept_->clipboardPanel(), tr("Contenu du presse-papier de Zumbrel (glisser-déposer)"));
    btnReset_->raise();  // while the calculator waits for Reset, Reset is what matters

    kept_->attachDisplay(*edtVirt_);
    // The clipboard panel's hint tells what it holds, in the language of the messages.
    kept_->panelHint = [this](const QString& value) {
        return qs(translator_->text(calc::msg::kClipboardHolds)) + " " + value;
    };

    // Paste: the edit menu's item, shown enabled while the clipboard holds text. Closed, the
    // menu leaves it enabled: Ctrl+V works with what is copied after the menu was opened.
    QAction* paste = findChild<QAction*>("mItemColler");
    paste->setEnabled(true);
    connect(paste, &QAction::triggered, this, [this] { pasteNumber(); });
    QMenu* edit = findChild<QMenu*>("ppmEdit");
    connect(edit, &QMenu::aboutToShow, this,
            [this, paste] { paste->setEnabled(clipboard_->text().has_value()); });
    connect(edit, &QMenu::aboutToHide, paste, [paste] { paste->setEnabled(true); });
}

// The keyboard's way round the keypad, and where it stands.
void KeypadWindow::buildFocusRound() {
    // Tab goes round the window as Shift+Tab does: after the last business key come the menu
    // titles, the minimise and close buttons, then the display again. Forward, the title row
    // was never reached.
    QWidget* previous = findChild<QWidget*>("btnNbrGold");
    for (MenuButton* b : menuButtons_) {
        setTabOrder(previous, b);
        previous = b;
    }
    for (const char* name : {"btnMinimize", "btnQuit"}) {
        QWidget* next = findChild<QWidget*>(name);
        setTabOrder(previous, next);
        previous = next;
    }
    setTabOrder(previous, edtVirt_);

    // The controls that draw no focus of their own, or only a faint one (the rate panels, the
    // list button, the erasers), show it with a ring.
    auto* ring = new FocusRing(*this);
    for (const char* name : {"lblMemory1", "lblMemory2", "lblMemory3", "pnlPP", "lblNbrDecPref",
                             "SymbolLang", "btnMinimize", "btnQuit", "pnlTauxTVA", "pnlTauxTPSTVP",
                             "pnlEuro", "pnlAE", "BMemCombo", "GommeClean", "GommeUndo"})
        ring->surround(findChild<QWidget*>(name));
    for (MenuButton* b : menuButtons_)
        ring->surround(b);
}

}  // namespace zumbrel::gui
