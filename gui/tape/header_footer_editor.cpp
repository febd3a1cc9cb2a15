#include "gui/tape/header_footer_editor.h"

#include <QAction>
#include <QActionGroup>
#include <QColorDialog>
#include <QDir>
#include <QFontComboBox>
#include <QFrame>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/local_file_system.h"
#include "core/tape/rtf_reader.h"
#include "core/tape/rtf_writer.h"
#include "gui/config/translate_windows.h"
#include "gui/tape/annotation_commands.h"
#include "gui/tape/document_tape.h"
#include "gui/tape/tape_window.h"
#include "gui/ui/artwork.h"
#include "gui/ui/installed_parts.h"
#include "gui/ui/qt_ports.h"
#include "gui/ui/user_folders.h"

namespace zumbrel::gui {
namespace {

constexpr const char* kParts = "HeaderFooterParts";

const QColor kUnchanged(0, 0, 255);  // 16711680
const QColor kChanged(255, 0, 0);
const QColor kSilver(0xC0, 0xC0, 0xC0);

// Pasted text comes in plain: nothing of the clipboard is read as HTML.
class PlainPasteEdit final : public QTextEdit {
  public:
    using QTextEdit::QTextEdit;

  protected:
    bool canInsertFromMimeData(const QMimeData* source) const override { return source->hasText(); }
    void insertFromMimeData(const QMimeData* source) override {
        if (source->hasText()) textCursor().insertText(source->text());
    }
};

// A tool's picture: a letter in its style, or the lines of an alignment.
QIcon letterIcon(const QString& letter, bool bold, bool italic, bool underline, QColor ink) {
    QPixmap pix(36, 36);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(26);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    p.setFont(f);
    p.setPen(ink);
    p.drawText(pix.rect(), Qt::AlignCenter, letter);
    pix.setDevicePixelRatio(2);
    return QIcon(pix);
}

QIcon alignIcon(Qt::Alignment a) {
    QPixmap pix(36, 36);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setPen(QPen(QColor(40, 50, 80), 3));
    const int widths[] = {28, 18, 24, 14};
    for (int i = 0; i < 4; ++i) {
        const int w = widths[i];
        const int x = (a & Qt::AlignHCenter) ? (36 - w) / 2 : (a & Qt::AlignRight) ? 32 - w : 4;
        p.drawLine(x, 7 + i * 7, x + w, 7 + i * 7);
    }
    pix.setDevicePixelRatio(2);
    return QIcon(pix);
}

}  // namespace

HeaderFooterEditor::HeaderFooterEditor(const HeaderFooterParts& parts)
    : QDialog(&parts.window),
      p_(parts),
      tr_(parts.texts()),
      toolbar_(new QToolBar(this)),
      indicator_(new QFrame(this)),
      editor_(new PlainPasteEdit(this)),
      headFoot_(new QMenu(this)) {
    setObjectName("RTF_Editor");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    const QString caption = text("MSG_RTFE_001", "Mini-éditeur RTF");
    setWindowTitle("Zumbrel - " + caption);
    setAccessibleName(windowTitle());
    indicator_->setObjectName("pnlTemoinModif");
    indicator_->setFixedHeight(7);
    indicator_->setAutoFillBackground(true);
    editor_->setObjectName("Editor");
    editor_->setAccessibleName(caption);
    document_ = std::make_unique<DocumentTape>(editor_->document());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar_);
    layout->addWidget(indicator_);
    layout->addWidget(editor_);
    resize(900, 320);  // every tool in sight
    headFoot_->setObjectName("ppmHeadFoot");
    QAction* header =
        headFoot_->addAction(artwork::icon(artwork::Glyph::Header), text("MSG_RTFE_004", "Entête"));
    header->setObjectName("ItemEntete");
    QAction* footer = headFoot_->addAction(artwork::icon(artwork::Glyph::Footer),
                                           text("MSG_RTFE_005", "Pied de page"));
    footer->setObjectName("ItemPied");
    connect(header, &QAction::triggered, this, [this] { openFile(true); });
    connect(footer, &QAction::triggered, this, [this] { openFile(false); });
    buildToolbar();
    enableTools(false);
    connect(editor_->document(), &QTextDocument::modificationChanged, this,
            [this] { showModified(); });
    connect(editor_, &QTextEdit::cursorPositionChanged, this, [this] { caretMoved(); });
    connect(editor_, &QTextEdit::currentCharFormatChanged, this, [this] { caretMoved(); });
    showModified();
}

