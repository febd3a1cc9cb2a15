#include "keypad/keypad_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include "business/business_panel.h"
#include "calc/calculator.h"
#include "calc/kept_numbers.h"
#include "calc/messages.h"
#include "config/install_layout.h"
#include "config/language.h"
#include "config/settings.h"
#include "config/translate_windows.h"
#include "keypad/display_view.h"
#include "keypad/kept_numbers_panel.h"
#include "keypad/keypad_commands.h"
#include "keypad/keypad_keys.h"
#include "keypad/menu_bar.h"
#include "keypad/status_line.h"
#include "local_file_system.h"
#include "memory_ports.h"
#include "tape/document_commands.h"
#include "tape/document_tape.h"
#include "tape/tape_view.h"
#include "tape/tape_window.h"
#include "ui/accessibility.h"
#include "ui/artwork.h"
#include "ui/cd_edit.h"
#include "ui/painted_widgets.h"
#include "ui/qt_ports.h"
#include "version.h"
#include "voice/sound_output.h"
#include "voice/speech_voice.h"

namespace zumbrel::gui {
namespace {

constexpr QPoint kPanelOrigin{14, 13};  // PanelClavier, inside the skin's frame
// PanelClavier fills the skin inside its frame.
constexpr QSize kPanelSize = artwork::kKeypadSkinSize - QSize(18, 18);

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

const QColor kPanelBack(0xD7, 0xD7, 0xFF);   // 16766935, the display's background
const QColor kDisplayInk(0x40, 0x00, 0x80);  // 8388672
const QColor kNavy(0, 0, 128);

}  // namespace

KeypadWindow::KeypadWindow(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Window),
      files_(std::make_unique<LocalFileSystem>()),
      sound_(std::make_unique<QtSoundOutput>(*files_)),
      // A window of its own, not one that the window manager keeps above the keypad: "Par
      // dessus" puts the keypad over the tape.
      tape_(new TapeWindow(nullptr, *sound_)),
      history_(std::make_unique<MemoryHistory>()),
      prompts_(std::make_unique<QtPrompts>(this)),
      clipboard_(std::make_unique<QtClipboard>()),
      dialogs_(std::make_unique<QtFileDialogs>(this)),
      translator_(std::make_unique<config::LanguageTranslator>()),
      voiceState_(std::make_unique<voice::VoiceState>()),
      voice_(std::make_unique<voice::SpeechVoice>(*voiceState_, *sound_, *files_, *prompts_,
                                                  *translator_)) {
    installAccessibility();
    setObjectName("Form1");
    setWindowTitle("Zumbrel");
    setAccessibleName(tr("Calculatrice Zumbrel"));
    setAttribute(Qt::WA_TranslucentBackground, false);
    setFixedSize(skin_.windowSize());
    setFocusPolicy(Qt::StrongFocus);
    setWindowIcon(artwork::icon(artwork::Glyph::AppIcon));
    tape_->setWindowIcon(windowIcon());  // a window of its own: its own icon too

    panelClavier_ = new RoundedPanel(this, Qt::white, QColor(190, 200, 225), 18);
    panelClavier_->setObjectName("PanelClavier");
    panelClavier_->setGeometry(QRect(kPanelOrigin, kPanelSize));
    panelClavier_->setMouseTracking(true);
    panelClavier_->installEventFilter(this);

    buildTitleRow(panelClavier_);
    buildDisplay(panelClavier_);
    buildKeys(panelClavier_);
    buildCommandPanel(panelClavier_);

    statusPort_ = std::make_unique<StatusLineAdapter>(*status_);
    // The display shows the result before it is read aloud.
    voice_->beforeReading = [this] {
        resultReadAloud_ = true;
        refresh();
    };
    calc_ = std::make_unique<calc::Calculator>(
        calc::Ports{tape_->tape(), *history_, *statusPort_, *prompts_, *sound_, *voice_,
                    *translator_, *clipboard_, *files_, *dialogs_});
    calc_->registers().decimalSeparator =
        QLocale::system().decimalPoint().at(0).toLatin1() == '.' ? '.' : ',';
    findChild<QPushButton*>("btnDecimalSeparator")
        ->setText(QString(QChar(calc_->registers().decimalSeparator)));

    buildKeptNumbers();
    buildBusinessPanel();

    tape_->onFocusBackToKeypad = [this] { focusBackFromTape(); };
    tape_->onKeyOutsideEditMode = [this](QKeyEvent* e) {
        if (!handleKey(e)) e->ignore();
    };
    tape_->onHint = [this](const QString& text) { status_->showHint(text); };
    tape_->onCloseRequested = [this] { close(); };
    documents_ = new DocumentCommands(*this);
    installWindowCommands(*this);

    skinChanged();
    applyFrenchAccessibleNames(*this);
    for (const KeyDef& k : kKeys) {
        auto* key = findChild<QPushButton*>(k.name);
        hint(key, key->accessibleName());
        key->setProperty("zumbrelHintIsName", true);
    }
    refresh();
}

void KeypadWindow::setVoiceNames(const QStringList& names) {
    voiceNames_ = names;
    imgVoice_->setProperty("shown", QVariant());
    showVoicePicture();
}

KeypadWindow::~KeypadWindow() {
    delete tape_;  // before the sound output it speaks through
}

void KeypadWindow::skinChanged() {
    setFixedSize(skin_.windowSize());
    // Every fuchsia pixel of the skin, and everything outside it, is not the window.
    setMask(skin_.shape());
    update();
}

void KeypadWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    skin_.paint(p);
}

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

