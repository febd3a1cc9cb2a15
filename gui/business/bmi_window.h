#pragma once

#include <QDialog>
#include <optional>

#include "core/ports.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zumbrel::gui {

// TIMC: the body-mass index from a weight and a height in metres and centimetres, with its
// class and, but for the normal one, the advice to see a doctor. Created when opened, gone
// when closed; nothing to do with the tape.
class BmiWindow final : public QDialog {
  public:
    // `texts`: the language's texts (French for French and Quebec French).
    BmiWindow(QWidget* parent, const Translator& texts, std::optional<char> letter,
              SoundOutput& sound, char decimalSeparator);

    // btnCalculIMCClick.
    void calculate();
    // btnWarnClick: the notice on what the classes leave out.
    void showNotice();
    // Its text and title in the window's language.
    QString notice(QString& title) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLineEdit* addField(const char* name, const QString& text, int maxLength);
    void refill(QLineEdit* field);
    void showUnits();
    void nameFields();
    void keepSizeForEveryResult(QGridLayout* grid);

    const Translator& texts_;
    std::optional<char> letter_;
    SoundOutput& sound_;
    char ds_;
    QLineEdit* edtPoids_;
    QLineEdit* edtMetres_;
    QLineEdit* edtCentimetres_;
    QLabel* lblKilos_;
    QLabel* lblMetre_;
    QPushButton* btnCalculIMC_;
    QLabel* lblTableau_;
    QLabel* lblWarn_;
};

}  // namespace zumbrel::gui
