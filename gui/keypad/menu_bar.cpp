#include "gui/keypad/menu_bar.h"

#include <QActionGroup>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <algorithm>

#include "core/config/language.h"
#include "gui/ui/accessibility.h"
#include "gui/ui/fonts.h"
#include "gui/ui/keyboard_menus.h"
#include "gui/ui/qt_ports.h"

namespace zumbrel::gui {

// Parent and caption are set once the button is a MenuButton, so that its accessible
// interface (a menu item) is the first one made for it.
MenuButton::MenuButton(const QString& caption, QMenu* menu, QWidget* parent)
    : QPushButton(nullptr), menu_(menu) {
    setParent(parent);
    setText(caption);
    menu->setAccessibleName(QString(caption).remove('&'));
    menu->setTitle(caption);
    // Screen readers find the menu under its button, as under a menu bar's item.
    setAccessibleParent(*menu, this);
    setFlat(true);
    setFocusPolicy(Qt::TabFocus);
    QFont f(installedFamily(QStringLiteral("Arial")));
    f.setPixelSize(16);
    setFont(f);
    setFixedHeight(22);
    QPalette pal = palette();
    pal.setColor(QPalette::ButtonText, QColor("#102060"));
    setPalette(pal);
    setAccessibleName(QString(caption).remove('&'));
    setAccessibleDescription(tr("Menu"));
}

void MenuButton::setText(const QString& caption) {
    QPushButton::setText(caption);
    if (menu_) {
        menu_->setTitle(caption);
        menu_->setAccessibleName(QString(caption).remove('&'));
    }
}

void MenuButton::nameSubmenus() {
    for (QAction* a : menu_->actions())
        if (a->menu()) a->menu()->setAccessibleName(QString(a->text()).remove('&'));
}

void MenuButton::drop(bool fromKeyboard) {
    nameSubmenus();  // the recent tapes' submenu may be new
    menu_->popup(mapToGlobal(QPoint(3, 20)));
    if (fromKeyboard) selectFirstItem(*menu_);
}

void MenuButton::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton || e->button() == Qt::RightButton) {
        drop();
        return;
    }
    QPushButton::mousePressEvent(e);
}

void MenuButton::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Down) {
        drop(true);
        return;
    }
    QPushButton::keyPressEvent(e);
}

bool MenuBarKeyboard::keyPress(const QKeyEvent& e) {
    if (e.key() == Qt::Key_Alt) {  // whether Alt itself counts as held varies
        altAlone_ = true;
        return true;
    }
    altAlone_ = false;
    if (e.key() == Qt::Key_F10 && e.modifiers() == Qt::NoModifier && !buttons_.empty()) {
        buttons_.front()->drop(true);
        return true;
    }
    return false;
}

bool MenuBarKeyboard::keyRelease(const QKeyEvent& e) {
    if (e.key() != Qt::Key_Alt || !altAlone_ || buttons_.empty()) return false;
    altAlone_ = false;
    buttons_.front()->drop(true);
    return true;
}

bool MenuBarKeyboard::menuKeyPress(QMenu* menu, const QKeyEvent& e) {
    if (e.key() != Qt::Key_Left && e.key() != Qt::Key_Right) return false;
    if (e.key() == Qt::Key_Right && menu->activeAction() && menu->activeAction()->menu())
        return false;  // Right opens a submenu first
    const auto it = std::find_if(buttons_.begin(), buttons_.end(),
                                 [menu](MenuButton* b) { return b->dropMenu() == menu; });
    if (it == buttons_.end()) return false;
    const auto n = static_cast<std::ptrdiff_t>(buttons_.size());
    const std::ptrdiff_t step = e.key() == Qt::Key_Right ? 1 : -1;
    const std::ptrdiff_t next = ((it - buttons_.begin()) + step + n) % n;
    menu->close();
    buttons_[static_cast<std::size_t>(next)]->drop(true);
    return true;
}

bool MenuBarKeyboard::dropMenuOf(const QWidget* focused) {
    for (MenuButton* b : buttons_) {
        if (b == focused) {
            b->drop(true);
            return true;
        }
    }
    return false;
}