void KeypadWindow::AdjustMenus() {
    gui::AdjustMenus(menuButtons_);
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
    connect(btnReset_, &QPushButton::clicked, this, [this] { keyAction(calc::Command::Reset); });
}

// The memories, the number list, the history and the clipboard panel, on the command panel
// under the voice picture; the display takes part in them (dragged, dropped on, its menu).
void KeypadWindow::buildBusinessPanel() {
    business_ = new BusinessPanel(panelClavier_, *calc_, *translator_,
                                  [this](QWidget* w, const QString& text) { hint(w, text); });
    business_->move(24, 452);
    business_->onKey = [this](business::BusinessKey key) { keyAction(key); };
}

void KeypadWindow::buildKeptNumbers() {
    auto* command = panelClavier_->findChild<QWidget*>("PanelCommand");
    kept_ = new KeptNumbersPanel(command, *calc_, *history_);
    kept_->move(8, 168);
    kept_->changed = [this] { refresh(); };
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

    // Paste: the edit menu's item, enabled while the clipboard holds text.
    QAction* paste = findChild<QAction*>("mItemColler");
    paste->setEnabled(true);
    connect(paste, &QAction::triggered, this, [this] { pasteNumber(); });
    connect(findChild<QMenu*>("ppmEdit"), &QMenu::aboutToShow, this,
            [this, paste] { paste->setEnabled(clipboard_->text().has_value()); });
}

void KeypadWindow::pasteNumber() {
    if (calc_->keep({calc::KeptKey::Kind::Paste}) == calc::PasteOutcome::IntoTape)
        tape_->editor()->paste();
    refresh();
}

void KeypadWindow::hint(QWidget* control, const QString& text) {
    control->setProperty("zumbrelHint", text);
    control->setProperty("zumbrelHintFrench", text);
    control->setMouseTracking(true);
    control->installEventFilter(this);
}

void KeypadWindow::keyAction(const calc::KeyAction& action) {
    calc::runAction(*calc_, action);
    refresh();
    resultReadAloud_ = false;
}

void KeypadWindow::refresh() {
    const calc::Registers& r = calc_->registers();
    edtSaisie_->setText(QString::fromStdString(r.edtSaisie));
    // While the program's own voice reads a result, the screen reader is not told of it too,
    // so the two never talk over each other; messages are always told.
    const QString message = status_->calculatorMessage();
    edtVirt_->present(QString::fromStdString(r.EdtVirt), message,
                      resultReadAloud_ && message.isEmpty(), r.entrySelected || !message.isEmpty());
    gommeClean_->setVisible(!r.EdtVirt.empty());
    gommeUndo_->setVisible(!r.EdtVirt.empty());
    shLed_->setVisible(r.shLedVisible);
    btnReset_->setVisible(r.resetPanelVisible);
    showVoicePicture();
    lblNbrDecPref_->setText(QString::fromStdString(r.lblNbrDecPref));
    lblMemory4_->setText(QString::fromStdString(r.lblMemory4));
    kept_->present(calc_->kept().values(), history_->lineCount() == 0);
    // The command panel's values are read with their names.
    nameWithValue(*lblNbrDecPref_, lblNbrDecPref_->text());
    nameWithValue(*lblMemory4_, lblMemory4_->text());
    const config::LanguageRow* language = config::languageOfNumber(lang_);  // "Français"
    nameWithValue(*symbolLang_, language && !symbolLang_->text().isEmpty() ? qs(language->caption)
                                                                           : symbolLang_->text());
    const QColor memoryInk = r.memory4Color == colors::kRed ? QColor(255, 0, 0) : kNavy;
    if (lblMemory4_->palette().color(QPalette::WindowText) != memoryInk) {
        QPalette pal = lblMemory4_->palette();
        pal.setColor(QPalette::WindowText, memoryInk);
        lblMemory4_->setPalette(pal);
    }
    if (onRefresh) onRefresh();
}

