#include "gui/arrange/window_arranger.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <QWindowStateChangeEvent>
#include <utility>

#include "core/calc/calculator.h"
#include "core/config/language.h"
#include "core/config/settings.h"
#include "core/voice/speech_voice.h"
#include "core/voice/voice_state.h"
#include "gui/arrange/compact_keypad.h"
#include "gui/arrange/keypad_skin.h"
#include "gui/arrange/skin_chooser.h"
#include "gui/arrange/skins.h"
#include "gui/ui/qt_ports.h"
#include "gui/voice/sound_output.h"

namespace zumbrel::gui {
namespace {

constexpr Message kNeedsX11{"MSG_WINDOWS_NEED_X11",
                            "Sous Wayland, Zumbrel ne peut pas placer ses fenêtres : ouvrez une "
                            "session X11 pour ces commandes"};
constexpr Message kSkinNotRead{"MSG_SKIN_NOT_READ",
                               "Le skin n'a pas pu être lu, celui d'origine reste :"};
// The least opacity a window takes: below it a window could no longer be found.
constexpr int kLeastOpacity = 100;

arrange::Box boxOf(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

arrange::Box frameBox(const QWidget& w) {
    return boxOf(w.frameGeometry());
}

// What the window manager adds around a window's inside (title bar, borders).
QMargins frameMargins(const QWidget& w) {
    const QRect f = w.frameGeometry();
    const QRect g = w.geometry();
    return {g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom()};
}

using Size = WindowArranger::Size;

// Moves a window so that its frame, title bar included, stands at the box, and sizes it.
// A window hidden after it was on screen has lost its frame, and Qt then takes a position for
// its inside: `hiddenFrame`, the frame it had, puts the inside where that frame leaves it.
void placeFrame(QWidget& w, const arrange::Box& b, Size size, const QMargins& hiddenFrame = {}) {
    const bool frameLost = !w.isVisible() && frameMargins(w).isNull() && !hiddenFrame.isNull();
    const QMargins m = frameLost ? hiddenFrame : frameMargins(w);
    if (frameLost)
        w.move(b.left + m.left(), b.top + m.top());
    else
        w.move(b.left, b.top);
    if (size == Size::OfFrame)
        w.resize(b.width - m.left() - m.right(), b.height - m.top() - m.bottom());
    if (size == Size::OfClient) w.resize(b.width, b.height);
}

// The settings keep a window's frame position and the size of its inside: the frame's size
// is known only once the window is on screen, and a size read back must not grow each run.
arrange::Box settingsBox(const QRect& inside, const QMargins& frame) {
    return {inside.x() - frame.left(), inside.y() - frame.top(), inside.width(), inside.height()};
}

void setStaysOnTop(QWidget& w, bool on) {
    if (w.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on) return;
    const bool shown = w.isVisible();
    const QPoint at = w.pos();
    w.setWindowFlag(Qt::WindowStaysOnTopHint, on);  // hides the window
    w.move(at);
    if (shown) w.show();
}

// A menu item of a pair: the one shown tells what choosing it will do.
void showPair(QWidget& owner, const char* shown, const char* hidden) {
    if (QAction* a = owner.findChild<QAction*>(shown)) a->setVisible(true);
    if (QAction* a = owner.findChild<QAction*>(hidden)) a->setVisible(false);
}

}  // namespace

WindowArranger::WindowArranger(ArrangedWindows windows)
    : QObject(&windows.keypad),
      p_(std::move(windows)),
      keypad_(p_.keypad),
      tape_(p_.tape),
      arrangement_([&] {
          arrange::KeypadShape shape;
          KeypadSkin skin;
          const QSize full = skin.windowSize();
          shape.fullWidth = full.width();
          shape.fullHeight = full.height();
          shape.skinTop = KeypadSkin::kOrigin.y() + 3;
          shape.skinHeight = skin.pictureSize().height();
          skin.setCompact(true);
          shape.compactWidth = skin.windowSize().width();
          shape.compactHeight = skin.windowSize().height();
          shape.compactSkinTop = KeypadSkin::kOrigin.y() + 3;
          shape.tapeDesignWidth = p_.tapeDesignWidth;
          return shape;
      }()) {
    setObjectName("windowArranger");
}

WindowArranger& WindowArranger::install(ArrangedWindows windows) {
    auto* arranger = new WindowArranger(std::move(windows));
    arranger->connectMenus();
    arranger->keypad_.installEventFilter(arranger);
    arranger->tape_.installEventFilter(arranger);
    arranger->syncMenus();
    return *arranger;
}

WindowArranger* WindowArranger::of(const QWidget& keypad) {
    return static_cast<WindowArranger*>(
        keypad.findChild<QObject*>("windowArranger", Qt::FindDirectChildrenOnly));
}

QString WindowArranger::placementUnavailableReason() {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return {};
    return QString::fromUtf8(kNeedsX11.french.data(), kNeedsX11.french.size());
}

void WindowArranger::connectMenus() {
    const auto on = [this](QWidget& owner, const char* name, auto command) {
        QAction* a = owner.findChild<QAction*>(name);
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, command);
    };
    on(keypad_, "mItemACote", [this] { sideBySide(); });
    on(keypad_, "mItemParDessus", [this] { over(); });
    on(keypad_, "mItemEgaliser", [this] { equalHeights(); });
    on(keypad_, "mItemMagnet", [this] { setMagnet(true); });
    on(keypad_, "mItemNoMagnet", [this] { setMagnet(false); });
    on(keypad_, "mItemAuDevant", [this] { setStayOnTop(true); });
    on(keypad_, "mItemAuDerriere", [this] { setStayOnTop(false); });
    on(keypad_, "mItemHideKeyboard", [this] { hideKeyboard(); });
    on(keypad_, "mItemVisibleKeyboard", [this] { showKeyboard(false); });
    on(keypad_, "mItemHideRibbon", [this] { hideTape(); });
    on(keypad_, "mItemVisibleRibbon", [this] { showTape(); });
    on(tape_, "mItemHideKeyboard", [this] { hideKeyboard(); });
    on(tape_, "mItemVisibleKeyboard", [this] { showKeyboard(true); });
    on(tape_, "mItemHideRibbon", [this] { hideTape(); });
    on(keypad_, "mmItemGalerie", [this] { SkinChooser::open(keypad_, *this); });
    if (placementUnavailableReason().isEmpty()) return;
    // Wayland places top-level windows itself: these commands cannot work there.
    for (const char* name : {"mItemACote", "mItemParDessus", "mItemEgaliser", "mItemMagnet",
                             "mItemNoMagnet", "mItemAuDevant", "mItemAuDerriere"})
        keypad_.findChild<QAction*>(name)->setEnabled(false);
    connect(keypad_.findChild<QMenu*>("ppmFenetres"), &QMenu::aboutToShow, this,
            [this] { reportPlacementUnavailable(); });
}

void WindowArranger::reportPlacementUnavailable() {
    p_.hint(qs(p_.texts.text(kNeedsX11)));
}

void WindowArranger::syncMenus() {
    const arrange::Flags& f = arrangement_.flags();
    if (f.magnet)
        showPair(keypad_, "mItemNoMagnet", "mItemMagnet");
    else
        showPair(keypad_, "mItemMagnet", "mItemNoMagnet");
    if (f.stayOnTop)
        showPair(keypad_, "mItemAuDerriere", "mItemAuDevant");
    else
        showPair(keypad_, "mItemAuDevant", "mItemAuDerriere");
    for (QWidget* w : {static_cast<QWidget*>(&keypad_), static_cast<QWidget*>(&tape_)}) {
        if (f.keyboardHidden)
            showPair(*w, "mItemVisibleKeyboard", "mItemHideKeyboard");
        else
            showPair(*w, "mItemHideKeyboard", "mItemVisibleKeyboard");
    }
    if (f.tapeHidden)
        showPair(keypad_, "mItemVisibleRibbon", "mItemHideRibbon");
    else
        showPair(keypad_, "mItemHideRibbon", "mItemVisibleRibbon");
    tape_.findChild<QAction*>("mItemHideRibbon")->setVisible(!f.tapeHidden);
}

arrange::Windows WindowArranger::windows() const {
    return {frameBox(keypad_), tapeFrameBox()};
}

// A hidden window has no frame, and the window manager may have moved its inside to where
// the frame was: a hidden tape stands where its frame stood when it was hidden, or was last
// placed since.
arrange::Box WindowArranger::tapeFrameBox() const {
    if (!tape_.isVisible() && hiddenTapeFrame_) return *hiddenTapeFrame_;
    return frameBox(tape_);
}

// The frame of the tape in its normal state. Once hidden, a window may have no frame at all.
void WindowArranger::rememberTapeFrame() {
    if (tape_.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)) return;
    const QMargins m = frameMargins(tape_);
    if (tape_.isVisible() || !m.isNull()) tapeFrame_ = m;
}