HeaderFooterEditor::~HeaderFooterEditor() = default;

QString HeaderFooterEditor::text(const char* key, const char* french) const {
    const QString t = qs(tr_->text(Message{key, french}));
    return t.isEmpty() ? QString::fromUtf8(french) : t;
}

void HeaderFooterEditor::buildToolbar() {
    toolbar_->setObjectName("ToolBar");
    toolbar_->setAccessibleName(text("MSG_RTFE_001", "Mini-éditeur RTF"));
    struct Def {
        const char* name;
        const char* key;
        const char* french;
        QKeySequence keys;
        std::function<void()> run;
        QIcon icon = {};
        QString hintEnd = {};
    };
    const Def defs[] = {
        {"OpenBtn", "OPEN_O", "Ouvrir", QKeySequence::Open,
         [this] { headFoot_->popup(editor_->mapToGlobal(QPoint(1, -12))); },
         artwork::icon(artwork::Glyph::Open), "..."},
        {"SaveBtn", "SAVE_FILE", "Enregistrer", QKeySequence::Save,
         [this] {
             if (!fileName_.isEmpty()) save();
         },
         artwork::icon(artwork::Glyph::Save)},
        {"CutBtn", "MSG_RTFE_006", "Couper", QKeySequence::Cut, [this] { editor_->cut(); }},
        {"CopyBtn", "MSG_RTFE_007", "Copier", QKeySequence::Copy, [this] { editor_->copy(); }},
        {"PasteBtn", "MSG_RTFE_008", "Coller", QKeySequence::Paste, [this] { editor_->paste(); }},
        {"UndoBtn", "MSG_RTFE_009", "Annuler", QKeySequence::Undo, [this] { editor_->undo(); }},
    };
    for (const Def& d : defs) {
        QAction* a = toolbar_->addAction(d.icon, text(d.key, d.french));
        a->setObjectName(d.name);
        a->setShortcut(d.keys);
        a->setShortcutContext(Qt::WindowShortcut);
        a->setToolTip(a->text() + d.hintEnd);
        connect(a, &QAction::triggered, this, d.run);
        if (std::string_view(d.name) == "CutBtn") toolbar_->addSeparator();  // file | edit
    }
    toolbar_->addSeparator();

    fontName_ = new QFontComboBox(toolbar_);  // each name drawn in its own face
    fontName_->setObjectName("FontName");
    fontName_->setAccessibleName(text("MSG_RTFE_010", "Police"));
    fontName_->setToolTip(fontName_->accessibleName());
    toolbar_->addWidget(fontName_);
    connect(fontName_, &QFontComboBox::currentFontChanged, this, [this](const QFont& f) {
        if (updating_) return;
        QTextCharFormat c;
        c.setFontFamilies({f.family()});
        format(c);
    });
    fontSize_ = new QSpinBox(toolbar_);
    fontSize_->setObjectName("FontSize");
    fontSize_->setRange(1, 400);
    fontSize_->setValue(10);
    fontSize_->setAccessibleName(text("MSG_RTFE_011", "Taille"));
    fontSize_->setToolTip(fontSize_->accessibleName());
    toolbar_->addWidget(fontSize_);
    connect(fontSize_, &QSpinBox::valueChanged, this, [this](int size) {
        if (updating_) return;
        QTextCharFormat c;
        c.setFontPointSize(size);
        format(c);
    });
    toolbar_->addSeparator();

    const struct {
        const char* name;
        const char* key;
        const char* french;
        std::function<void(bool)> apply;
    } styles[] = {
        {"ColorBtn", "MSG_RTFE_012", "Couleur", {}},
        {"BoldBtn", "MSG_RTFE_013", "Gras",
         [this](bool on) {
             QTextCharFormat c;
             c.setFontWeight(on ? QFont::Bold : QFont::Normal);
             format(c);
         }},
        {"ItalicBtn", "MSG_RTFE_014", "Italique",
         [this](bool on) {
             QTextCharFormat c;
             c.setFontItalic(on);
             format(c);
         }},
        {"UnderlineBtn", "MSG_RTFE_015", "Souligné",
         [this](bool on) {
             QTextCharFormat c;
             c.setFontUnderline(on);
             format(c);
         }},
    };
    int styleIndex = 0;
    for (const auto& s : styles) {
        // The colour is a red A; each style shows the first letter of its word in the
        // language, drawn in that style: G I S in French, B I U in English, F K U in German.
        const QString caption = text(s.key, s.french);
        const QString letter = caption.trimmed().left(1).toUpper();
        const int i = styleIndex++;
        const QIcon icon = i == 0 ? letterIcon("A", true, false, false, QColor(200, 0, 0))
                                  : letterIcon(letter, i == 1, i == 2, i == 3, Qt::black);
        QAction* a = toolbar_->addAction(icon, caption);
        a->setProperty("zumbrelLetter", i == 0 ? QStringLiteral("A") : letter);
        a->setObjectName(s.name);
        a->setToolTip(a->text());
        if (s.apply) {
            a->setCheckable(true);
            connect(a, &QAction::toggled, this, [this, apply = s.apply](bool on) {
                if (!updating_) apply(on);
            });
        }
    }
    connect(toolbar_->findChild<QAction*>("ColorBtn"), &QAction::triggered, this, [this] {
        const QColor c =
            QColorDialog::getColor(editor_->currentCharFormat().foreground().color(), this);
        if (!c.isValid()) return;
        QTextCharFormat f;
        f.setForeground(c);
        format(f);
    });
    toolbar_->addSeparator();
    alignments_ = new QActionGroup(this);
    const struct {
        const char* name;
        const char* key;
        const char* french;
        Qt::Alignment align;
    } aligns[] = {{"LeftAlign", "MSG_RTFE_016", "Aligner à gauche", Qt::AlignLeft},
                  {"CenterAlign", "MSG_RTFE_017", "Centrer", Qt::AlignHCenter},
                  {"RightAlign", "MSG_RTFE_018", "Aligner à droite", Qt::AlignRight}};
    for (const auto& a : aligns) {
        QAction* action = toolbar_->addAction(alignIcon(a.align), text(a.key, a.french));
        action->setObjectName(a.name);
        action->setToolTip(action->text());
        action->setCheckable(true);
        alignments_->addAction(action);
        connect(action, &QAction::triggered, this, [this, where = a.align] { align(where); });
    }
}

