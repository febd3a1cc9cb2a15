#include "gui/tape/annotation_commands.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QToolBar>

#include "core/calc/calculator.h"
#include "gui/arrange/skins.h"
#include "gui/tape/document_tape.h"
#include "gui/tape/tape_window.h"
#include "gui/ui/artwork.h"
#include "gui/ui/qt_ports.h"
#include "gui/ui/user_folders.h"

namespace zumbrel::gui {
namespace {

using tape::AnnotationKey;

// The same commands in the keypad's menu, the tape's menu and the tape's toolbar.
struct Entry {
    const char* name;
    AnnotationKey key;
};
const Entry kKeypadItems[] = {{"mItemInsertEntete", AnnotationKey::Header},
                              {"mItemInsertDate", AnnotationKey::Date},
                              {"mItemInsertTitle", AnnotationKey::Title},
                              {"mItemInsertCommentLine", AnnotationKey::Line},
                              {"mItemInsertCommentResult", AnnotationKey::Result},
                              {"mItemInsertPiedPage", AnnotationKey::Footer},
                              {"mItemEraseTape", AnnotationKey::Erase}};
// The tape's own menu item for the eraser (its other items carry the keypad's names).
const Entry kTapeMenuItems[] = {{"mItemEraseRuban", AnnotationKey::Erase}};
const Entry kTapeTools[] = {{"ToolBtnInsertHeader", AnnotationKey::Header},
                            {"ToolbtnInsertDate", AnnotationKey::Date},
                            {"ToolbtnInsertTitle", AnnotationKey::Title},
                            {"ToolbtnInsertComment", AnnotationKey::Line},
                            {"ToolbtnInsertComResult", AnnotationKey::Result},
                            {"ToolBtnInsertFooter", AnnotationKey::Footer},
                            {"ToolBtnGomme", AnnotationKey::Erase}};

const QColor kGreen(0, 128, 0);

}  // namespace

AnnotationCommands::AnnotationCommands(AnnotationParts parts)
    : QObject(&parts.window), p_(std::move(parts)), edtComResult_(nullptr) {
    setObjectName("AnnotationCommands");
}

AnnotationCommands& AnnotationCommands::install(AnnotationParts parts) {
    auto* commands = new AnnotationCommands(std::move(parts));
    QWidget& keypad = commands->p_.window;
    TapeWindow& tape = commands->p_.tape;
    // The tape's eraser, shown once the tape holds something.
    QAction* eraser = tape.toolbar()->addAction(artwork::icon(artwork::Glyph::Eraser),
                                                QObject::tr("Effacer toute la liste du ruban"));
    eraser->setObjectName("ToolBtnGomme");
    eraser->setProperty("zumbrelFrench", eraser->text());
    eraser->setToolTip(eraser->text());
    // Reached by Tab as the other tools are.
    if (QWidget* b = tape.toolbar()->widgetForAction(eraser)) b->setFocusPolicy(Qt::TabFocus);
    eraser->setVisible(false);
    // The keypad's menu, the tape's toolbar, and the tape's right-click menu, which holds the
    // items under the keypad's names.
    const auto connectAll = [commands](QObject& owner, const auto& entries) {
        for (const Entry& e : entries) {
            QAction* a = owner.findChild<QAction*>(e.name);
            if (!a) continue;
            a->setEnabled(true);
            connect(a, &QAction::triggered, commands,
                    [commands, key = e.key] { commands->run(key); });
        }
    };
    connectAll(keypad, kKeypadItems);
    connectAll(tape, kTapeTools);
    connectAll(*tape.contextMenu(), kKeypadItems);
    connectAll(*tape.contextMenu(), kTapeMenuItems);

    // The result comment waiting for the next result, over the status line; a click asks.
    auto* top = keypad.findChild<QWidget*>("PanelTop");
    auto* field = commands->edtComResult_ = new QLineEdit(top);
    field->setObjectName("edtComResult");
    field->setReadOnly(true);
    field->setFrame(false);
    field->setGeometry(0, 2, 440, 22);
    field->setAccessibleName(QObject::tr("Commentaire de résultat en attente"));
    QPalette p = field->palette();
    p.setColor(QPalette::Text, kGreen);
    field->setPalette(p);
    field->setFocusPolicy(Qt::TabFocus);
    field->installEventFilter(commands);
    field->hide();
    commands->showWaitingComment();
    return *commands;
}

bool AnnotationCommands::eventFilter(QObject* watched, QEvent* event) {
    const bool click = event->type() == QEvent::MouseButtonRelease;
    const bool key = event->type() == QEvent::KeyPress &&
                     (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space ||
                      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return);
    if (watched == edtComResult_ && (click || key)) {
        run(AnnotationKey::Result);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

QString AnnotationCommands::headerFooterFile(const QString& appFolder,
                                             const QString& userDataFolder, const QString& name) {
    const QStringList names{name.toLower()};
    QString file = fileWithoutCase(userDataFolder, names);
    if (file.isEmpty()) file = fileWithoutCase(fileWithoutCase(appFolder, {"resources"}), names);
    return file;
}

tape::DateParts AnnotationCommands::today() {
    const QDate d = QDate::currentDate();
    const QLocale system = QLocale::system();
    return {d.year(), d.month(), d.day(),
            system.dayName(d.dayOfWeek(), QLocale::LongFormat).toStdString(),
            system.monthName(d.month(), QLocale::LongFormat).toStdString()};
}

void AnnotationCommands::run(AnnotationKey key) {
    tape::Annotations& notes = p_.calculator.annotations();
    notes.today = [] { return today(); };
    if (key == AnnotationKey::Header || key == AnnotationKey::Footer) {
        const QString name = key == AnnotationKey::Header ? "Header.rtf" : "Footer.rtf";
        const QString user = qs(userDataFolder());
        QString found = headerFooterFile(qs(p_.appFolder()), user, name);
        // Where it was looked for, when it is nowhere: the user's folder.
        if (found.isEmpty()) found = QDir(user).filePath(name);
        (key == AnnotationKey::Header ? notes.headerPath : notes.footerPath) = found.toStdString();
    }
    p_.key(key);
}

void AnnotationCommands::refreshed() {
    showWaitingComment();
    showEraser();
}

void AnnotationCommands::showWaitingComment() {
    // Every key refreshes the keypad: the field changes only when the comment does.
    const QString comment = qs(p_.calculator.registers().edtComResult);
    if (edtComResult_->text() != comment) edtComResult_->setText(comment);
    edtComResult_->setVisible(!comment.isEmpty());
}

void AnnotationCommands::showEraser() {
    TapeWindow& tape = p_.tape;
    tape::Documents& documents = p_.calculator.documents();
    if (!tape.tape().isEmpty() && tape.tape().isModified()) documents.setEraserVisible(true);
    if (tape.tape().isEmpty()) documents.setEraserVisible(false);
    const bool eraser = documents.eraserVisible();
    tape.action("ToolBtnGomme")->setVisible(eraser);
    // The menus always hold the eraser; it works whenever the tape holds something, also
    // once saved, when the toolbar no longer shows it.
    const bool something = !tape.tape().isEmpty();
    p_.window.findChild<QAction*>("mItemEraseTape")->setEnabled(something);
    tape.contextMenu()->findChild<QAction*>("mItemEraseRuban")->setEnabled(something);
}

}  // namespace zumbrel::gui
