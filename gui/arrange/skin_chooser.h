#pragma once

#include <QDialog>

class QListWidget;

namespace zumbrel::gui {

class WindowArranger;

// "Galerie de skins": the skins found in the skins folders, each with its picture; choosing
// one puts it on the keypad at once (and the settings keep it); a button opens the user's own
// skins folder, where new skins go.
class SkinChooser final : public QDialog {
  public:
    // Opens the window, or brings the open one to the front.
    static SkinChooser& open(QWidget& window, WindowArranger& arranger);
    QListWidget* list() const { return list_; }
    // Puts the selected skin on the keypad.
    void useSelected();
    static QString userSkinsFolder();

  private:
    SkinChooser(QWidget& window, WindowArranger& arranger);
    void fill();

    WindowArranger& arranger_;
    QListWidget* list_;
};

}  // namespace zumbrel::gui