void HeaderFooterEditor::enableTools(bool on) {
    for (QAction* a : toolbar_->actions()) {
        if (a->objectName() != "OpenBtn") a->setEnabled(on);
    }
    fontName_->setEnabled(on);
    fontSize_->setEnabled(on);
    editor_->setReadOnly(!on);
    QPalette p = editor_->palette();
    p.setColor(QPalette::Base, on ? QColor(Qt::white) : kSilver);
    editor_->setPalette(p);
    if (on) editor_->setFocus();
}

bool HeaderFooterEditor::modified() const {
    return editor_->document()->isModified();
}

void HeaderFooterEditor::showModified() {
    QPalette p = indicator_->palette();
    p.setColor(QPalette::Window, modified() ? kChanged : kUnchanged);
    indicator_->setPalette(p);
    indicator_->setAccessibleName(modified() ? text("MSG_RTFE_019", "Texte modifié") : QString());
}

void HeaderFooterEditor::caretMoved() {
    updating_ = true;
    const QTextCharFormat f = editor_->currentCharFormat();
    toolbar_->findChild<QAction*>("BoldBtn")->setChecked(f.fontWeight() >= QFont::Bold);
    toolbar_->findChild<QAction*>("ItalicBtn")->setChecked(f.fontItalic());
    toolbar_->findChild<QAction*>("UnderlineBtn")->setChecked(f.fontUnderline());
    if (f.fontPointSize() > 0) fontSize_->setValue(static_cast<int>(f.fontPointSize()));
    if (!f.fontFamilies().toStringList().isEmpty())
        fontName_->setCurrentFont(QFont(f.fontFamilies().toStringList().first()));
    const Qt::Alignment a = editor_->textCursor().blockFormat().alignment();
    const char* name = (a & Qt::AlignHCenter) ? "CenterAlign"
                       : (a & Qt::AlignRight) ? "RightAlign"
                                              : "LeftAlign";
    toolbar_->findChild<QAction*>(name)->setChecked(true);
    updating_ = false;
}

// The selection's attributes, or those of the text typed next when nothing is selected.
void HeaderFooterEditor::format(const QTextCharFormat& f) {
    editor_->mergeCurrentCharFormat(f);
}

void HeaderFooterEditor::align(Qt::Alignment a) {
    if (!updating_) editor_->setAlignment(a);
}

