#pragma once

#include <QObject>
#include <QString>

#include "core/tape/documents.h"

namespace zumbrel::gui {

class KeypadWindow;

// The file commands in the windows: the keypad's file menu and the tape toolbar call the
// calculator's documents, show what they decide (captions, available commands), print,
// export, and ask before the keypad closes on an unsaved tape.
class DocumentCommands final : public QObject {
  public:
    explicit DocumentCommands(KeypadWindow& keypad);

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

    KeypadWindow& keypad_;
};

// Where the file dialogs open: the desktop when there is one, otherwise home.
QString startFolder();

}  // namespace zumbrel::gui
