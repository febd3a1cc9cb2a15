#pragma once

#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "core/ports.h"

namespace zumbrel::live {

// The words of each language the calculator has written in, by language letter: a correction
// writes a business block again in the words it was first written with, not in the language
// chosen since.
class LanguageWords {
  public:
    // The words of `letter` as they stand now (a copy that later changes leave alone).
    void keep(std::optional<char> letter, std::shared_ptr<const Translator> words);
    // Those of `letter`, or nothing when it was never written in.
    const Translator* of(std::optional<char> letter) const;

  private:
    std::vector<std::pair<std::optional<char>, std::shared_ptr<const Translator>>> words_;
};

// The translator a replay writes with: the words of the language in force at each step.
class WordsInForce final : public Translator {
  public:
    explicit WordsInForce(const Translator& inUse) : inUse_(inUse), current_(&inUse) {}
    // The language letter the following steps were written in.
    void follow(const LanguageWords* kept, std::optional<char> letter) {
        const Translator* words = kept ? kept->of(letter) : nullptr;
        current_ = words ? words : &inUse_;
    }
    std::string text(const Message& m) const override { return current_->text(m); }

  private:
    const Translator& inUse_;
    const Translator* current_;
};

}  // namespace zumbrel::live
