#pragma once

#include <optional>

#include "core/arrange/geometry.h"

namespace zumbrel::arrange {

// The keypad's two forms and where its skin stands, for the commands that size windows by it.
// The design size of the tape window (its width is the shape's).
inline constexpr Box kTapeDesign{10, 10, 405, 544};
// The keypad's place when there is no settings file: 14 pixels right of the tape, (429, 87)
// with the design width.
inline constexpr int kKeypadFirstRunGap = 14;
inline constexpr int kKeypadFirstRunTop = 87;

struct KeypadShape {
    int fullWidth = 630;
    int fullHeight = 484;
    int compactWidth = 410;
    int compactHeight = 164;
    Point compactAt{20, 95};  // the compact keypad's place, from the screen's corner
    // "Equal heights": the tape's top below the keypad's top, per form, and its height.
    int skinTop = 7;
    int skinHeight = 480;
    int compactSkinTop = 6;
    // The tape's width when nothing says otherwise (no settings file, or none saved): wide
    // enough for the longest line the program writes, with a 15-digit amount.
    int tapeDesignWidth = 405;
};

// The two windows' outer rectangles.
struct Windows {
    Box keypad;
    Box tape;
};

struct Flags {
    bool magnet = false;          // the tape follows the keypad
    bool stayOnTop = false;       // both windows above the others
    bool keyboardHidden = false;  // the compact keypad
    bool tapeHidden = false;
    bool tapeMaximized = false;
    bool restoredOnce = false;  // the tape has been restored once during this run
};

// What a command asks of the windows; nothing set: nothing happens.
struct Change {
    bool beep = false;
    std::optional<Box> keypad;
    std::optional<Box> tape;
    std::optional<bool> tapeVisible;
    bool maximizeTape = false;
    bool goodbye = false;  // hiding a window says goodbye (when the voice does)
};

// Where the windows go at start, from the settings file.
struct StartInput {
    bool settingsFileExists = false;
    std::optional<Point> keypadSaved;  // [FORM1] Left and Top
    Point keypadNow;                   // where the system put it
    bool ribbonSection = false;        // [RIBBON] exists
    bool ribbonMaximized = false;
    Box ribbonNormal;  // Left, Top, Width, Height of [RIBBON]
    bool hideRibbon = false;
    bool hideKeyboard = false;
    bool magnet = false;
    bool stayOnTop = false;
};
struct StartPlacement {
    Windows windows;
    bool tapeMaximized = false;
    bool tapeVisible = true;
};

// The keypad window and the tape window side by side, over each other, of equal heights,
// bound by the magnet, hidden and shown, and where they go at start. Everything stays on the
// screen that holds the keypad; the windows take the rectangles the commands return.
class Arrangement {
  public:
    explicit Arrangement(KeypadShape shape = {}) : shape_(shape), registers_(tapeDesign()) {}

    const Flags& flags() const { return flags_; }
    const KeypadShape& shape() const { return shape_; }
    // The flags the settings keep, before the windows are placed.
    void setFlags(const Flags& flags) { flags_ = flags; }

    StartPlacement start(const StartInput& in, const Screens& screens);

    Change sideBySide(const Windows& now, const Screens& screens);
    Change over(const Windows& now, const Screens& screens);
    Change equalHeights(const Windows& now, const Screens& screens);
    Change magnetOn();
    void magnetOff() { flags_.magnet = false; }
    void setStayOnTop(bool on) { flags_.stayOnTop = on; }

    Change hideKeyboard(const Windows& now, const Screens& screens);
    // From the tape's menu while the tape is maximised the keypad first goes to left 10.
    Change showKeyboard(const Windows& now, const Screens& screens, bool fromTape);
    Change hideTape();
    Change showTape(const Windows& now, const Screens& screens);

    // The system reports the keypad at `at`: where the tape goes when the magnet pulls it.
    std::optional<Box> keypadMoved(Point at, const Box& tape);

    // The tape's title-bar commands: maximising remembers its normal rectangle and releases
    // the magnet; the first restore of the run brings back the rectangle remembered.
    void tapeMaximizing(const Box& normal);
    std::optional<Box> tapeRestoring();
    const Box& tapeRegisters() const { return registers_; }

  private:
    Box keypadOfForm(Point at, bool compact) const;
    // Both windows go to the screen's corner, the keypad at `keypadFromTape` from the tape's.
    Change fromTheCorner(const Windows& now, const Screens& screens, Point keypadFromTape);
    Change placeKeypad(Box keypad);

    Box tapeDesign() const {
        return {kTapeDesign.left, kTapeDesign.top, shape_.tapeDesignWidth, kTapeDesign.height};
    }
    Box sizedOrDesign(const Box& b) const;

    KeypadShape shape_;
    Flags flags_;
    Point lastKeypad_;  // where the system last reported the keypad, or where we put it
    Box registers_;
};

}  // namespace zumbrel::arrange
