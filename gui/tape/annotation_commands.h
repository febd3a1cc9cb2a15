#pragma once

#include <QObject>
#include <QString>

#include "core/tape/annotations.h"

class QLineEdit;

namespace zumbrel::gui {

class KeypadWindow;

// Writing on the tape from the windows: the keypad's edit menu (F4 to F9), the tape's toolbar
// and menu, the waiting result comment's field on the keypad, and the tape's eraser button.
// The day comes from the system's calendar and regional settings; the header and footer are
// the user's copies when there are some, otherwise the ones shipped.
class AnnotationCommands final : public QObject {
  public:
    static AnnotationCommands& install(KeypadWindow& keypad);
    void run(tape::AnnotationKey key);

    // Header.rtf or Footer.rtf: in the user's data folder, else in the program's Resources;
    // names without regard to case. Empty when neither exists.
    static QString headerFooterFile(const QString& appFolder, const QString& userDataFolder,
                                    const QString& name);
    // Today, with the system's names of the day and the month.
    static tape::DateParts today();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit AnnotationCommands(KeypadWindow& keypad);
    void showWaitingComment();
    void showEraser();

    KeypadWindow& keypad_;
    QLineEdit* edtComResult_;
};

}  // namespace zumbrel::gui
