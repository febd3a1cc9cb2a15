#include "gui/tape/tape_translation.h"

#include <QAction>

#include "core/config/language_keys.h"
#include "gui/config/translate_windows.h"
#include "gui/tape/tape_window.h"
#include "gui/ui/qt_ports.h"

namespace zumbrel::gui {

void translateTape(TapeWindow& tape, const WindowTranslator& words) {
    const config::Translation& t_ = words.translation();
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
    if (words.french()) {
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
                       // "Print with" waits for a printer's name, which only the print
                       // dialog knows: the tool is named as the print command.
                       {"ToolbtnPrint", qs(t_.text("PRINT"))},
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
    words.setAccessibleNames(tape);
    tape.setTitleText(words.accessibleText("A11Y_TAPE_TITLE"));
    tape.GetNrbLinesEditor();
}

}  // namespace zumbrel::gui