bool popupWidgetMenu(QWidget* control) {
    if (!control || control->contextMenuPolicy() != Qt::ActionsContextMenu ||
        control->actions().isEmpty())
        return false;
    // One menu a control, made once and kept: a menu made anew at each opening and deleted on
    // closing left screen readers with a menu they no longer saw from its second opening on.
    auto* menu = control->findChild<QMenu*>("ppmContext", Qt::FindDirectChildrenOnly);
    if (!menu) {
        menu = new QMenu(control);
        menu->setObjectName("ppmContext");
    }
    menu->setAccessibleName(control->accessibleName());
    if (menu->actions() != control->actions()) {
        menu->clear();
        menu->addActions(control->actions());
    }
    menu->popup(control->mapToGlobal(QPoint(0, control->height())));
    return true;
}

void AdjustMenus(const std::vector<MenuButton*>& buttons, int right) {
    if (buttons.empty()) return;
    std::vector<int> captions;
    int total = 0;
    for (MenuButton* b : buttons) {
        // The caption as drawn: mnemonic markers take no room.
        const QString shown = QString(b->text()).remove('&');
        captions.push_back(QFontMetrics(b->font()).horizontalAdvance(shown));
        total += captions.back();
    }
    int x = buttons.front()->x();
    const int room = right - x - total;
    const int padding = std::clamp(room / static_cast<int>(buttons.size()), 6, 20);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const int width = captions[i] + padding;
        buttons[i]->setFixedWidth(width);
        buttons[i]->move(x, buttons[i]->y());
        x += width;
    }
}

namespace {

struct ItemDef {
    const char* name;
    const char* caption;
    const char* shortcut;
    bool works;
};

QMenu* makeMenu(QWidget* owner, const char* name, std::initializer_list<ItemDef> items) {
    auto* menu = new QMenu(owner);
    menu->setObjectName(name);
    for (const ItemDef& it : items) {
        if (!it.name) {
            menu->addSeparator();
            continue;
        }
        QAction* a = menu->addAction(QObject::tr(it.caption));
        a->setObjectName(it.name);
        if (it.shortcut) {
            a->setShortcut(QKeySequence(QString::fromLatin1(it.shortcut)));
            a->setShortcutContext(Qt::WindowShortcut);
            owner->addAction(a);  // shortcuts work while the keypad window is active
        }
        a->setEnabled(it.works);
    }
    return menu;
}

}  // namespace