// One picture tells the voice: ImgHomme, ImgFemme (crossed out without spoken keys), imgHP1
// for the common click, imgHP0 for silence.
void KeypadWindow::showVoicePicture() {
    const voice::VoiceState& v = *voiceState_;
    artwork::Glyph glyph = artwork::Glyph::SoundNone;
    QString name = "imgHP0";
    switch (v.voiceKind()) {
        case voice::VoiceKind::Man:
            glyph = v.speakKeys ? artwork::Glyph::VoiceMan : artwork::Glyph::VoiceManSilentKeys;
            name = v.speakKeys ? "ImgHomme" : "ImgHommeRF";
            break;
        case voice::VoiceKind::Woman:
            glyph = v.speakKeys ? artwork::Glyph::VoiceWoman : artwork::Glyph::VoiceWomanSilentKeys;
            name = v.speakKeys ? "ImgFemme" : "ImgFemmeRF";
            break;
        case voice::VoiceKind::CommonSound:
            glyph = artwork::Glyph::SoundClick;
            name = "imgHP1";
            break;
        default:
            break;
    }
    QLabel* picture = imgVoice_;
    if (picture->property("shown").toString() == name) return;
    picture->setProperty("shown", name);
    picture->setPixmap(artwork::icon(glyph).pixmap(36, 36));
    const int index = name.startsWith("ImgHomme")   ? 0
                      : name.startsWith("ImgFemme") ? 1
                      : name == "imgHP1"            ? 2
                                                    : 3;
    picture->setAccessibleName(voiceNames_.value(index));
}

void KeypadWindow::setLanguageSource(std::string appFolder, int installCode) {
    appFolder_ = std::move(appFolder);
    installCode_ = installCode;
    const bool languages =
        static_cast<config::InstallCode>(installCode) == config::InstallCode::ZMB;
    findChild<QAction*>("mItemLangage")->setVisible(languages);
}

void KeypadWindow::chooseLanguage(int lang, bool fromMenu) {
    const auto code = static_cast<config::InstallCode>(installCode_);
    const config::LanguageRow* row = config::languageOfNumber(lang);
    if (fromMenu) QApplication::setOverrideCursor(Qt::WaitCursor);
    for (QAction* a : findChild<QMenu*>("ppmLangage")->actions())
        a->setChecked(row && a->data().toInt() == lang);
    lang_ = lang;
    if (row) {
        // ApplyLanguage: the letter, the voice folder of the language, the menus laid out.
        letter_ = row->letter;
        symbolLang_->setText(QString(QChar(row->letter)));
        voiceState_->languageFolder = std::string(row->folderCode);
        voiceState_->voiceCode = voiceState_->kind == "WMa" ? "M01" : "W01";
        voice_->setLanguageLetter(row->letter);
        translator_->setLanguage(code, row->letter);
        calc_->business().install = code;
        calc_->business().letter = row->letter;
        const WindowTranslator translate(*files_, appFolder_, code, *row);
        if (fromMenu || row->letter != 'F') translate.TranslateMainWindow(*this, *translator_);
        translate.TranslateRibbon(*tape_);
    }
    AdjustMenus();
    kept_->updatePanelHint();
    business_->refresh();
    if (fromMenu) QApplication::restoreOverrideCursor();
    refresh();
}

bool KeypadWindow::handleKey(QKeyEvent* e) {
    if (menuKeys_.keyPress(*e)) return true;
    // The context menu from the keyboard: the focused control's own, otherwise the menu of
    // other calculations.
    if (e->key() == Qt::Key_Menu ||
        (e->key() == Qt::Key_F10 && e->modifiers() == Qt::ShiftModifier)) {
        openContextMenu();
        return true;
    }
    // Ctrl+Tab goes from one window to the other: the tape's text and toolbar are then
    // reached with Tab, and the keys typed there still reach the calculator.
    if ((e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab) &&
        (e->modifiers() & Qt::ControlModifier)) {
        switchWindows();
        return true;
    }
    if (isSwallowedKey(*e)) return true;  // the caret never moves inside the entry
    const std::optional<calc::KeyAction> action = calculatorKey(*e);
    if (action) keyAction(*action);
    return action.has_value();
}

void KeypadWindow::switchWindows() {
    if (tape_->isActiveWindow()) {
        focusBackFromTape();
        return;
    }
    // A hidden tape is shown again first, as "Revoir le ruban" does.
    if (QAction* show = findChild<QAction*>("mItemVisibleRibbon"); show && show->isVisible())
        show->trigger();
    tape_->show();
    tape_->raise();
    tape_->activateWindow();
    tape_->editor()->setFocus(Qt::ShortcutFocusReason);
}

