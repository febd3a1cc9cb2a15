#pragma once

#include <QTextCharFormat>
#include <functional>
#include <memory>

#include "tape/typing_style.h"

class QTextDocument;

namespace zumbrel::gui {

// The tape kept in a QTextDocument: the document is the tape, and the tape window shows it.
// Lines are blocks, styles are character formats, tape paragraphs are right-aligned.
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
    void insertRichText(const tape::RichText& text) override;

    void scrollToEnd() override;
    bool isModified() const override;
    void setModified(bool modified) override;
    bool editMode() const override { return editMode_; }
    void setEditMode(bool on) override;

    QTextDocument* document() const { return doc_; }
    // The window follows these.
    std::function<void()> onScrollToEnd;
    std::function<void(bool)> onEditModeChanged;

    static QTextCharFormat toFormat(const tape::TextStyle& style);
    static tape::TextStyle fromFormat(const QTextCharFormat& format);

  private:
    void typingChanged() override { typingFormat_ = toFormat(typing_); }
    void defaultChanged() override;
    void insertParagraphs(const tape::RichText& text, bool replacing);

    std::unique_ptr<QTextDocument> owned_;
    QTextDocument* doc_;
    QTextCharFormat typingFormat_;
    bool editMode_ = false;
};

}  // namespace zumbrel::gui
