#include "gui/config/translate_windows.h"

#include <QAction>
#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVariant>

#include "core/config/language_keys.h"
#include "core/local_file_system.h"
#include "gui/keypad/kept_numbers_panel.h"
#include "gui/keypad/keypad_window.h"
#include "gui/keypad/menu_bar.h"
#include "gui/keypad/status_line.h"
#include "gui/tape/tape_view.h"
#include "gui/tape/tape_window.h"
#include "gui/ui/accessibility.h"
#include "gui/ui/qt_ports.h"

namespace zumbrel::gui {
namespace {

// Whether an object belongs to the window itself and not to a window it owns (the tape
// window is a child of the keypad window and has items of the same names). Popup menus are
// windows too, but they belong to the window that owns them.
bool ownedBy(const QObject* o, const QWidget& window) {
    for (const QObject* p = o->parent(); p; p = p->parent()) {
        if (p == &window) return true;
        const auto* w = qobject_cast<const QWidget*>(p);
        if (w && w->isWindow() && !qobject_cast<const QMenu*>(w)) return false;
    }
    return false;
}

template <class T>
T* ownChild(QWidget& window, const QString& name) {
    for (T* c : window.findChildren<T*>(name)) {
        if (ownedBy(c, window)) return c;
    }
    return nullptr;
}

// Sets a control's caption: a menu button, a menu item, a memory, or the status line.
void setCaption(QWidget& window, std::string_view control, const QString& text) {
    const QString name = qs(control);
    bool anAction = false;
    // Every one of the window's items of that name (the three memories share theirs).
    for (QAction* action : window.findChildren<QAction*>(name)) {
        if (!ownedBy(action, window)) continue;
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
        if (!ownedBy(o, window)) continue;
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

std::unique_ptr<WindowTranslator> WindowTranslator::forKeypad(const KeypadWindow& keypad) {
    const config::LanguageRow* row = config::languageOfNumber(keypad.languageNumber());
    const auto code = static_cast<config::InstallCode>(keypad.installCode());
    return std::make_unique<WindowTranslator>(keypad.files(), keypad.appFolder(), code,
                                              row ? *row : *config::languageOfNumber(1));
}

std::string WindowTranslator::text(const Message& m) const {
    return french_ ? std::string(m.french) : t_.text(m.key);
}

QString WindowTranslator::accessibleText(std::string_view key) const {
    return french_ ? qs(config::frenchAccessibleName(key)) : qs(t_.text(key));
}

void WindowTranslator::setAccessibleNames(QWidget& window) const {
    applyAccessibleNames(window, [this](std::string_view key) { return accessibleText(key); });
}

void applyAccessibleNames(QWidget& window, const std::function<QString(std::string_view)>& text) {
    // The window's own controls by name, found in one walk (the first of a name wins).
    QHash<QString, QWidget*> controls{{window.objectName(), &window}};
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->objectName().isEmpty() && !controls.contains(w->objectName()) && ownedBy(w, window))
            controls.insert(w->objectName(), w);
    }
    QVariantHash later;  // the names of controls made when they are first needed
    for (const config::AccessibleNameKey& k : config::accessibleNameKeys()) {
        if (k.control.empty()) continue;
        QWidget* w = controls.value(qs(k.control));
        if (k.description) {
            if (!w) continue;
            w->setAccessibleDescription(text(k.key));
            if (!w->toolTip().isEmpty()) w->setToolTip(text(k.key));
            continue;
        }
        if (w) setAccessibleCaption(*w, text(k.key));
        later.insert(qs(k.control), text(k.key));
    }
    keepNamesForLater(window, later);
    if (auto* tape = dynamic_cast<TapeView*>(controls.value(QStringLiteral("Editor"))))
        tape->setSpokenWords(
            {text("A11Y_TAPE_RULE").toStdString(), text("A11Y_TAPE_TOTAL").toStdString(),
             text("A11Y_TAPE_ROOT_OF").toStdString(), text("A11Y_TAPE_ROOT").toStdString()});
}

void applyFrenchAccessibleNames(QWidget& window) {
    applyAccessibleNames(
        window, [](std::string_view key) { return qs(config::frenchAccessibleName(key)); });
}

WindowTranslator::WindowTranslator(const FileSystem& files, const std::string& appFolder,
                                   config::InstallCode code, const config::LanguageRow& row)
    : file_(config::ProfileFile::load(files, config::languageFilePath(files, appFolder, row))),
      t_(file_, row, code),
      french_(config::usesFrenchTexts(code, row.letter)) {}

void WindowTranslator::TranslateMainWindow(KeypadWindow& keypad,
                                           config::LanguageTranslator& messages) const {
    for (const config::WindowKeys& w : config::languageKeyLists()) {
        if (w.window == "keypad captions") {
            for (const config::LanguageKey& k : w.keys) {
                const QString text = qs(t_.text(k.key));
                // Captions serve as titles too (the file dialogs are titled like the menu).
                messages.setVariable(std::string(k.key), t_.text(k.key));
                if (k.control == "lblComment")
                    keypad.statusLine().setMessage(text);
                else
                    setCaption(keypad, k.control, text);
            }
        } else if (w.window == "keypad messages") {
            for (const config::LanguageKey& k : w.keys)
                messages.setVariable(std::string(k.key), t_.text(k.key));
        }
    }
    for (const config::LanguageKey& h : config::keypadHintKeys()) {
        if (!h.control.empty()) setHint(keypad, h.control, qs(t_.text(h.key)), french_);
    }
    setPanelCaptions(keypad, t_);
    setAccessibleNames(keypad);
    keypad.setVoiceNames({accessibleText("A11Y_VOICE_MAN"), accessibleText("A11Y_VOICE_WOMAN"),
                          accessibleText("A11Y_VOICE_CLICK"), accessibleText("A11Y_VOICE_NONE")});
    for (MenuButton* b : keypad.menuButtons())
        b->setAccessibleDescription(accessibleText("A11Y_MENU"));
    keypad.AdjustMenus();
}

void WindowTranslator::TranslateRibbon(TapeWindow& tape) const {
    for (const config::WindowKeys& w : config::languageKeyLists()) {
        if (w.window != "tape captions") continue;
        for (const config::LanguageKey& k : w.keys) {
            QString text = qs(t_.text(k.key));
            if (k.key == "EXIT") text += " Zumbrel";
            if (QAction* a = tape.action(std::string(k.control).c_str())) a->setText(text);
        }
    }
    // Hints, the line counter and the edit-mode caption are messages: French for French and
    // Quebec French.
    if (french_) {
        tape.setLineCounterTexts({});
        tape.translateTexts({});
    } else {
        tape.setLineCounterTexts(
            {t_.text("INDICATE_NUMBER_LINES_0"), t_.text("INDICATE_NUMBER_LINES_1"),
             t_.text("INDICATE_NUMBER_LINES_2"), t_.text("INDICATE_NUMBER_LINES_3"),
             t_.text("INDICATE_NUMBER_LINES_4")});
        TapeWindow::Texts texts;
        texts.editMode = qs(t_.text("INDICATE_EDIT_MODE"));
        texts.copyAll = qs(t_.text("MSG_RF_001"));
        texts.ruler = qs(t_.text("MSG_RF_MM_013"));
        texts.stopEditing = qs(t_.text("MSG_RF_MM_010"));
        texts.tools = {{"ToolBtnNouveau", qs(t_.text("MSG_RF_MM_000"))},
                       {"ToolBtnOuvrir", qs(t_.text("MSG_RF_MM_001"))},
                       {"ToolBtnSave", qs(t_.text("MSG_RF_MM_002"))},
                       {"ToolbtnPrint", qs(t_.text("MSG_RF_MM_003"))},
                       {"ToolBtnExport", qs(t_.text("EXPORT_O"))},
                       {"ToolBtnInsertHeader", qs(t_.text("MSG_RTFE_002"))},
                       {"ToolbtnInsertDate", qs(t_.text("INSERT_DATE"))},
                       {"ToolbtnInsertTitle", qs(t_.text("INSERT_TITLE_OP"))},
                       {"ToolbtnInsertComment", qs(t_.text("INSERT_COMMENT_LINE"))},
                       {"ToolbtnInsertComResult", qs(t_.text("MSG_RF_MM_008"))},
                       {"ToolBtnInsertFooter", qs(t_.text("MSG_RTFE_003"))},
                       {"ToolBtnEditRibbon", qs(t_.text("MSG_RF_MM_011"))},
                       {"ToolBtnGomme", qs(t_.text("MSG_RF_MM_012"))},
                       {"ToolBtnInfo", qs(t_.text("PRINCIPLE_OF_FUNCTIONING"))}};
        tape.translateTexts(texts);
    }
    setAccessibleNames(tape);
    tape.setTitleText(accessibleText("A11Y_TAPE_TITLE"));
    tape.GetNrbLinesEditor();
}

}  // namespace zumbrel::gui
