#include "ui/qt_ports.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <QApplication>
#include <QInputDialog>
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

Answer QtPrompts::messageBox(std::string_view title, std::string_view text, Icon icon,
                             Buttons buttons) {
    QMessageBox box(parent_);
    box.setWindowTitle(qs(title));
    box.setText(qs(text));
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
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, qs(title), qs(prompt), QLineEdit::Normal,
                                               qs(defaultText), &ok);
    if (!ok) return std::nullopt;
    return text.toStdString();
}

}  // namespace zumbrel::gui
