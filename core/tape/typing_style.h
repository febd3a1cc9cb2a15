#pragma once

#include "core/tape/tape.h"

namespace zumbrel::tape {

// The typing attributes every tape keeps the same way: the style of the text written next,
// and the tape's default style that GetColorDefault restores.
class TypingStyleTape : public Tape {
  public:
    void setTypingColor(Color c) override {
        typing_.color = c;
        typingChanged();
    }
    void setTypingBold(bool bold) override {
        typing_.bold = bold;
        typingChanged();
    }
    void setTypingFont(std::string_view name, int halfPoints) override {
        typing_.fontName = std::string(name);
        typing_.halfPoints = halfPoints;
        typingChanged();
    }
    void setTypingBackground(bool on, Color c) override {
        typing_.hasBackground = on;
        typing_.background = c;
        typingChanged();
    }
    TextStyle typingStyle() const override { return typing_; }
    void restoreDefaultStyle() override {
        typing_ = default_;
        typingChanged();
    }
    void setDefaultStyle(const TextStyle& style) override {
        default_ = style;
        defaultChanged();
    }
    TextStyle defaultStyle() const override { return default_; }

  protected:
    // The implementation brings its own form of the typing style up to date.
    virtual void typingChanged() = 0;
    virtual void defaultChanged() {}

    TextStyle typing_;
    TextStyle default_;
};

}  // namespace zumbrel::tape
