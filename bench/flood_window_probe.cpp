// Opens one tape file in the windows, offscreen, as Ouvrir does, and waits until every line
// is in the tape's document and painted: the child process whose peak memory
// bench_flood_memory reads. Exit status 0: opened; 1: refused.

#include <QApplication>

#include "core/local_file_system.h"
#include "core/tape/tape_file.h"
#include "gui/app/composition.h"
#include "gui/keypad/keypad_window.h"
#include "gui/tape/document_tape.h"
#include "gui/tape/tape_view.h"
#include "gui/tape/tape_window.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    zumbrel::gui::KeypadWindow keypad(zumbrel::gui::composeFeatures);
    keypad.show();
    keypad.tapeWindow().show();
    zumbrel::LocalFileSystem files;
    auto& tape = keypad.tapeWindow().tape();
    if (!zumbrel::tape::openTapeFile(tape, files, argv[1]).ok) return 1;
    while (tape.linesWaiting() > 0)
        QCoreApplication::processEvents();
    keypad.tapeWindow().editor()->viewport()->repaint();
    QCoreApplication::processEvents();
    return 0;
}
