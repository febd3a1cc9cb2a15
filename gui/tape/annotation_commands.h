#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>

#include "core/calc/key_script.h"
#include "core/tape/annotations.h"

class QLineEdit;

namespace zumbrel::calc {
class Calculator;
}

namespace zumbrel::gui {

class TapeWindow;

// What writing on the tape uses: the window that holds the edit menu's items and the panel
// for the waiting comment, the tape window, the calculator and its road for keys, and the
// program's folder (where the shipped header and footer are).
struct AnnotationParts {
    QWidget& window;
    TapeWindow& tape;
    calc::Calculator& calculator;
    std::function<void(const calc::KeyAction&)> key;
    std::function<std::string()> appFolder;
};

// Writing on the tape from the windows: the keypad's edit menu (F4 to F9), the tape's toolbar
// and menu, the waiting result comment's field on the keypad, and the tape's eraser button.
// The day comes from the system's calendar and regional settings; the header and footer are
// the user's copies when there are some, otherwise the ones shipped.
class AnnotationCommands final : public QObject {
  public:
    static AnnotationCommands& install(AnnotationParts parts);
    void run(tape::AnnotationKey key);
    // After each key: the waiting comment and the eraser as the registers have them.
    void refreshed();

    // Header.rtf or Footer.rtf: in the user's data folder, else in the program's Resources;
    // names without regard to case. Empty when neither exists.
    static QString headerFooterFile(const QString& appFolder, const QString& userDataFolder,
                                    const QString& name);
    // Today, with the system's names of the day and the month.
    static tape::DateParts today();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit AnnotationCommands(AnnotationParts parts);
    void showWaitingComment();
    void showEraser();

    AnnotationParts p_;
    QLineEdit* edtComResult_;
};

}  // namespace zumbrel::gui