void WindowArranger::placeTape(const arrange::Box& frame, Size size) {
    placeFrame(tape_, frame, size, tapeFrame_);
    if (tape_.isVisible() || !hiddenTapeFrame_) return;
    hiddenTapeFrame_ = frame;
    if (size == Size::OfClient) {
        hiddenTapeFrame_->width += tapeFrame_.left() + tapeFrame_.right();
        hiddenTapeFrame_->height += tapeFrame_.top() + tapeFrame_.bottom();
    }
}

arrange::Screens WindowArranger::screens() const {
    arrange::Screens out;
    QList<QScreen*> all = QGuiApplication::screens();
    all.removeOne(QGuiApplication::primaryScreen());
    all.prepend(QGuiApplication::primaryScreen());
    for (const QScreen* s : all) {
        if (!s) continue;
        const QRect a = s->availableGeometry();
        out.push_back({a.x(), a.y(), a.width(), a.height()});
    }
    if (out.empty()) out.push_back({0, 0, 1024, 768});
    return out;
}

bool WindowArranger::tapeCommandsAllowed() const {
    return p_.windowsShown() && placementUnavailableReason().isEmpty();
}

void WindowArranger::apply(const arrange::Change& change) {
    if (change.beep) QApplication::beep();
    placing_ = true;
    if (change.keypad) placeFrame(keypad_, *change.keypad, Size::Kept);
    if (change.tape && !change.maximizeTape) placeTape(*change.tape, Size::OfFrame);
    if (change.tapeVisible == false && tape_.isVisible()) {
        rememberTapeFrame();
        hiddenTapeFrame_ = frameBox(tape_);
        tape_.hide();
    }
    if (change.tapeVisible == true) {
        if (change.maximizeTape) {
            tape_.move(change.tape->left, change.tape->top);
            tape_.showMaximized();
        } else {
            tape_.show();
            // A tape once minimised and given back by the window manager keeps the X hint
            // "start minimised": shown again, the system would minimise it, and the keypad
            // with it. For a moment, a minimising is undone.
            tapeJustShown_ = true;
            QTimer::singleShot(1000, this, [this] { tapeJustShown_ = false; });
        }
    }
    placing_ = false;
    if (change.goodbye) p_.sayGoodbye();
    syncMenus();
}

