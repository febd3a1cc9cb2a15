#include "core/arrange/arrangement.h"

#include <algorithm>

namespace zumbrel::arrange {
namespace {

constexpr int kCornerGap = 10;    // side by side and over start from the screen's corner
constexpr int kSideGap = 14;      // between the tape's right edge and the keypad
constexpr int kShowTapeGap = 17;  // between the keypad and a tape shown again

// The area a window is kept in: the screen under it, or the fallback when it stands on none.
const Box& areaFor(const Box& window, const Screens& screens, const Box& fallback) {
    for (const Box& s : screens) {
        if (s.contains(window.centre())) return s;
    }
    const Box& best = screenOf(screens, window);
    const bool overlaps = best.left < window.right() && window.left < best.right() &&
                          best.top < window.bottom() && window.top < best.bottom();
    return overlaps ? best : fallback;
}

Change beep() {
    Change c;
    c.beep = true;
    return c;
}

}  // namespace

Box Arrangement::sizedOrDesign(const Box& b) const {
    const Box design = tapeDesign();
    return b.width > 0 && b.height > 0 ? b : Box{b.left, b.top, design.width, design.height};
}

Box Arrangement::keypadOfForm(Point at, bool compact) const {
    return compact ? Box{at.x, at.y, shape_.compactWidth, shape_.compactHeight}
                   : Box{at.x, at.y, shape_.fullWidth, shape_.fullHeight};
}

Change Arrangement::placeKeypad(Box keypad) {
    // The system will report the keypad where we put it: the tape must not follow that move.
    lastKeypad_ = keypad.topLeft();
    Change c;
    c.keypad = keypad;
    return c;
}

StartPlacement Arrangement::start(const StartInput& in, const Screens& screens) {
    flags_ = Flags{};
    flags_.magnet = in.magnet;
    flags_.stayOnTop = in.stayOnTop;
    flags_.keyboardHidden = in.hideKeyboard;
    flags_.tapeHidden = in.hideRibbon;

    Point at = in.keypadNow;
    if (!in.settingsFileExists)
        at = {tapeDesign().left + tapeDesign().width + kKeypadFirstRunGap, kKeypadFirstRunTop};
    else if (in.keypadSaved)
        at = *in.keypadSaved;
    Box keypad = keypadOfForm(at, in.hideKeyboard);
    keypad = clampInto(keypad, screenOf(screens, keypad));
    const Box& area = screenOf(screens, keypad);

    StartPlacement out;
    Box tape = tapeDesign().movedTo({area.left + kCornerGap, area.top + kCornerGap});
    if (in.settingsFileExists && in.ribbonSection) {
        registers_ = sizedOrDesign(in.ribbonNormal);
        tape = registers_;
        out.tapeMaximized = flags_.tapeMaximized = in.ribbonMaximized;
    }
    // A tape left off screen by an older version comes back into view, unless it is hidden.
    if (!in.hideRibbon) tape = clampInto(tape, areaFor(tape, screens, area));
    out.windows = {keypad, tape};
    out.tapeVisible = !in.hideRibbon;
    lastKeypad_ = keypad.topLeft();
    return out;
}

Change Arrangement::fromTheCorner(const Windows& now, const Screens& screens,
                                  Point keypadFromTape) {
    if (flags_.tapeMaximized) return beep();
    const Box& area = screenOf(screens, now.keypad);
    const Box tape =
        clampInto(now.tape.movedTo({area.left + kCornerGap, area.top + kCornerGap}), area);
    const Box keypad = clampInto(
        now.keypad.movedTo({tape.left + keypadFromTape.x, tape.top + keypadFromTape.y}), area);
    // The magnet rests while both windows are placed: the tape stays where it is put.
    Change c = placeKeypad(keypad);
    c.tape = tape;
    return c;
}

Change Arrangement::sideBySide(const Windows& now, const Screens& screens) {
    return fromTheCorner(now, screens, {now.tape.width + kSideGap, 0});
}

Change Arrangement::over(const Windows& now, const Screens& screens) {
    return fromTheCorner(now, screens, {0, 0});
}

Change Arrangement::equalHeights(const Windows& now, const Screens& screens) {
    if (flags_.tapeMaximized) return beep();
    const Box& area = screenOf(screens, now.keypad);
    const bool compact = flags_.keyboardHidden;
    Box tape = now.tape;
    tape.top = now.keypad.top + (compact ? shape_.compactSkinTop : shape_.skinTop);
    // As tall as the keypad's skin, the compact keypad's too: its strip is no height for a
    // tape (a text area of ten pixels).
    tape.height = std::min(shape_.skinHeight, area.height);
    Change c;
    c.tape = clampInto(tape, area);
    return c;
}

Change Arrangement::magnetOn() {
    if (flags_.tapeMaximized) return beep();
    flags_.magnet = true;
    return {};
}

Change Arrangement::hideKeyboard(const Windows& now, const Screens& screens) {
    const Box& area = screenOf(screens, now.keypad);
    flags_.keyboardHidden = true;
    const Point corner{area.left + shape_.compactAt.x, area.top + shape_.compactAt.y};
    Change c = placeKeypad(clampInto(keypadOfForm(corner, true), area));
    c.goodbye = true;
    return c;
}

Change Arrangement::showKeyboard(const Windows& now, const Screens& screens, bool fromTape) {
    const Box& area = screenOf(screens, now.keypad);
    Point at = now.keypad.topLeft();
    if (fromTape && flags_.tapeMaximized) {
        at.x = area.left + kCornerGap;
        flags_.magnet = false;
    }
    flags_.keyboardHidden = false;
    return placeKeypad(clampInto(keypadOfForm(at, false), area));
}

Change Arrangement::hideTape() {
    flags_.tapeHidden = true;
    Change c;
    c.tapeVisible = false;
    c.goodbye = true;
    return c;
}

Change Arrangement::showTape(const Windows& now, const Screens& screens) {
    flags_.tapeHidden = false;
    Change c;
    c.tapeVisible = true;
    const Box& area = screenOf(screens, now.keypad);
    if (flags_.tapeMaximized) {
        c.tape = now.tape.movedTo(area.topLeft());
        c.maximizeTape = true;
        return c;
    }
    // The side of the keypad with more room: right of it when it stands in the left half.
    Box tape = now.tape;
    const bool rightOfKeypad = area.left + area.width / 2 >= now.keypad.left + now.keypad.width / 2;
    tape.left = rightOfKeypad ? now.keypad.right() + kShowTapeGap
                              : now.keypad.left - tape.width - kShowTapeGap;
    c.tape = clampInto(tape, area);
    return c;
}

std::optional<Box> Arrangement::keypadMoved(Point at, const Box& tape) {
    if (at == lastKeypad_) return std::nullopt;
    const int dx = at.x - lastKeypad_.x;
    const int dy = at.y - lastKeypad_.y;
    lastKeypad_ = at;
    if (!flags_.magnet || flags_.tapeHidden || flags_.tapeMaximized) return std::nullopt;
    return tape.movedBy(dx, dy);
}

void Arrangement::tapeMaximizing(const Box& normal) {
    registers_ = normal;
    flags_.magnet = false;
    flags_.tapeMaximized = true;
}

std::optional<Box> Arrangement::tapeRestoring() {
    flags_.tapeMaximized = false;
    if (flags_.restoredOnce) return std::nullopt;
    flags_.restoredOnce = true;
    return registers_;
}

}  // namespace zumbrel::arrange
