#pragma once

#include <QPushButton>
#include <vector>

class QKeyEvent;
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
    // Each submenu takes its item's caption as its name, which a screen reader says as the
    // submenu is reached: when the menu drops, and after the captions change language.
    void nameSubmenus();

  protected:
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    QMenu* menu_;
};

// The menu bar from the keyboard: F10, or Alt pressed and released alone, drops the first
// menu; Left and Right in an open menu move to the neighbouring one; the menu key on a
// focused button drops its menu.
class MenuBarKeyboard {
  public:
    explicit MenuBarKeyboard(const std::vector<MenuButton*>& buttons) : buttons_(buttons) {}

    // A key pressed in the window; true when it was the menu bar's.
    bool keyPress(const QKeyEvent& e);
    // A key released in the window; true when it opened the bar.
    bool keyRelease(const QKeyEvent& e);
    // The window was activated or left: an Alt pressed elsewhere (Alt+Tab) opens nothing.
    void activationChanged() { altAlone_ = false; }
    // A key pressed in one of the bar's menus; true when it moved to another menu.
    bool menuKeyPress(QMenu* menu, const QKeyEvent& e);
    // Drops the menu of `focused` when it is one of the bar's buttons.
    bool dropMenuOf(const QWidget* focused);

  private:
    const std::vector<MenuButton*>& buttons_;
    bool altAlone_ = false;  // Alt is down and no other key came since
};

// Pops up the menu a control keeps as its actions (the display, a memory, the clipboard
// panel), below it; false when it has none.
bool popupWidgetMenu(QWidget* control);

// AdjustMenus: each button as wide as its caption plus 20 pixels, edge to edge from the
// first one's left; when the captions would then reach `right` (where the adding machine's
// keys begin), the 20 pixels shrink alike on every button, down to 6.
void AdjustMenus(const std::vector<MenuButton*>& buttons, int right);

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
