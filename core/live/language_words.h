#pragma once

#include <functional>
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
    // Reads the words of a language the program has not used yet (a tape opened that was
    // written in it); nothing when it cannot.
    using Loader = std::function<std::shared_ptr<const Translator>(char letter)>;
    void setLoader(Loader load) { load_ = std::move(load); }

    // The words of `letter` as they stand now (a copy that later changes leave alone).
    void keep(std::optional<char> letter, std::shared_ptr<const Translator> words);
    // Those of `letter`: kept, or read the first time they are asked for; nothing when they
    // are neither.
    const Translator* of(std::optional<char> letter) const;

  private:
    mutable std::vector<std::pair<std::optional<char>, std::shared_ptr<const Translator>>> words_;
    Loader load_;
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
    // The words in force now: the same object until the language changes.
    const Translator& current() const { return *current_; }

  private:
    const Translator& inUse_;
    const Translator* current_;
};

}  // namespace zumbrel::live
