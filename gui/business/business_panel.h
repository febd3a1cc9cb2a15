#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/business/business_key.h"
#include "core/business/margin.h"

namespace zumbrel::business {
struct BusinessRegisters;
}

class QPushButton;
class QStandardItemModel;

namespace zumbrel {
class Translator;
namespace calc {
class Calculator;
}
}  // namespace zumbrel

namespace zumbrel::gui {

class NumberListPopup;
class RatePanel;

// The business buttons of the keypad and their rate panels: VAT (or the Quebec taxes), the
// currency conversion, the self-employed blocks and the golden number. The blocks
// themselves are the calculator's; this panel shows the rates in use and lets the user
// choose among them.
class BusinessPanel final : public QWidget {
  public:
    using Hint = std::function<void(QWidget* control, const QString& frenchHint)>;
    BusinessPanel(QWidget* parent, calc::Calculator& calc, const Translator& tr, const Hint& hint);

    // A business button pressed; the keypad runs it like any key.
    std::function<void(business::BusinessKey)> onKey;
    // A panel asks for the preferences on one of their pages ("5" VAT, "6" self-employed,
    // "8" currencies).
    std::function<void(int page)> onPreferences;

    // Shows the rates, names, captions and hints the registers and the language hold: after
    // a language or a settings change, and after a choice in a list.
    void refresh();

    // The margin keys show what waits for the block ("Coût 80"); after every key.
    void showMarginValues(const business::MarginValues& m);

  private:
    NumberListPopup& list(NumberListPopup*& made, const char* name,
                          void (business::BusinessRegisters::*choose)(std::size_t), QWidget* panel);
    void addMarkonRate(QPushButton& rate);
    QPushButton* addButton(const char* name, const QString& caption, QRect where,
                           business::BusinessKey key);
    RatePanel* addPanel(const char* name, QRect where);
    void fillChoices(QStandardItemModel& model, const QStringList& rows, int inUse) const;
    void openVatRates();
    std::string rateShown(std::string_view rate) const;  // in the program's separator
    void openProfiles();

    calc::Calculator& calc_;
    const Translator& tr_;
    RatePanel* vatRate_;
    RatePanel* quebecRates_;
    RatePanel* moneyRate_;
    RatePanel* profile_;
    std::optional<business::MarginValues> marginShown_;  // what the margin keys show
    NumberListPopup* vatList_ = nullptr;
    NumberListPopup* profileList_ = nullptr;
    QStandardItemModel* rows_;
    QStandardItemModel* vatRates_;
};

}  // namespace zumbrel::gui
