#include "gui/keypad/keypad_window.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <memory>

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
#include "gui/config/qt_translations.h"
#include "gui/config/translate_windows.h"
#include "gui/keypad/adding_machine_marks.h"
#include "gui/keypad/display_view.h"
#include "gui/keypad/kept_numbers_panel.h"
#include "gui/keypad/keypad_accessible.h"
#include "gui/keypad/keypad_colors.h"
#include "gui/keypad/keypad_keys.h"
#include "gui/keypad/keypad_translation.h"
#include "gui/keypad/menu_bar.h"
#include "gui/keypad/status_line.h"
#include "gui/tape/document_commands.h"
#include "gui/tape/document_tape.h"
#include "gui/tape/tape_translation.h"
#include "gui/tape/tape_view.h"
#include "gui/tape/tape_window.h"
#include "gui/ui/accessibility.h"
#include "gui/ui/artwork.h"
#include "gui/ui/cd_edit.h"
#include "gui/ui/painted_widgets.h"
#include "gui/ui/qt_ports.h"
#include "gui/ui/window_mover.h"
#include "gui/voice/sound_output.h"

namespace zumbrel::gui {
namespace {

constexpr int kMenuBarGap = 6;  // between the last menu and the adding machine's keys

constexpr QPoint kPanelOrigin{14, 13};  // PanelClavier, inside the skin's frame
// PanelClavier fills the skin inside its frame.
constexpr QSize kPanelSize = artwork::kKeypadSkinSize - QSize(18, 18);

using keypad_colors::kNavy;

}  // namespace

KeypadWindow::KeypadWindow(const std::function<void(KeypadWindow&)>& compose, QWidget* parent)
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
    installKeypadAccessibility();
    useSpaceBeforeColon(true);  // born French, as the rest of the windows
    presentAsWindow(*this);
    sound_->rate = [state = voiceState_.get()] { return state->rate; };
    setObjectName("Form1");
    setWindowTitle("Zumbrel");
    setAccessibleName(tr("Calculatrice Zumbrel"));
    setAttribute(Qt::WA_TranslucentBackground, false);
    setFixedSize(skin_.windowSize());
    setFocusPolicy(Qt::StrongFocus);

    panelClavier_ = new RoundedPanel(this, Qt::white, QColor(190, 200, 225), 18);
    panelClavier_->setObjectName("PanelClavier");
    panelClavier_->setGeometry(QRect(kPanelOrigin, kPanelSize));
    panelClavier_->setMouseTracking(true);
    panelClavier_->installEventFilter(this);
    // The skin's empty surface and the title area move the window; controls keep their presses.
    auto* mover = new WindowMover(this);
    mover->watch(this);
    mover->watch(panelClavier_);

    buildTitleRow(panelClavier_);
    buildDisplay(panelClavier_);
    buildKeys(panelClavier_);
    buildCommandPanel(panelClavier_);

    statusPort_ = std::make_unique<StatusLineAdapter>(*status_);
    // The display shows the result before it is read aloud.
    voice_->beforeReading = [this] {
        resultReadAloud_ = true;
        sound_->forgetLastReading();
        refresh();
    };
    calc_ = std::make_unique<calc::Calculator>(
        calc::Ports{tape_->tape(), *history_, *statusPort_, *prompts_, *sound_, *voice_,
                    *translator_, *clipboard_, *files_, *dialogs_});
    calc_->registers().decimalSeparator =
        QLocale::system().decimalPoint().at(0).toLatin1() == '.' ? '.' : ',';
    // A tape opened that was written in a language not chosen since the start: its blocks
    // are written again in that language's words, read from its file.
    calc_->languageWords().setLoader([this](char letter) -> std::shared_ptr<const Translator> {
        const config::LanguageRow* row = config::languageOfLetter(letter);
        if (!row) return nullptr;
        return config::languageMessages(*files_, appFolder_,
                                        static_cast<config::InstallCode>(installCode_), *row);
    });
    findChild<QPushButton*>("btnDecimalSeparator")
        ->setText(QString(QChar(calc_->registers().decimalSeparator)));

    buildKeptNumbers();
    buildBusinessPanel();
    // The tape is a window of its own: every shortcut of the menus works while it is active.
    tape_->addActions(actions());

