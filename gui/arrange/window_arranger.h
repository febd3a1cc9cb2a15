#pragma once

#include <QMargins>
#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "core/arrange/arrangement.h"

class QAction;
class QWidget;

namespace zumbrel {
class Translator;
namespace config {
class ProfileFile;
struct Settings;
}  // namespace config
}  // namespace zumbrel

namespace zumbrel::gui {

class KeypadSkin;

// What arranging uses: the two windows (the keypad holds the window menu's items), the tape's
// width as designed, the keypad's skin and what redraws it, the status line, the words of its
// messages, whether the windows were shown yet, the menus laid out again, and the goodbye.
struct ArrangedWindows {
    QWidget& keypad;
    QWidget& tape;
    int tapeDesignWidth;
    KeypadSkin& skin;
    const Translator& texts;
    std::function<bool()> windowsShown;
    std::function<void()> skinChanged;
    std::function<void()> adjustMenus;
    std::function<void(const QString&)> hint;
    std::function<void(const QString&)> message;
    std::function<void()> sayGoodbye;
    std::function<std::string()> appFolder;  // where the skins shipped with the program are
};

// The two windows together: the window menu's commands and the tape's hide and show items,
// the magnet, stay on top, the compact keypad, minimising and restoring both windows, the
// tape's maximise and restore, translucency, the skins, and where the windows go at start.
// Where they go is the core's arithmetic; this class reads and moves the real windows.
class WindowArranger final : public QObject {
  public:
    static WindowArranger& install(ArrangedWindows windows);
    static WindowArranger* of(const QWidget& keypad);

    // Where skins are looked for: the program's folder and the user's data folder.
    void setSkinFolders(const QString& appFolder, const QString& userDataFolder);
    // The flags, translucency, the skin and the compact form from the settings.
    void applySettings(const config::Settings& s);
    void collectSettings(config::Settings& s) const;
    // Both windows' normal frames (the tape's: only "maximised" while it is).
    void savePlacements(config::ProfileFile& file) const;
    // Places both windows when the keypad is first shown; false when the tape stays hidden.
    bool placeAtStart(const config::ProfileFile& file, const config::Settings& s);

    const arrange::Flags& flags() const { return arrangement_.flags(); }

    // Translucency of the keypad (true) or the tape (false): the value the settings keep,
    // and a track bar's position, which from 249 up makes the window opaque.
    int opacityValue(bool keypad) const;
    void setOpacityValue(bool keypad, int position);
    // Commands that place or stack windows need X11 (or XWayland); the reason otherwise.
    static QString placementUnavailableReason();

    void sideBySide();
    void over();
    void equalHeights();
    void setMagnet(bool on);
    void setStayOnTop(bool on);
    void hideKeyboard();
    void showKeyboard(bool fromTape);
    void hideTape();
    void showTape();
    // The skin of that name (empty: the built-in one); false, with the reason in the status
    // line, when its pictures cannot be read.
    bool useSkin(const QString& name);
    QString skinName() const;
    // The words of the arranger's windows (the skins' gallery), and the program's folder.
    const Translator& texts() const { return p_.texts; }
    std::string appFolder() const { return p_.appFolder(); }

    // What a placing does to a window's size.
    enum class Size { Kept, OfFrame, OfClient };

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit WindowArranger(ArrangedWindows windows);
    void connectMenus();
    void apply(const arrange::Change& change);
    void setKeypadForm(bool compact);
    void syncMenus();
    bool tapeCommandsAllowed() const;
    arrange::Windows windows() const;
    arrange::Box tapeFrameBox() const;
    arrange::Box tapeSettingsBox() const;
    void placeTape(const arrange::Box& frame, Size size);
    void rememberTapeFrame();
    arrange::Screens screens() const;
    void tapeStateChanged(Qt::WindowStates before);
    void keypadStateChanged(Qt::WindowStates before);
    void reportPlacementUnavailable();
    void applyOpacity();

    ArrangedWindows p_;
    QWidget& keypad_;
    QWidget& tape_;
    arrange::Arrangement arrangement_;
    QMargins tapeFrame_;  // the tape's frame around its inside, as last seen on screen and normal
    std::optional<arrange::Box> hiddenTapeFrame_;  // where a tape hidden here stands
    bool placing_ = false;                         // a state change made here, not by the user
    bool tapeJustShown_ = false;                   // by the command that shows it
    QString appFolder_;
    QString userDataFolder_;
    // KeyboardAlphaBlendBool/Value and RibbonAlphaBlendBool/Value, as the settings hold them.
    std::array<std::string, 2> alphaBool_{"False", "False"};
    std::array<std::string, 2> alphaValue_{"255", "255"};
};

}  // namespace zumbrel::gui
