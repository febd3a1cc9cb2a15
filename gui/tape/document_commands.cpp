#include "gui/tape/document_commands.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>

#include "core/calc/calculator.h"
#include "core/config/language.h"
#include "core/local_file_system.h"
#include "core/tape/tape_export.h"
#include "gui/tape/document_tape.h"
#include "gui/tape/tape_printer.h"
#include "gui/tape/tape_window.h"
#include "gui/ui/qt_ports.h"

namespace zumbrel::gui {

QString startFolder() {
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return QDir(desktop).exists() ? desktop : QDir::homePath();
}

DocumentCommands::DocumentCommands(DocumentParts parts)
    : QObject(&parts.window), p_(std::move(parts)) {
    using tape::DocumentKey;
    tape::Documents& documents = p_.calculator.documents();
    documents.startFolder = startFolder().toStdString();
    documents.onTapeReset = [this](bool) {
        QPushButton* counter = p_.tape.lineCounter();
        counter->setText(QString());
        counter->hide();
        p_.hint(QString());
    };
    connectAction("mItemNouveau", DocumentKey::New);
    connectAction("mItemOuvrir", DocumentKey::Open);
    connectAction("mItemEnregistrer", DocumentKey::Save);
    connectAction("mItemEnregistrerSous", DocumentKey::SaveAs);
    TapeWindow& tape = p_.tape;
    const std::pair<const char*, DocumentKey> tools[] = {{"ToolBtnNouveau", DocumentKey::New},
                                                         {"ToolBtnOuvrir", DocumentKey::Open},
                                                         {"ToolBtnSave", DocumentKey::Save}};
    for (const auto& [name, key] : tools) {
        QAction* a = tape.action(name);
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, [this, key = key] { run(key); });
    }
    connect(p_.window.findChild<QAction*>("mItemPrint"), &QAction::triggered, this,
            [this] { print(true); });
    connect(tape.action("ToolbtnPrint"), &QAction::triggered, this, [this] { print(false); });
    connect(p_.window.findChild<QAction*>("mItemExport"), &QAction::triggered, this,
            [this] { exportTape(); });
    connect(tape.action("ToolBtnExport"), &QAction::triggered, this, [this] { exportTape(); });
    tape.onTextChanged = [this] {
        p_.calculator.commands().btnEnabled(true, p_.tape.tape().isEmpty());
        apply();
    };
    p_.window.installEventFilter(this);
    apply();
}

void DocumentCommands::keypadShown() {
    p_.calculator.commands().btnNotEnabled(true, p_.tape.tape().isEmpty());
    p_.tape.tape().setModified(false);
    apply();
}

void DocumentCommands::connectAction(const char* name, tape::DocumentKey key) {
    QAction* a = p_.window.findChild<QAction*>(name);
    a->setEnabled(true);
    connect(a, &QAction::triggered, this, [this, key] { run(key); });
}

void DocumentCommands::run(tape::DocumentKey key) {
    p_.key(key);
    apply();
}

void DocumentCommands::openFile(const std::string& path) {
    p_.calculator.openDocument(path);
    p_.refresh();
    apply();
}

void DocumentCommands::apply() {
    const calc::CommandState& c = p_.calculator.commands();
    TapeWindow& tape = p_.tape;
    const std::pair<QAction*, bool> states[] = {
        {p_.window.findChild<QAction*>("mItemPrint"), c.mItemPrint},
        {p_.window.findChild<QAction*>("mItemEnregistrer"), c.mItemEnregistrer},
        {p_.window.findChild<QAction*>("mItemEnregistrerSous"), c.mItemEnregistrerSous},
        {tape.action("ToolBtnSave"), c.ToolBtnSave},
        {tape.action("ToolbtnPrint"), c.ToolbtnPrint},
    };
    for (const auto& [action, on] : states)
        action->setEnabled(on);
    const std::string& caption = p_.calculator.documents().caption();
    tape.setDocumentCaption(caption == "Zumbrel" ? QString() : qs(caption));
}

void DocumentCommands::print(bool withDialog) {
    QPrinter printer(QPrinter::HighResolution);
    // Most Linux desktops have no default printer: the dialog offers printing to a file.
    if (withDialog || QPrinterInfo::defaultPrinter().isNull()) {
        QPrintDialog dialog(&printer, &p_.window);
        if (dialog.exec() != QDialog::Accepted) return;
    }
    printTape(*p_.tape.tape().document(), printer);
}

bool DocumentCommands::exportTo(const QString& path, QString& error) {
    TapeWindow& tape = p_.tape;
    if (path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) {
        LocalFileSystem files;
        std::string why;
        const std::string csv = tape::exportCsv(tape.tape(), p_.calculator.registers().format());
        if (files.writeAtomically(path.toStdString(), csv, why)) return true;
        error = qs(why);
        return false;
    }
    return exportTapePdf(*tape.tape().document(), path, error);
}

void DocumentCommands::exportTape() {
    const Translator& words = p_.texts;
    QFileDialog dialog(&p_.window, qs(words.text({"EXPORT_O", "Exporter (PDF, CSV)..."})),
                       startFolder(), QStringLiteral("PDF (*.pdf *.PDF);;CSV (*.csv *.CSV)"));
    dialog.setObjectName("ExportDlg");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(filter.startsWith(QLatin1String("CSV")) ? "csv" : "pdf");
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    QString error;
    const QString path = dialog.selectedFiles().first();
    if (!exportTo(path, error)) {
        QMessageBox::warning(
            &p_.window, QStringLiteral("Zumbrel"),
            qs(words.text({"MSG_FILE_NOT_WRITTEN", "Le fichier n'a pas pu être enregistré :"})) +
                "\n" + path + "\n" + error);
        return;
    }
    // Said as Save says its own: in the status line, and so to a screen reader.
    p_.calculator.ports().status.show(words.text({"MSG_TAPE_EXPORTED", "Ruban exporté :"}) + " " +
                                      QFileInfo(path).fileName().toStdString());
    p_.refresh();
}

bool DocumentCommands::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &p_.window && event->type() == QEvent::Close && modifiedWarn &&
        !p_.calculator.documents().SaveClose()) {
        // The tape is not saved and the user keeps the program open.
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zumbrel::gui