void WindowArranger::sideBySide() {
    if (tapeCommandsAllowed()) apply(arrangement_.sideBySide(windows(), screens()));
}

void WindowArranger::over() {
    if (!tapeCommandsAllowed()) return;
    apply(arrangement_.over(windows(), screens()));
    keypad_.raise();  // the keypad over the tape's upper left part
    keypad_.activateWindow();
}

void WindowArranger::equalHeights() {
    if (tapeCommandsAllowed()) apply(arrangement_.equalHeights(windows(), screens()));
}

void WindowArranger::setMagnet(bool on) {
    if (on) {
        apply(arrangement_.magnetOn());
    } else {
        arrangement_.magnetOff();
        syncMenus();
    }
}

void WindowArranger::setStayOnTop(bool on) {
    arrangement_.setStayOnTop(on);
    setStaysOnTop(keypad_, on);
    setStaysOnTop(tape_, on);
    if (arrangement_.flags().tapeHidden) tape_.hide();
    syncMenus();
}

void WindowArranger::setKeypadForm(bool compact) {
    p_.skin.setCompact(compact);
    p_.skinChanged();
    layOutKeypadPanel(*keypad_.findChild<QWidget*>("PanelClavier"), compact);
    p_.adjustMenus();
}

void WindowArranger::hideKeyboard() {
    const arrange::Change change = arrangement_.hideKeyboard(windows(), screens());
    setKeypadForm(true);
    apply(change);
}

void WindowArranger::showKeyboard(bool fromTape) {
    const arrange::Change change = arrangement_.showKeyboard(windows(), screens(), fromTape);
    setKeypadForm(false);
    apply(change);
}

void WindowArranger::hideTape() {
    apply(arrangement_.hideTape());
}

void WindowArranger::showTape() {
    apply(arrangement_.showTape(windows(), screens()));
}

