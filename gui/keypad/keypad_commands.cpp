#include "keypad/keypad_commands.h"

#include "arrange/window_arranger.h"
#include "business/bmi_window.h"
#include "net/network_services.h"
#include "prefs/preferences_window.h"
#include "tape/annotation_commands.h"
#include "tape/header_footer_editor.h"
#include "ui/info_windows.h"
#include "voice/read_back.h"

namespace zumbrel::gui {

void installWindowCommands(KeypadWindow& keypad) {
    WindowArranger::install(keypad);
    BmiWindow::install(keypad);
    InfoWindows::install(keypad);
    NetworkServices::install(keypad);
    PreferencesWindow::install(keypad);
    installReadBack(keypad);
    AnnotationCommands::install(keypad);
    HeaderFooterEditor::install(keypad);
}

}  // namespace zumbrel::gui