    tape_->onFocusBackToKeypad = [this] { focusBackFromTape(); };
    tape_->onKeyOutsideEditMode = [this](QKeyEvent* e) {
        if (!handleKey(e)) e->ignore();
    };
    tape_->onHint = [this](const QString& text) { status_->showHint(text); };
    tape_->onCloseRequested = [this] { close(); };
    documents_ = new DocumentCommands({*this, *tape_, *calc_, *translator_,
                                       [this](const calc::KeyAction& key) { keyAction(key); },
                                       [this] { refresh(); },
                                       [this](const QString& text) { status_->showHint(text); }});
    if (compose) compose(*this);

    buildFocusRound();

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
    if (!firstPainted_) {
        firstPainted_ = true;
        QTimer::singleShot(0, this, [this] { giveWindowIcons(); });
    }
}

// Once the keypad is on screen: the windows' icons, painted in four sizes up to 128 pixels
// for the window manager.
void KeypadWindow::giveWindowIcons() {
    setWindowIcon(artwork::icon(artwork::Glyph::AppIcon));
    tape_->setWindowIcon(windowIcon());  // a window of its own: its own icon too
}

void KeypadWindow::AdjustMenus() {
    gui::AdjustMenus(menuButtons_, kAddingMachineKeysLeft - kMenuBarGap);
}

void KeypadWindow::pasteNumber() {
    if (calc_->keep({calc::KeptKey::Kind::Paste}) == calc::PasteOutcome::IntoTape)
        tape_->editor()->paste();
    refresh();
}

void KeypadWindow::hint(QWidget* control, const QString& text) {
    control->setProperty("zumbrelHint", text);
    control->setProperty("zumbrelHintFrench", text);
    // What the status line shows under the mouse, a screen reader gives as the description;
    // a key whose hint is its name is not described again.
    if (text != control->accessibleName()) control->setAccessibleDescription(text);
    control->setMouseTracking(true);
    control->installEventFilter(this);
}

void KeypadWindow::keyAction(const calc::KeyAction& action) {
    calc::runAction(*calc_, action);
    refresh();
    // No device, a device that failed, a word missing from the folder: what the voice could
    // not say goes to the screen reader (a message was told as it showed).
    if (resultReadAloud_ && status_->calculatorMessage().isEmpty() && !sound_->lastReadingHeard())
        edtVirt_->announce(edtVirt_->spokenText());
    resultReadAloud_ = false;
}

// A button that computes hands the focus to the display first, so that the screen reader,
// which follows the focus, hears the result there; the keyboard user types on from there.
void KeypadWindow::buttonAction(const calc::KeyAction& action) {
    edtVirt_->setFocus(Qt::OtherFocusReason);
    keyAction(action);
}

// A message that a key of the keypad caused ("La liste des nombres mémorisés est vide" from
// the list button) is said where a screen reader hears it: the display takes the focus, as it
// does for a button that computes. A text field keeps it: it is told there.
void KeypadWindow::bringMessageToTheDisplay() {
    QWidget* focused = QApplication::focusWidget();
    if (!focused || focused == edtVirt_ || focused->window() != this || !isActiveWindow()) return;
    if (focused->testAttribute(Qt::WA_InputMethodEnabled)) return;
    edtVirt_->setFocus(Qt::OtherFocusReason);
}

void KeypadWindow::refresh() {
    const calc::Registers& r = calc_->registers();
    edtSaisie_->setText(QString::fromStdString(r.edtSaisie));
    // While the program's own voice reads a result, the screen reader is not told of it too,
    // so the two never talk over each other; messages are always told.
    const QString message = status_->calculatorMessage();
    edtVirt_->setDecimalSeparator(r.decimalSeparator);
    tape_->editor()->setDecimalSeparator(r.decimalSeparator);
    const bool messageIsNew = status_->messageCount() != messagesShown_;
    messagesShown_ = status_->messageCount();
    edtVirt_->present(QString::fromStdString(r.EdtVirt), message,
                      resultReadAloud_ && message.isEmpty(), r.entrySelected || !message.isEmpty(),
                      messageIsNew);
    if (messageIsNew && !message.isEmpty()) bringMessageToTheDisplay();
    gommeClean_->setVisible(!r.EdtVirt.empty());
    gommeUndo_->setVisible(!r.EdtVirt.empty());
    shLed_->setVisible(r.shLedVisible);
    btnReset_->setVisible(r.resetPanelVisible);
    showVoicePicture();
    lblNbrDecPref_->setText(QString::fromStdString(r.lblNbrDecPref));
    lblMemory4_->setText(QString::fromStdString(r.lblMemory4));
    kept_->present(calc_->kept().values(), history_->lineCount() == 0);
    business_->showMarginValues(calc_->business().margin);
    marks_->show(
        r, calc_->kept().values(),
        {kept_->memory(0)->caption(), kept_->memory(1)->caption(), kept_->memory(2)->caption()});
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
        useSpaceBeforeColon(row->letter == 'F' || row->letter == 'Q' || row->letter == 'C');
        symbolLang_->setText(QString(QChar(row->letter)));
        voiceState_->languageFolder = std::string(row->folderCode);
        voiceState_->voiceCode = voiceState_->kind == "WMa" ? "M01" : "W01";
        voice_->setLanguageLetter(row->letter);
        translator_->setLanguage(code, row->letter);
        useQtTranslations(code, row->letter);
        calc_->business().install = code;
        calc_->business().letter = row->letter;
        const WindowTranslator translate(*files_, appFolder_, code, *row);
        if (fromMenu || row->letter != 'F') translateKeypad(*this, translate, *translator_);
        translateTape(*tape_, translate);
        calc_->languageWords().keep(
            row->letter, std::make_shared<const config::LanguageTranslator>(*translator_));
        tellMenuNamesChanged(*this);
        tellMenuNamesChanged(*tape_);
    }
    AdjustMenus();
    kept_->updatePanelHint();
    business_->refresh();
    if (fromMenu) QApplication::restoreOverrideCursor();
    refresh();
}