bool WindowArranger::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == &keypad_ && type == QEvent::Move && !keypad_.isMinimized()) {
        // The magnet: the tape follows each move of the keypad reported by the system.
        const arrange::Box at = frameBox(keypad_);
        if (const auto tape = arrangement_.keypadMoved(at.topLeft(), tapeFrameBox())) {
            placing_ = true;
            placeTape(*tape, Size::Kept);
            placing_ = false;
        }
    } else if (watched == &tape_ && (type == QEvent::Move || type == QEvent::Resize)) {
        rememberTapeFrame();
    } else if (type == QEvent::WindowStateChange && !placing_ && p_.windowsShown()) {
        const Qt::WindowStates before = static_cast<QWindowStateChangeEvent*>(event)->oldState();
        if (watched == &tape_) tapeStateChanged(before);
        if (watched == &keypad_) keypadStateChanged(before);
    }
    return QObject::eventFilter(watched, event);
}

void WindowArranger::tapeStateChanged(Qt::WindowStates before) {
    const Qt::WindowStates now = tape_.windowState();
    placing_ = true;
    if ((now & Qt::WindowMinimized) && std::exchange(tapeJustShown_, false)) {
        tape_.setWindowState(now & ~Qt::WindowMinimized);
    } else if (now & Qt::WindowMinimized) {
        // Minimising the tape minimises the calculator: both windows.
        if (!keypad_.isMinimized()) keypad_.showMinimized();
    } else if (before & Qt::WindowMinimized) {
        if (keypad_.isMinimized()) keypad_.showNormal();
    } else if ((now & Qt::WindowMaximized) && !(before & Qt::WindowMaximized)) {
        const QRect normal = tape_.normalGeometry();
        arrangement_.tapeMaximizing(settingsBox(normal, tapeFrame_));
    } else if (!(now & Qt::WindowMaximized) && (before & Qt::WindowMaximized)) {
        // After the system has put the window back in its normal state.
        if (const auto normal = arrangement_.tapeRestoring()) {
            QTimer::singleShot(0, this, [this, box = *normal] {
                placing_ = true;
                placeTape(box, Size::OfClient);
                placing_ = false;
            });
        }
    }
    placing_ = false;
    syncMenus();
}

void WindowArranger::keypadStateChanged(Qt::WindowStates before) {
    if (arrangement_.flags().tapeHidden) return;
    placing_ = true;
    if (keypad_.isMinimized() && !tape_.isMinimized()) {
        tape_.showMinimized();
    } else if ((before & Qt::WindowMinimized) && tape_.isMinimized()) {
        tape_.setWindowState(tape_.windowState() & ~Qt::WindowMinimized);
        tape_.show();
    }
    placing_ = false;
}

void WindowArranger::setSkinFolders(const QString& appFolder, const QString& userDataFolder) {
    appFolder_ = appFolder;
    userDataFolder_ = userDataFolder;
}

QString WindowArranger::skinName() const {
    return p_.skin.name();
}

bool WindowArranger::useSkin(const QString& name) {
    SkinEntry entry;
    QString error;
    if (name.isEmpty()) {
        // The older place: two pictures in the program's Resources folder.
        entry = skinIn(fileWithoutCase(appFolder_, {"resources"}));
        entry.name.clear();
    } else {
        for (const SkinEntry& s : findSkins(skinFolders(appFolder_, userDataFolder_))) {
            if (s.name.compare(name, Qt::CaseInsensitive) == 0) entry = s;
        }
        if (entry.keyboard.isEmpty()) error = name;
    }
    SkinPictures pictures;
    if (!entry.keyboard.isEmpty()) pictures = readSkin(entry);
    if (!pictures.error.isEmpty()) error = pictures.error;
    if (!error.isEmpty()) {
        p_.message(qs(p_.texts.text(kSkinNotRead)) + " " + error);
        pictures = {};
        entry = {};
    }
    // The built-in skin staying (the usual start) has its outline already.
    if (entry.keyboard.isEmpty() && p_.skin.builtIn()) return error.isEmpty();
    p_.skin.use(entry.name, pictures.full, pictures.small);
    p_.skinChanged();
    return error.isEmpty();
}

void WindowArranger::applySettings(const config::Settings& s) {
    alphaBool_ = {s.keyboardAlphaBlendBool, s.ribbonAlphaBlendBool};
    alphaValue_ = {s.keyboardAlphaBlendValue, s.ribbonAlphaBlendValue};
    applyOpacity();
    useSkin(qs(s.skin));
    arrange::Flags flags;
    flags.magnet = s.magnet;
    flags.stayOnTop = s.stayOnTop;
    flags.keyboardHidden = s.hideKeyboard;
    flags.tapeHidden = s.hideRibbon;
    arrangement_.setFlags(flags);  // the windows are placed when they are first shown
    setStaysOnTop(keypad_, s.stayOnTop);
    setStaysOnTop(tape_, s.stayOnTop);
    if (s.hideKeyboard) setKeypadForm(true);
    syncMenus();
}