QString HeaderFooterEditor::userFolder() {
    return qs(userDataFolder());
}

bool HeaderFooterEditor::askToSave() {
    // A language file's texts come with their punctuation ("Saving...", "… changes?"); the
    // built-in French ones without.
    const auto ending = [](QString t, const QString& end) {
        return t.endsWith(end.trimmed()) ? t : t + end;
    };
    const Answer answer = p_.prompts.messageBox(
        text("SAVE_FILE", "Enregistrer").toStdString(),
        (ending(text("MSG_RTFE_019", "Texte modifié"), "...") + "\r\n\r\n" +
         ending(text("MSG_RTFE_020", "Souhaitez-vous enregistrer ces modifications"), " ?"))
            .toStdString(),
        Icon::Exclamation, Buttons::YesNoCancel);
    if (answer == Answer::Cancel) return false;
    if (answer == Answer::Yes) return save();
    return true;
}

// A file that could not be read or written: the message, the path and the system's reason.
void HeaderFooterEditor::tell(const Message& m, const QString& path, const std::string& error) {
    p_.prompts.messageBox("Zumbrel", p_.messages.text(m) + "\n" + path.toStdString() + "\n" + error,
                          Icon::Exclamation, Buttons::Ok);
}

void HeaderFooterEditor::openFile(bool header) {
    if (modified() && !askToSave()) return;
    const QString name = header ? "Header.rtf" : "Footer.rtf";
    const QString path =
        AnnotationCommands::headerFooterFile(qs(p_.appFolder()), userFolder(), name);
    if (path.isEmpty()) {
        const auto [title, message] = tape::missingFileMessage(
            *tr_, name.toStdString(), QDir(userFolder()).filePath(name).toStdString());
        p_.prompts.messageBox(title, message, Icon::Exclamation, Buttons::Ok);
        return;
    }
    LocalFileSystem files;
    std::string error;
    const auto bytes = files.read(path.toStdString(), error);
    if (!bytes || bytes->size() > tape::kLargestHeaderFile) {
        tell(Message{"MSG_FILE_NOT_READ", "Le fichier n'a pas pu être ouvert :"}, path, error);
        return;
    }
    tape::TextStyle base;
    base.fontName = "MS Sans Serif";
    base.halfPoints = 20;
    document_->load(tape::readRichOrPlain(*bytes, {base, tape::Align::Left}).text);
    fileName_ = path;
    saveName_ = name;
    editor_->document()->setModified(false);
    enableTools(true);
    showModified();
}

bool HeaderFooterEditor::save() {
    if (fileName_.isEmpty()) return false;
    // The user's copy: the program's folder may be read-only.
    const QString target = QDir(userFolder()).filePath(saveName_);
    LocalFileSystem files;
    files.createFolders(userFolder().toStdString());
    std::string error;
    if (!files.writeAtomically(target.toStdString(), tape::writeRtf(document_->richText()),
                               error)) {
        tell(Message{"MSG_FILE_NOT_WRITTEN", "Le fichier n'a pas pu être enregistré :"}, target,
             error);
        return false;
    }
    fileName_ = target;
    editor_->document()->setModified(false);
    showModified();
    return true;
}

void HeaderFooterEditor::done(int result) {
    if (modified() && !askToSave()) return;  // Cancel keeps the window open
    QDialog::done(result);
}

HeaderFooterEditor& HeaderFooterEditor::open(QWidget& window) {
    auto* editor = static_cast<HeaderFooterEditor*>(window.findChild<QDialog*>("RTF_Editor"));
    if (!editor)
        editor = new HeaderFooterEditor(*InstalledParts<HeaderFooterParts>::of(window, kParts));
    editor->show();
    editor->raise();
    editor->activateWindow();
    return *editor;
}

void HeaderFooterEditor::install(HeaderFooterParts parts) {
    QWidget& window = parts.window;
    QMenu& tapeMenu = parts.tapeMenu;
    new InstalledParts<HeaderFooterParts>(window, kParts, std::move(parts));
    for (QAction* a : {window.findChild<QAction*>("mItemEditRTF"),
                       tapeMenu.findChild<QAction*>("mItemEditorRTF")}) {
        if (!a) continue;
        a->setEnabled(true);
        QObject::connect(a, &QAction::triggered, &window, [&window] { open(window); });
    }
}

}  // namespace zumbrel::gui
