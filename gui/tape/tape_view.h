#pragma once

#include <QPlainTextEdit>
#include <functional>
#include <vector>

#include "core/tape/spoken_lines.h"
#include "gui/ui/accessibility.h"

namespace zumbrel::gui {

// The tape's view. A plain text view lays out only the lines in sight, so a tape of 10^5 lines
// shows and scrolls at once; its layout keeps each line's own alignment (numbers on the right,
// a header's title centred) and the view pastes formatted text as a rich view does.
class TapeView final : public QPlainTextEdit, public TakesAccessibleTexts {
  public:
    explicit TapeView(QWidget* parent);

    // Called before a key that reaches the whole text (select all, the start of the text).
    std::function<void()> onWholeText;

    // The words a screen reader is given for rules, totals and roots.
    const tape::SpokenWords& spokenWords() const { return words_; }
    void setSpokenWords(tape::SpokenWords words) {
        words_ = std::move(words);
        ++wordsVersion_;
    }
    void takeAccessibleTexts(const std::function<QString(std::string_view)>& text) override;
    int wordsVersion() const { return wordsVersion_; }
    // The decimal separator: a reader hears thousands apart by spaces, never an apostrophe.
    char decimalSeparator() const { return ds_; }
    void setDecimalSeparator(char ds) {
        if (ds == ds_) return;
        ds_ = ds;
        ++wordsVersion_;
    }

    // Lines a correction changed: a bar in the left margin marks each until the next key.
    void markChangedLines(std::vector<int> blocks);
    void clearChangedLines();
    const std::vector<int>& changedLines() const { return changed_; }
    // Where line `block` shows in the viewport.
    QRectF lineBox(int block) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

  private:
    tape::SpokenWords words_;
    int wordsVersion_ = 0;
    char ds_ = ',';
    std::vector<int> changed_;
};

}  // namespace zumbrel::gui
