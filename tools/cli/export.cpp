#include "export.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "core/local_file_system.h"
#include "core/tape/tape_export.h"

#ifdef ZUMBREL_CLI_PDF
#include <QGuiApplication>

#include "gui/tape/document_tape.h"
#include "gui/tape/tape_printer.h"
#endif

namespace zumbrel::cli {
namespace {

bool endsWith(std::string path, std::string_view extension) {
    std::transform(path.begin(), path.end(), path.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return path.ends_with(extension);
}

#ifdef ZUMBREL_CLI_PDF
bool exportPdf(const HeadlessCalculator& h, const std::string& path, std::string& error) {
    // The same layout as the windows' print, drawn without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's notes about the session (no runtime folder, no display) are not the user's concern.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    });
    int argc = 1;
    char name[] = "zumbrel-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    gui::DocumentTape document;
    document.setDefaultStyle(h.tape.defaultStyle());
    document.load(h.tape.richText());
    QString why;
    if (gui::exportTapePdf(*document.document(), QString::fromStdString(path), why)) return true;
    error = why.toStdString();
    return false;
}
#endif

}  // namespace

bool exportTape(const HeadlessCalculator& h, const std::string& path, std::string& error) {
    if (endsWith(path, ".csv")) {
        LocalFileSystem files;
        return files.writeAtomically(path, tape::exportCsv(h.tape, h.calc.registers().format()),
                                     error);
    }
    if (!endsWith(path, ".pdf")) {
        error = "the extension says the format: .pdf or .csv";
        return false;
    }
#ifdef ZUMBREL_CLI_PDF
    return exportPdf(h, path, error);
#else
    error = "this zumbrel-cli was built without its windows: PDF is not available";
    return false;
#endif
}

}  // namespace zumbrel::cli
