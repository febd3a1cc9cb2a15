#include "gui/ui/qt_ports.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <QApplication>
#include <QFileDialog>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

namespace zumbrel::gui {

std::optional<std::string> QtClipboard::text() const {
    const QClipboard* c = QGuiApplication::clipboard();
    if (!c || !c->mimeData() || !c->mimeData()->hasText()) return std::nullopt;
    return c->text().toStdString();
}

void QtClipboard::setText(std::string_view text) {
    if (QClipboard* c = QGuiApplication::clipboard()) c->setText(qs(text));
}

namespace {

// A screen reader presents an alert by its title and then its description: the question goes
// there too, on one line, since a line break inside it would be read as the end of a sentence.
// The label that shows it is left to the eye; the focus goes from button to button.
void spokenQuestion(QMessageBox& box) {
    box.setAccessibleName(box.windowTitle());
    box.setAccessibleDescription(box.text().simplified());
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        label->setFocusPolicy(Qt::NoFocus);
}

}  // namespace

Answer QtPrompts::messageBox(std::string_view title, std::string_view text, Icon icon,
                             Buttons buttons) {
    QMessageBox box(parent_);
    box.setObjectName("MessageBox");
    box.setWindowTitle(qs(title));
    // Language files break lines with CR LF: a reader reading the label hears no CR.
    box.setText(qs(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    spokenQuestion(box);
    switch (icon) {
        case Icon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Icon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case Icon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case Icon::Error:
            box.setIcon(QMessageBox::Critical);
            break;
    }
    switch (buttons) {
        case Buttons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case Buttons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case Buttons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
        case Buttons::YesNoCancelDefaultNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::No);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Cancel:
            return Answer::Cancel;
        default:
            return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
}

std::optional<std::string> QtPrompts::inputBox(std::string_view title, std::string_view prompt,
                                               std::string_view defaultText) {
    QInputDialog dialog(parent_);
    dialog.setObjectName("InputBox");
    dialog.setWindowTitle(qs(title));
    dialog.setLabelText(qs(prompt));
    dialog.setTextValue(qs(defaultText));
    // Wide enough for its whole title ("AJOUTER COMMENTAIRE DE RÉSULTAT"), which the window
    // manager would otherwise cut, leaving the line and result questions alike.
    // The dialog's layout sizes it from its field, so the field takes the width.
    QFont titleFont = dialog.font();
    titleFont.setBold(true);
    if (auto* field = dialog.findChild<QLineEdit*>())
        field->setMinimumWidth(QFontMetrics(titleFont).horizontalAdvance(qs(title)) + 120);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue().toStdString();
}

std::optional<std::string> QtFileDialogs::run(const FileDialogOptions& options, bool save) {
    QString filter = qs(options.filter);
    // The dialogs match names as they are written: give both cases of the extension.
    filter.replace(QStringLiteral("(*.rtf)"), QStringLiteral("(*.rtf *.RTF)"));
    filter.replace(QStringLiteral("(*.txt)"), QStringLiteral("(*.txt *.TXT)"));
    QFileDialog dialog(parent_, qs(options.title), qs(options.folder), filter);
    dialog.setObjectName(save ? "SaveDlg" : "OpenDlg");
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!options.extension.empty()) dialog.setDefaultSuffix(qs(options.extension));
    if (!options.fileName.empty()) dialog.selectFile(qs(options.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

std::optional<std::string> QtFileDialogs::openFile(const FileDialogOptions& options) {
    return run(options, false);
}

std::optional<std::string> QtFileDialogs::saveFile(const FileDialogOptions& options) {
    return run(options, true);
}

}  // namespace zumbrel::gui
