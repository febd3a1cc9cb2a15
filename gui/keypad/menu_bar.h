#pragma once

#include <QPushButton>
#include <vector>

class QMenu;

namespace zumbrel::gui {

// A flat menu-bar button that drops its menu at (x + 3, y + 20) on a left or a right click.
class MenuButton final : public QPushButton {
  public:
    MenuButton(const QString& caption, QMenu* menu, QWidget* parent);
    QMenu* dropMenu() const { return menu_; }
    // The caption, also the name of the menu it drops.
    void setText(const QString& caption);
    // Drops the menu; from the keyboard (or a screen reader) its first available item is
    // made current, so that a reader announces it and the arrows start from it.
    void drop(bool fromKeyboard = false);

  protected:
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    QMenu* menu_;
};

// AdjustMenus: each button as wide as its caption plus 20 pixels, edge to edge from the
// first one's left.
void AdjustMenus(const std::vector<MenuButton*>& buttons);

// The five menus of the keypad window, their items (by the controls' names), captions and
// shortcuts. Items whose actions are not built yet are disabled.
struct KeypadMenus {
    QMenu* ppmFiles;
    QMenu* ppmEdit;
    QMenu* ppmFenetres;
    QMenu* ppmOptions;
    QMenu* ppmAide;
    QMenu* ppmAutresCalculs;
    QMenu* ppmLangage;
};
KeypadMenus buildKeypadMenus(QWidget* owner);

}  // namespace zumbrel::gui
