#pragma once

#include <QObject>
#include <functional>

#include "core/calc/key_script.h"
#include "core/ports.h"

class QLineEdit;

namespace zumbrel::calc {
class Calculator;
}

namespace zumbrel::gui {

class TapeWindow;

// What the corrections of earlier lines use: the window whose edit menu holds the items, the
// tape window, the calculator and its road for keys, the texts.
struct CorrectionParts {
    QWidget& window;
    TapeWindow& tape;
    calc::Calculator& calculator;
    const Translator& tr;
    std::function<void(const calc::KeyAction&)> key;
};

// Correcting an earlier line from the windows: a double click on an amount of the tape, or
// F2 on the line at the caret, opens a small editor on that line with its operator and
// amount ("+ 3,00"); Enter applies, Escape leaves everything as it was. The tape's menu and
// the edit menu hold the same, with the line deleted, an amount inserted after it, and undo
// and redo of the corrections (Ctrl+Z, Ctrl+Y). The lines a correction changed keep a bar in
// the margin until the next key; the new total is said on the status line and to the screen
// reader.
class CorrectionCommands final : public QObject {
  public:
    static CorrectionCommands& install(CorrectionParts parts);

    // Opens the editor on tape line `line` (from 0); false when the line cannot be corrected
    // (the status line says why).
    bool editLine(int line, bool inserting = false);
    // The line the commands act on: the caret's, or the last amount typed when the caret is
    // on the open line at the end.
    int currentLine() const;
    // After each key: the change bars go, the undo and redo items follow.
    void refreshed();
    QLineEdit* editor() const { return editor_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit CorrectionCommands(CorrectionParts parts);
    void apply();
    void closeEditor();
    // Runs a correction; true when it was made. `typed`: what the editor held, given back to
    // it when the correction is refused, so that the user mends it rather than types it again.
    bool run(const live::CorrectionKey& key, const QString* typed = nullptr);
    void selectTypedAmount(const QString& typed);
    void refuse(const Message& why);
    void settleHandEdits();
    QString text(const Message& m) const;

    CorrectionParts p_;
    QLineEdit* editor_ = nullptr;
    int editedLine_ = -1;
    bool inserting_ = false;
    QString shownText_;
    QString comment_;            // the comment on the left of its amount, kept as it was written
    QString commentShown_;       // what the editor shows between the operator and the amount
    int menuLine_ = -1;          // the line right-clicked, while the tape's menu is open
    bool running_ = false;       // a correction runs: its own refresh keeps bars and editor
    bool editedByHand_ = false;  // the edit mode changed the tape's text
    bool fromKeypad_ = false;    // the editor was opened from the keypad's window
};

}  // namespace zumbrel::gui