void KeypadWindow::openContextMenu() {
    QWidget* focused = QApplication::focusWidget();
    if (menuKeys_.dropMenuOf(focused) || popupWidgetMenu(focused)) return;
    if (auto* name = findChild<QLabel*>("imgNameHead"))
        findChild<QMenu*>("ppmAutresCalculs")->popup(name->mapToGlobal(QPoint(0, name->height())));
}

void KeypadWindow::keyReleaseEvent(QKeyEvent* event) {
    if (!menuKeys_.keyRelease(*event)) QWidget::keyReleaseEvent(event);
}

void KeypadWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) menuKeys_.activationChanged();
    QWidget::changeEvent(event);
}

void KeypadWindow::keyPressEvent(QKeyEvent* event) {
    if (!handleKey(event)) QWidget::keyPressEvent(event);
}

void KeypadWindow::EditRibbonClick() {
    tape_->EditRibbonClick();
    if (tape_->tape().editMode()) {
        tape_->raise();
        tape_->activateWindow();
    }
}

// The tape hands the focus back: to this window, the caret after the entry's last character.
void KeypadWindow::focusBackFromTape() {
    activateWindow();
    setFocus();
    if (!calc_->registers().resultShown) calc_->entry().caretToEnd();
}

void KeypadWindow::startDrag(QMouseEvent* event) {
    if (windowHandle() && windowHandle()->startSystemMove()) return;
    dragging_ = true;
    dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void KeypadWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) startDrag(event);
}

void KeypadWindow::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - dragOffset_);
}

void KeypadWindow::mouseReleaseEvent(QMouseEvent*) {
    dragging_ = false;
}

bool KeypadWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* w = qobject_cast<QWidget*>(watched);
    const QEvent::Type type = event->type();
    if (auto* menu = qobject_cast<QMenu*>(watched); menu && type == QEvent::KeyPress) {
        if (menuKeys_.menuKeyPress(menu, *static_cast<QKeyEvent*>(event))) return true;
    }
    // A mouse move over a control with a hint reaches the panels under it too: they must not
    // clear the hint the control has just shown.
    if (w && type == QEvent::MouseMove && !w->property("zumbrelHint").isValid() &&
        overHintedControl(w, static_cast<QMouseEvent*>(event)))
        return QWidget::eventFilter(watched, event);
    if (w && type == QEvent::MouseMove) {
        if (w == panelClavier_) {
            // PanelClavierMouseMove: the status line empties and the entry's caret goes home.
            status_->stopScrolling(true);
            if (!tape_->tape().editMode() && !calc_->registers().resultShown)
                calc_->entry().caretToEnd();
        } else if (w->objectName() == "PanelTop") {
            status_->stopScrolling(false);
        } else if (w->objectName() == "PanelCommand") {
            status_->stopScrolling(true);
        } else if (w->property("zumbrelHint").isValid()) {
            status_->showHint(w->property("zumbrelHint").toString());
        }
    }
    if (w == panelClavier_ && type == QEvent::MouseButtonPress) {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::LeftButton) {
            status_->stopScrolling(true);
            startDrag(me);
        }
    }
    if (w == panelClavier_ && type == QEvent::MouseMove && dragging_) {
        mouseMoveEvent(static_cast<QMouseEvent*>(event));
    }
    if (w == panelClavier_ && type == QEvent::MouseButtonRelease) dragging_ = false;
    return QWidget::eventFilter(watched, event);
}

bool KeypadWindow::overHintedControl(QWidget* panel, QMouseEvent* event) const {
    for (QWidget* c = panel->childAt(event->position().toPoint()); c && c != panel;
         c = c->parentWidget()) {
        if (c->property("zumbrelHint").isValid()) return true;
    }
    return false;
}

void KeypadWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (windowsShown_) return;
    windowsShown_ = true;
    tape_->setWindowsShown(true);
    bool showTape = true;
    if (placeOnFirstShow)
        showTape = placeOnFirstShow(*this);
    else
        tape_->move(10, 10);
    documents_->keypadShown();
    activateWindow();
    setFocus();
    // The tape follows once the keypad is on screen, so the keypad shows at once.
    if (!showTape) return;
    QTimer::singleShot(0, this, [this] {
        tape_->show();
        activateWindow();
    });
}

void KeypadWindow::closeEvent(QCloseEvent* event) {
    if (onClosing) onClosing(*this);
    tape_->hide();
    QWidget::closeEvent(event);
}

}  // namespace zumbrel::gui
