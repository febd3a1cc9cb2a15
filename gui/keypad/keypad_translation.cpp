#include "gui/keypad/keypad_translation.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QVariant>

#include "core/config/language_keys.h"
#include "gui/config/translate_windows.h"
#include "gui/keypad/kept_numbers_panel.h"
#include "gui/keypad/keypad_window.h"
#include "gui/keypad/menu_bar.h"
#include "gui/keypad/status_line.h"
#include "gui/ui/qt_ports.h"

namespace zumbrel::gui {
namespace {

template <class T>
T* ownChild(QWidget& window, const QString& name) {
    for (T* c : window.findChildren<T*>(name)) {
        if (ownedByWindow(c, window)) return c;
    }
    return nullptr;
}

// Sets a control's caption: a menu button, a menu item, a memory, or the status line.
void setCaption(QWidget& window, std::string_view control, const QString& text) {
    const QString name = qs(control);
    bool anAction = false;
    // Every one of the window's items of that name (the three memories share theirs).
    for (QAction* action : window.findChildren<QAction*>(name)) {
        if (!ownedByWindow(action, window)) continue;
        action->setText(text);
        anAction = true;
    }
    if (anAction) {
        return;
    } else if (auto* memory = ownChild<NumberLabel>(window, name)) {
        memory->setCaption(text);
    } else if (auto* button = ownChild<QPushButton>(window, name)) {
        // The menu-bar buttons name their menus too.
        if (auto* menuButton = dynamic_cast<MenuButton*>(button))
            menuButton->setText(text);
        else
            button->setText(text);
        button->setAccessibleName(QString(text).remove('&'));
    }
}

// The hint of a control: the language's text, or its built-in French one for French and
// Quebec French.
void setHint(QWidget& window, std::string_view control, const QString& text, bool french) {
    for (QObject* o : window.findChildren<QObject*>(qs(control))) {
        if (!ownedByWindow(o, window)) continue;
        const QVariant builtIn = o->property("zumbrelHintFrench");
        if (!builtIn.isValid()) continue;
        const QString hint = french ? builtIn.toString() : text;
        o->setProperty("zumbrelHint", hint);
        if (auto* w = qobject_cast<QWidget*>(o)) w->setAccessibleDescription(hint);
    }
}

// The captions of the command panel borrow the words of the decimals setting and of the
// interim-result message, without the message's closing colon; a long word gets a smaller
// font rather than being clipped.
void setPanelCaptions(QWidget& keypad, const config::Translation& t) {
    const auto label = [&](const char* name, std::string_view key, int pixelSize) {
        QLabel* l = keypad.findChild<QLabel*>(name);
        if (!l) return;
        QString text = qs(t.text(key));
        while (!text.isEmpty() && (text.back() == ':' || text.back().isSpace()))
            text.chop(1);
        QFont f = l->font();
        for (f.setPixelSize(pixelSize); f.pixelSize() > 8; f.setPixelSize(f.pixelSize() - 1)) {
            if (QFontMetrics(f).horizontalAdvance(text) <= l->width()) break;
        }
        l->setFont(f);
        l->setText(text);
    };
    label("lblDecimalsCaption", "DECIMALS", 13);
    label("lblMemoryCaption", "MSG_INTERM_RESULT", 12);
}

}  // namespace

void translateKeypad(KeypadWindow& keypad, const WindowTranslator& words,
                     config::LanguageTranslator& messages) {
    const config::Translation& t_ = words.translation();
    // The captions serve as titles too (the file dialogs are titled like the menu), and the
    // tape's messages are the calculator's (it asks the title and the comments).
    config::setMessageVariables(messages, t_);
    for (const config::WindowKeys& w : config::languageKeyLists()) {
        if (w.window != "keypad captions") continue;
        for (const config::LanguageKey& k : w.keys) {
            const QString text = qs(t_.text(k.key));
            if (k.control == "lblComment")
                keypad.statusLine().setMessage(text);
            else
                setCaption(keypad, k.control, text);
        }
    }
    // Words a reader hears that belong to no control ("en cours" after the VAT rate in use)
    // are asked of the calculator's translator.
    for (const config::AccessibleNameKey& k : config::accessibleNameKeys()) {
        if (k.control.empty())
            messages.setVariable(std::string(k.key), words.accessibleText(k.key).toStdString());
    }
    for (const config::LanguageKey& h : config::keypadHintKeys()) {
        if (!h.control.empty()) setHint(keypad, h.control, qs(t_.text(h.key)), words.french());
    }
    setPanelCaptions(keypad, t_);
    words.setAccessibleNames(keypad);
    keypad.setVoiceNames(
        {words.accessibleText("A11Y_VOICE_MAN"), words.accessibleText("A11Y_VOICE_WOMAN"),
         words.accessibleText("A11Y_VOICE_CLICK"), words.accessibleText("A11Y_VOICE_NONE")});
    for (MenuButton* b : keypad.menuButtons()) {
        b->setAccessibleDescription(words.accessibleText("A11Y_MENU"));
        b->nameSubmenus();
    }
    keypad.AdjustMenus();
}

}  // namespace zumbrel::gui
