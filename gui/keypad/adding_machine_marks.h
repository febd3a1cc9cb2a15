#pragma once

#include <QString>
#include <array>
#include <string>

class QLabel;
class QWidget;

namespace zumbrel::calc {
struct KeptValues;
struct Registers;
}  // namespace zumbrel::calc

namespace zumbrel::gui {

// What an adding machine shows beside its keys: a small "M" on the display while a memory
// holds a value, and the grand total on the command panel while it is not zero. Both are
// named for screen readers with their values, and hidden otherwise.
// The adding machine's keys, engraved as on a printing calculator (M+ M− MR MC GT), in a
// row right of the menu bar; each presses its edit-menu item and is named after it.
void addAddingMachineKeys(QWidget& panel);
inline constexpr int kAddingMachineKeysLeft = 398;  // on the panel, as the menu bar

class AddingMachineMarks {
  public:
    AddingMachineMarks(QWidget& displayArea, QWidget& commandPanel);

    // `memoryCaptions`: the memories' names in the interface language ("Mémoire 1").
    void show(const calc::Registers& r, const calc::KeptValues& kept,
              const std::array<QString, 3>& memoryCaptions);

  private:
    QLabel* memoryFlag_;
    // What the marks show now: most keys change neither the memories nor the grand total.
    std::array<std::string, 3> memoriesShown_;
    std::string grandTotalShown_;
    std::string formatShown_;
    QLabel* grandTotal_;
};

}  // namespace zumbrel::gui
