#pragma once

namespace zumbrel::gui {

class TapeWindow;
class WindowTranslator;

// The tape window's menu, toolbar hints, line counter and captions in the language of `words`.
void translateTape(TapeWindow& tape, const WindowTranslator& words);

}  // namespace zumbrel::gui