KeypadMenus buildKeypadMenus(QWidget* owner) {
    KeypadMenus m{};
    m.ppmFiles = makeMenu(owner, "ppmFiles",
                          {{"mItemNouveau", "Nouveau", "Ctrl+N", false},
                           {"mItemOuvrir", "Ouvrir...", "Ctrl+O", false},
                           {"mItemRecent", "Tapes récentes", nullptr, false},
                           {"mItemEnregistrer", "Enregistrer", "Ctrl+S", false},
                           {"mItemEnregistrerSous", "Enregistrer sous...", nullptr, false},
                           {"mItemPrint", "Imprimer", "Ctrl+P", false},
                           {"mItemExport", "Exporter (PDF, CSV)...", "Ctrl+E", true},
                           {},
                           {"mItemQuit", "Quitter", "Ctrl+Q", true}});
    // The recent tapes: eight places, Ctrl+1 … Ctrl+8, shown as the list fills.
    auto* recent = new QMenu(owner);
    recent->setObjectName("ppmRecent");
    recent->setToolTipsVisible(true);
    for (int i = 1; i <= 8; ++i) {
        QAction* a = recent->addAction(QString::number(i));
        a->setObjectName(QStringLiteral("mItemRecent%1").arg(i));
        a->setShortcut(QKeySequence(QStringLiteral("Ctrl+%1").arg(i)));
        a->setShortcutContext(Qt::WindowShortcut);
        a->setVisible(false);
        owner->addAction(a);
    }
    recent->addSeparator();
    recent->addAction(QObject::tr("Effacer la liste"))->setObjectName("mItemRecentClear");
    m.ppmFiles->findChild<QAction*>("mItemRecent")->setMenu(recent);
    m.ppmEdit =
        makeMenu(owner, "ppmEdit",
                 {{"mItemColler", "Co&ller", "Ctrl+V", false},
                  {"mItemReadResult", "Relire le dernier résultat", "Ctrl+R", false},
                  {"mItemReadLine", "Lire la ligne du ruban", "Ctrl+L", false},
                  {"mItemFind", "Rechercher…", "Ctrl+F", false},
                  {},
                  {"mItemMemoryPlus", "Mémoire plus (M+)", "Ctrl+M", false},
                  {"mItemMemoryMinus", "Mémoire moins (M-)", "Ctrl+Shift+M", false},
                  {"mItemMemoryRecall", "Rappeler la mémoire (MR)", "Ctrl+Shift+R", false},
                  {"mItemMemoryClear", "Effacer la mémoire (MC)", "Ctrl+Shift+C", false},
                  {"mItemGrandTotal", "Grand total (G.T.)", "Ctrl+G", false},
                  {"mItemGrandTotalClear", "Effacer le grand total", "Ctrl+Shift+G", false},
                  {},
                  {"mItemInsertEntete", "Insérer un entête", "F4", false},
                  {"mItemInsertDate", "Insérer la date", "F5", false},
                  {"mItemInsertTitle", "Insérer un titre d'opération", "F6", false},
                  {"mItemInsertCommentLine", "Insérer un commentaire de ligne", "F7", false},
                  {"mItemInsertCommentResult", "Insérer un commentaire de résultat", "F8", false},
                  {"mItemInsertPiedPage", "Insérer un pied de page", "F9", false},
                  {},
                  {"mItemEraseTape", "Effacer toute la liste du ruban", nullptr, false},
                  {"mItemEditRibbon", "Edition du ruban", nullptr, true},
                  {"mItemEditRTF", "Mini-éditeur RTF", nullptr, false}});
    m.ppmFenetres = makeMenu(owner, "ppmFenetres",
                             {{"mItemACote", "A côté", nullptr, false},
                              {"mItemParDessus", "Par dessus", nullptr, false},
                              {"mItemEgaliser", "Égaliser en hauteur", nullptr, false},
                              {},
                              {"mItemMagnet", "Aimanter le ruban", nullptr, false},
                              {"mItemNoMagnet", "Désaimanter le ruban", nullptr, false},
                              {"mItemAuDevant", "Toujours devant", nullptr, false},
                              {"mItemAuDerriere", "Au derrière", nullptr, false},
                              {},
                              {"mItemHideKeyboard", "Cacher le clavier", nullptr, false},
                              {"mItemVisibleKeyboard", "Revoir le clavier", nullptr, false},
                              {"mItemHideRibbon", "Cacher le ruban", nullptr, false},
                              {"mItemVisibleRibbon", "Revoir le ruban", nullptr, false}});
    for (const char* hidden :
         {"mItemNoMagnet", "mItemAuDerriere", "mItemVisibleKeyboard", "mItemVisibleRibbon"})
        m.ppmFenetres->findChild<QAction*>(hidden)->setVisible(false);
    m.ppmOptions = makeMenu(owner, "ppmOptions",
                            {{"mItemPreferences", "Préférences", nullptr, false},
                             {},
                             {"mItemLangage", "Langage", nullptr, true},
                             {},
                             {"mItemVoiceFaster", "Plus vite", "Ctrl+Shift+Up", false},
                             {"mItemVoiceSlower", "Moins vite", "Ctrl+Shift+Down", false},
                             {},
                             {"mmItemGalerie", "Galerie de skins", nullptr, false},
                             {},
                             {"DetectIP", "IP", nullptr, false},
                             {},
                             {"mItemMAJ", "Vérifier les mises à jour", nullptr, false}});
    // The language submenu, sorted by caption.
    auto* languages = new QMenu(owner);
    languages->setObjectName("ppmLangage");
    auto* group = new QActionGroup(languages);
    for (const config::LanguageRow* row : config::languageMenuOrder()) {
        QAction* a = languages->addAction(qs(row->caption));
        a->setObjectName(qs(row->item));
        a->setCheckable(true);
        a->setData(row->lang);
        group->addAction(a);
    }
    m.ppmOptions->findChild<QAction*>("mItemLangage")->setMenu(languages);
    m.ppmLangage = languages;
    m.ppmAide = makeMenu(owner, "ppmAide",
                         {{"mItemAPropos", "A propos...", nullptr, false},
                          {"mItemLicence", "Licence", nullptr, false},
                          {"mItemCredits", "Crédits", nullptr, false},
                          {"mItemPrincipeFonction", "Principe de fonctionnement", nullptr, false},
                          {},
                          {"mItemFAQ", "Foire Aux Questions", "F1", false},
                          {"mItemZMBSurWeb", "Zumbrel sur le Web", nullptr, false}});
    m.ppmAutresCalculs = makeMenu(owner, "ppmAutresCalculs",
                                  {{"mItemIMC", "Indice de Masse Corporelle", nullptr, false}});
    return m;
}

}  // namespace zumbrel::gui