void KeypadWindow::tellOnTheDisplay(const QString& text) {
    status_->showHint(text);
    // From the tape (outside its edit mode), the reading is said on the display, which takes
    // the focus back as a click on the tape gives it back.
    if (tape_->isActiveWindow() && !tape_->tape().editMode()) {
        activateWindow();
        edtVirt_->setFocus(Qt::OtherFocusReason);
        edtVirt_->announceWhenFocused(text);
        return;
    }
    edtVirt_->announce(text);
}

std::unique_ptr<WindowTranslator> KeypadWindow::windowTexts() const {
    const config::LanguageRow* row = config::languageOfNumber(lang_);
    return std::make_unique<WindowTranslator>(*files_, appFolder_,
                                              static_cast<config::InstallCode>(installCode_),
                                              row ? *row : *config::languageOfNumber(1));
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
    // Escape from any control of the keypad comes back to the display; from the display it
    // clears the entry.
    QWidget* focused = QApplication::focusWidget();
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier && focused &&
        focused != edtVirt_ && focused != this && isAncestorOf(focused)) {
        edtVirt_->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    if (isSwallowedKey(*e)) return true;  // the caret never moves inside the entry
    const std::optional<calc::KeyAction> action = calculatorKey(*e);
    if (!action) return false;
    // A number or an operator typed on another control of the keypad brings the focus back to
    // the display, where the next Return is "=" (on the decimals it opened the preferences).
    const bool typed = std::holds_alternative<char>(*action) && std::get<char>(*action) != '\r';
    if (typed && focusWidget() && focusWidget() != edtVirt_)
        edtVirt_->setFocus(Qt::OtherFocusReason);
    keyAction(*action);
    return true;
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
    // A control with a menu of its own opens it, as on a right click (the list button its list).
    if (focused && focused != this) {
        QContextMenuEvent own(QContextMenuEvent::Keyboard, QPoint(0, focused->height()));
        own.ignore();
        QApplication::sendEvent(focused, &own);
        if (own.isAccepted()) return;
    }
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
    if (w == panelClavier_ && type == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        status_->stopScrolling(true);
    return QWidget::eventFilter(watched, event);
}

bool KeypadWindow::overHintedControl(QWidget* panel, QMouseEvent* event) const {
    for (QWidget* c = panel->childAt(event->position().toPoint()); c && c != panel;
         c = c->parentWidget()) {
        if (c->property("zumbrelHint").isValid()) return true;
    }
    return false;
}

// The windows take their places before the keypad first goes on screen: a window moved
// while the system maps it can stand in one place while Qt believes it in another, and
// open its menus there.
void KeypadWindow::setVisible(bool visible) {
    if (visible && !placed_) {
        placed_ = true;
        if (placeOnFirstShow)
            showTapeAtStart_ = placeOnFirstShow(*this);
        else
            tape_->move(10, 10);
    }
    QWidget::setVisible(visible);
}

void KeypadWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (windowsShown_) return;
    windowsShown_ = true;
    tape_->setWindowsShown(true);
    documents_->keypadShown();
    activateWindow();
    setFocus();
    // The tape follows once the keypad is on screen, so the keypad shows at once.
    if (!showTapeAtStart_) return;
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