void WindowArranger::collectSettings(config::Settings& s) const {
    const arrange::Flags& f = arrangement_.flags();
    s.magnet = f.magnet;
    s.stayOnTop = f.stayOnTop;
    s.hideKeyboard = f.keyboardHidden;
    s.hideRibbon = f.tapeHidden;
    s.skin = skinName().toStdString();
    s.keyboardAlphaBlendBool = alphaBool_[0];
    s.keyboardAlphaBlendValue = alphaValue_[0];
    s.ribbonAlphaBlendBool = alphaBool_[1];
    s.ribbonAlphaBlendValue = alphaValue_[1];
}

void WindowArranger::applyOpacity() {
    QWidget* windows[] = {&keypad_, &tape_};
    for (std::size_t i = 0; i < 2; ++i) {
        const std::optional<int> v = config::Settings::opacity(alphaBool_[i], alphaValue_[i]);
        windows[i]->setWindowOpacity(v ? std::max(*v, kLeastOpacity) / 255.0 : 1.0);
    }
}

int WindowArranger::opacityValue(bool keypad) const {
    const auto v = config::ProfileFile::parseInteger(alphaValue_[keypad ? 0 : 1]);
    return v ? static_cast<int>(((*v % 256) + 256) % 256) : 255;
}

void WindowArranger::setOpacityValue(bool keypad, int position) {
    const std::size_t i = keypad ? 0 : 1;
    alphaBool_[i] = position >= 249 ? "False" : "True";
    alphaValue_[i] = std::to_string(position);
    applyOpacity();
}

void WindowArranger::savePlacements(config::ProfileFile& file) const {
    const arrange::Box keypad = frameBox(keypad_);
    config::SaveFormPlacement(file, {keypad.left, keypad.top});
    const arrange::Box tape = tapeSettingsBox();
    const bool maximized = tape_.isMaximized() || arrangement_.flags().tapeMaximized;
    config::SaveRibbonPlacement(file, {maximized, {tape.left, tape.top, tape.width, tape.height}});
}

// The tape's frame position and the size of its inside, as the settings keep them.
arrange::Box WindowArranger::tapeSettingsBox() const {
    if (!tape_.isVisible() && hiddenTapeFrame_) {
        arrange::Box b = *hiddenTapeFrame_;
        b.width -= tapeFrame_.left() + tapeFrame_.right();
        b.height -= tapeFrame_.top() + tapeFrame_.bottom();
        return b;
    }
    return settingsBox(tape_.normalGeometry().isValid() ? tape_.normalGeometry() : tape_.geometry(),
                       tapeFrame_.isNull() ? frameMargins(tape_) : tapeFrame_);
}

bool WindowArranger::placeAtStart(const config::ProfileFile& file, const config::Settings& s) {
    arrange::StartInput in;
    in.settingsFileExists = file.exists();
    if (const auto at = config::LoadFormPlacement(file))
        in.keypadSaved = arrange::Point{static_cast<int>(at->x), static_cast<int>(at->y)};
    in.keypadNow = frameBox(keypad_).topLeft();
    if (const auto ribbon = config::LoadRibbonPlacement(file)) {
        in.ribbonSection = true;
        in.ribbonMaximized = ribbon->maximized;
        in.ribbonNormal = {
            static_cast<int>(ribbon->normal.left), static_cast<int>(ribbon->normal.top),
            static_cast<int>(ribbon->normal.width), static_cast<int>(ribbon->normal.height)};
    }
    in.hideRibbon = s.hideRibbon;
    in.hideKeyboard = s.hideKeyboard;
    in.magnet = s.magnet;
    in.stayOnTop = s.stayOnTop;
    const arrange::StartPlacement p = arrangement_.start(in, screens());
    placing_ = true;
    placeFrame(keypad_, p.windows.keypad, Size::Kept);
    placeTape(p.windows.tape, Size::OfClient);
    if (p.tapeMaximized) tape_.setWindowState(Qt::WindowMaximized);
    placing_ = false;
    syncMenus();
    return p.tapeVisible;
}

}  // namespace zumbrel::gui
