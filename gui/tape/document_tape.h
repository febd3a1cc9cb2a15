#pragma once

#include <QTextCharFormat>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/tape/typing_style.h"

class QTextCursor;
class QTextDocument;
class QTimer;

namespace zumbrel::gui {

// The tape kept in a QTextDocument: the document is the tape, and the tape window shows it.
// Lines are blocks, styles are character formats, tape paragraphs are right-aligned.
//
// A long file is read in from its end: the lines that show go into the document at once, the
// ones above them wait and go in by slices between the window's events, so opening a tape of
// 10^5 lines does not hold the window. Every question to the tape counts the waiting lines.
class DocumentTape final : public tape::TypingStyleTape {
  public:
    // A tape on the document of a window, or on a document of its own.
    explicit DocumentTape(QTextDocument* document);
    DocumentTape();
    ~DocumentTape() override;

    void append(std::string_view text) override;
    void addLine(std::string_view text) override;
    void deleteLine(std::size_t i) override;
    std::string line(std::size_t i) const override;
    std::vector<tape::RichRun> lineRuns(std::size_t i) const override;
    std::size_t lineCount() const override;
    bool isEmpty() const override;
    void clear() override;

    void highlightOpenLine(Color background) override;
    tape::RichText richText() const override;
    void load(const tape::RichText& text) override;
    void loadTaking(tape::RichText&& text) override;
    void insertRichText(const tape::RichText& text) override;
    std::size_t storedLines() const override;
    void replaceLines(std::size_t first, std::size_t count, const tape::RichText& lines,
                      std::size_t from, std::size_t fromCount) override;

    void scrollToEnd() override;
    bool isModified() const override;
    void setModified(bool modified) override;
    bool editMode() const override { return editMode_; }
    void setEditMode(bool on) override;

    // The whole tape as a document: lines still waiting are put in first.
    QTextDocument* document();
    // Lines of a file read in that are not in the document yet.
    std::size_t linesWaiting() const { return waiting_ ? waiting_->count : 0; }
    // Puts every waiting line in now.
    void finishReading();
    // True while a slice of waiting lines goes in: the document changes, the tape does not.
    bool fillingIn() const { return filling_; }

    // The window follows these.
    std::function<void()> onScrollToEnd;
    // After a file was read in: the view goes to its end.
    std::function<void()> onLoaded;
    std::function<void(bool)> onEditModeChanged;
    // A slice of this many lines went in above the lines the document held.
    std::function<void(int)> onLinesAbove;

    // Lines put in at once when a long file is read in (many screens' worth), and lines in
    // each slice after them (a few milliseconds: a key pressed meanwhile hardly waits).
    static constexpr std::size_t kLinesAtOnce = 2000;
    static constexpr std::size_t kLinesPerSlice = 1000;

    static QTextCharFormat toFormat(const tape::TextStyle& style);
    static tape::TextStyle fromFormat(const QTextCharFormat& format);
    // The font of a tape in that style where no line says otherwise (the empty tape's).
    static QFont defaultFont(const tape::TextStyle& style);

  private:
    void typingChanged() override { typingFormat_ = toFormat(typing_); }
    void defaultChanged() override;
    // Character formats of a text's styles by style number, each made when first needed.
    using Formats = std::vector<std::optional<QTextCharFormat>>;
    // The lines of a file that wait: paragraphs [0, count) of text.
    struct Waiting {
        tape::RichText text;
        std::size_t count = 0;
        Formats formats;
    };

    void loadText(const tape::RichText& text, tape::RichText* taken);
    void insertParagraphs(const tape::RichText& text, std::size_t from, bool replacing);
    void insertSliceAbove();
    static void insertRuns(QTextCursor& c, const tape::RichText& text, std::size_t p,
                           Formats& formats);

    std::unique_ptr<QTextDocument> owned_;
    QTextDocument* doc_;
    std::unique_ptr<Waiting> waiting_;
    std::unique_ptr<QTimer> filler_;
    bool filling_ = false;
    QTextCharFormat typingFormat_;
    bool editMode_ = false;
};

}  // namespace zumbrel::gui
