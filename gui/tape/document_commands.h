#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "core/calc/key_script.h"
#include "core/tape/documents.h"

namespace zumbrel {
class Translator;
namespace calc {
class Calculator;
}
}  // namespace zumbrel

namespace zumbrel::gui {

class TapeWindow;

// What the file commands use: the window that holds the file menu's items, parents their
// dialogs and asks before it closes; the tape window; the calculator and its road for keys;
// the words of the dialogs; the refresh of the display; the status line's hint.
struct DocumentParts {
    QWidget& window;
    TapeWindow& tape;
    calc::Calculator& calculator;
    const Translator& texts;
    std::function<void(const calc::KeyAction&)> key;
    std::function<void()> refresh;
    std::function<void(const QString&)> hint;
};

// The file commands in the windows: the keypad's file menu and the tape toolbar call the
// calculator's documents, show what they decide (captions, available commands), print,
// export, and ask before the keypad closes on an unsaved tape.
class DocumentCommands final : public QObject {
  public:
    explicit DocumentCommands(DocumentParts parts);

    // ModifiedWarn: ask to save an unsaved tape when the program closes.
    bool modifiedWarn = true;

    // Shows the commands' availability, the tape window's caption.
    void apply();
    // Opens that tape as "Ouvrir" opens the one chosen (a recent tape).
    void openFile(const std::string& path);
    // The keypad is on screen: the tape as it starts is saved.
    void keypadShown();
    // PrintList (with the print dialog) and ToolbtnPrintClick (the default printer, or the
    // dialog when there is none).
    void print(bool withDialog);
    // The tape as PDF or CSV, by the extension chosen.
    void exportTape();
    // Without a dialog: PDF or CSV by the path's extension; false with the reason.
    bool exportTo(const QString& path, QString& error);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void run(tape::DocumentKey key);
    void connectAction(const char* name, tape::DocumentKey key);

    DocumentParts p_;
};

// Where the file dialogs open: the desktop when there is one, otherwise home.
QString startFolder();

}  // namespace zumbrel::gui
