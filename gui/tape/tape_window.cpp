#include "gui/tape/tape_window.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>

#include "core/ports.h"
#include "gui/config/translate_windows.h"
#include "gui/tape/document_tape.h"
#include "gui/tape/ruler.h"
#include "gui/tape/tape_accessible.h"
#include "gui/tape/tape_view.h"
#include "gui/ui/accessibility.h"
#include "gui/ui/artwork.h"
#include "gui/ui/painted_widgets.h"
#include "gui/ui/qt_ports.h"

namespace zumbrel::gui {
namespace {

const QColor kTapeBackground(0xD7, 0xD7, 0xFF);  // 16766935
const QColor kTapeInk(0x2D, 0x2D, 0x2D);         // 2960685

struct ToolDef {
    const char* name;
    artwork::Glyph glyph;
    const char* hint;
    bool works;  // the others come with the files, annotations and information windows
};

const ToolDef kTools[] = {
    {"ToolBtnNouveau", artwork::Glyph::NewTape, "Nouveau ruban", false},
    {"ToolBtnOuvrir", artwork::Glyph::Open, "Ouvrir un fichier RTF", false},
    {"ToolBtnSave", artwork::Glyph::Save, "Enregistrer le contenu de ce ruban", false},
    {nullptr, {}, nullptr, false},
    {"ToolbtnPrint", artwork::Glyph::Print, "Imprimer", false},
    {"ToolBtnExport", artwork::Glyph::Export, "Exporter en PDF ou en CSV", true},
    {nullptr, {}, nullptr, false},
    {"ToolBtnInsertHeader", artwork::Glyph::Header, "Insérer un entête", false},
    {"ToolbtnInsertDate", artwork::Glyph::Date, "Insérer la date", false},
    {nullptr, {}, nullptr, false},
    {"ToolbtnInsertTitle", artwork::Glyph::Title, "Insérer un titre d'opération", false},
    {"ToolbtnInsertComment", artwork::Glyph::Comment, "Insérer un commentaire de ligne", false},
    {"ToolbtnInsertComResult", artwork::Glyph::ResultComment,
     "Insérer un commentaire de résultat (écrire directement...)", false},
    {"ToolBtnInsertFooter", artwork::Glyph::Footer, "Insérer un pied de page", false},
    {nullptr, {}, nullptr, false},
    {"ToolBtnEditRibbon", artwork::Glyph::Edit, "Permettre l'édition du ruban de Zumbrel", true},
    {nullptr, {}, nullptr, false},
    {"ToolBtnInfo", artwork::Glyph::Info, "Principe de fonctionnement", false},
};

}  // namespace

TapeWindow::TapeWindow(QWidget* owner, SoundOutput& sound)
    : QWidget(owner, Qt::Window),
      sound_(sound),
      toolbar_(new QToolBar(this)),
      ruler_(new Ruler(this)),
      editor_(new TapeView(this)),
      btnClicMagic_(new QPushButton(this)),
      menu_(new QMenu(this)) {
    installAccessibility();
    installTapeAccessibility();
    presentAsWindow(*this);
    setObjectName("Ribbon");
    setWindowTitle("Zumbrel");
    setAccessibleName(tr("Ruban de Zumbrel"));
    setAutoFillBackground(true);

    editor_->setObjectName("Editor");
    editor_->setAccessibleName(tr("Ruban"));
    editor_->setAccessibleDescription(tr("Les opérations et leurs résultats, ligne à ligne"));
    editor_->setReadOnly(true);
    // Outside edit mode the text is still reached by Tab and read line by line with the
    // arrow keys; typed keys go on to the calculator.
    editor_->setFocusPolicy(Qt::StrongFocus);
    editor_->setFrameShape(QFrame::NoFrame);
    // A tape line is one line: long lines scroll sideways, never wrap.
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    editor_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    editor_->setContextMenuPolicy(Qt::CustomContextMenu);
    editor_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QPalette pal = editor_->palette();
    pal.setColor(QPalette::Base, kTapeBackground);
    pal.setColor(QPalette::Text, kTapeInk);
    editor_->setPalette(pal);
    editor_->viewport()->installEventFilter(this);
    editor_->viewport()->setMouseTracking(true);  // the paper empties the status line
    tape_ = std::make_unique<DocumentTape>(editor_->document());
    tape_->setDefaultStyle(tape::TextStyle{});
    tape_->restoreDefaultStyle();
    tape_->onScrollToEnd = [this] {
        // What the keys just wrote is where the caret goes (outside the hand edit): the view
        // follows it even after a correction left the caret on an earlier line, and F2 from
        // the keypad takes the last amount typed.
        if (!tape_->editMode() && !editor_->textCursor().atEnd()) {
            QTextCursor end(editor_->document());
            end.movePosition(QTextCursor::End);
            editor_->setTextCursor(end);
        }
        editor_->verticalScrollBar()->setValue(editor_->verticalScrollBar()->maximum());
        showRightSide();
    };
    tape_->onLoaded = [this] {
        editor_->verticalScrollBar()->setValue(editor_->verticalScrollBar()->maximum());
    };
    tape_->onEditModeChanged = [this](bool on) { editModeChanged(on); };
    editor_->onWholeText = [this] { tape_->finishReading(); };
    // Lines of a long file going in above keep the view on the lines it showed.
    // A view at the end stays at the end.
    tape_->onLinesAbove = [this](int lines) {
        QScrollBar* bar = editor_->verticalScrollBar();
        const bool atEnd = bar->value() + lines >= bar->maximum();
        bar->setValue(atEnd ? bar->maximum() : bar->value() + lines);
    };
    connect(editor_->document(), &QTextDocument::contentsChanged, this, [this] { EditorChange(); });
    connect(editor_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        prepareContextMenu();
        menu_->exec(editor_->mapToGlobal(at));
    });

    btnClicMagic_->setObjectName("btnClicMagic");
    btnClicMagic_->setFlat(true);
    QPalette navy = btnClicMagic_->palette();
    navy.setColor(QPalette::ButtonText, QColor(0, 0, 128));
    btnClicMagic_->setPalette(navy);
    btnClicMagic_->setAccessibleDescription(
        tr("En un clic : tout sélectionner et placer dans le presse-papier"));
    btnClicMagic_->setFocusPolicy(Qt::TabFocus);
    btnClicMagic_->setAccessibleName(tr("Compteur de lignes"));
    btnClicMagic_->hide();
    connect(btnClicMagic_, &QPushButton::clicked, this, [this] { btnClicMagicClick(); });

    ruler_->resize(374, 10);
    ruler_->move(Ruler::kHome);
    ruler_->onHover = [this] {
        if (onHint) onHint(texts_.ruler);
    };

    buildToolbar();
    buildContextMenu();
    resize(designWidth(), 544);
    layoutChildren();
    translateTexts({});
    applyFrenchAccessibleNames(*this);
    editModeChanged(false);
    // The window brought to the front gives the focus to its text, not to the first control
    // of its Tab chain (the ruler).
    editor_->setFocus();
}

TapeWindow::~TapeWindow() = default;

void TapeWindow::setTitleText(const QString& title) {
    titleText_ = title;
    if (!tape_->editMode()) setWindowTitle(shownTitle());
}

void TapeWindow::setDocumentCaption(const QString& caption) {
    documentCaption_ = caption;
    if (!tape_->editMode()) setWindowTitle(shownTitle());
}

QString TapeWindow::shownTitle() const {
    return documentCaption_.isEmpty() ? titleText_ : documentCaption_;
}

QAction* TapeWindow::action(const char* name) const {
    return findChild<QAction*>(name);
}

void TapeWindow::buildToolbar() {
    toolbar_->setObjectName("ToolBarZumbrel");
    toolbar_->setAccessibleName(tr("Barre d'outils du ruban"));
    toolbar_->setIconSize(QSize(18, 18));
    toolbar_->setAutoFillBackground(true);
    QPalette white = toolbar_->palette();
    white.setColor(QPalette::Window, Qt::white);
    toolbar_->setPalette(white);
    for (const ToolDef& t : kTools) {
        if (!t.name) {
            toolbar_->addSeparator();
            continue;
        }
        QAction* a = toolbar_->addAction(artwork::icon(t.glyph), tr(t.hint));
        a->setObjectName(t.name);
        a->setToolTip(tr(t.hint));
        a->setEnabled(t.works);
        if (QWidget* b = toolbar_->widgetForAction(a)) b->setFocusPolicy(Qt::TabFocus);
        connect(a, &QAction::hovered, this, [this, a] {
            if (onHint) onHint(a->toolTip());
        });
    }
    // The button that shows the tools a narrow window cannot hold; the keyboard reaches it too.
    if (auto* more = toolbar_->findChild<QToolButton*>("qt_toolbar_ext_button")) {
        more->setAccessibleName(tr("Autres outils"));
        more->setFocusPolicy(Qt::TabFocus);
    }
    connect(action("ToolBtnEditRibbon"), &QAction::triggered, this, [this] { EditRibbonClick(); });
}

void TapeWindow::buildContextMenu() {
    menu_->setObjectName("ppmQuitEditor");
    struct Item {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
        bool works;
    };
    const Item items[] = {
        {"mItemPasteToEditor", "Coller", QKeySequence("Ctrl+V"), true},
        {"mItemSeparH", nullptr, {}, true},
        {"mItemQuitEdit", "Sortir du mode édition du ruban", {}, true},
        {"mItemInsertEntete", "Insérer un entête", QKeySequence("F4"), false},
        {"mItemInsertDate", "Insérer la date", QKeySequence("F5"), false},
        {nullptr, nullptr, {}, true},
        {"mItemInsertTitle", "Insérer un titre d'opération", QKeySequence("F6"), false},
        {"mItemInsertCommentLine", "Insérer un commentaire de ligne", QKeySequence("F7"), false},
        {"mItemInsertCommentResult", "Insérer un commentaire de résultat", QKeySequence("F8"),
         false},
        {"mItemInsertPiedPage", "Insérer un pied de page", QKeySequence("F9"), false},
        {nullptr, nullptr, {}, true},
        {"mItemEraseRuban", "Effacer toute la liste du ruban", {}, false},
        {"mItemEditRuban", "Edition du ruban", {}, true},
        {"mItemEditorRTF", "Mini-éditeur RTF", {}, false},
        {nullptr, nullptr, {}, true},
        {"mItemHideKeyboard", "Cacher le clavier", {}, false},
        {"mItemVisibleKeyboard", "Revoir le clavier", {}, false},
        {"mItemHideRibbon", "Cacher le ruban", {}, false},
        {nullptr, nullptr, {}, true},
        {"mItemPrincipeRuban", "Principe de fonctionnement", {}, false},
        {nullptr, nullptr, {}, true},
        {"mItemQuitter", "Quitter Zumbrel", QKeySequence("Ctrl+Q"), true},
    };
    for (const Item& it : items) {
        QAction* a = it.caption ? menu_->addAction(tr(it.caption)) : menu_->addSeparator();
        if (it.name) a->setObjectName(it.name);
        a->setShortcut(it.shortcut);
        a->setEnabled(it.works);
    }
    action("mItemVisibleKeyboard")->setVisible(false);
    connect(action("mItemPasteToEditor"), &QAction::triggered, this, [this] {
        if (tape_->editMode() && !QApplication::clipboard()->text().isEmpty()) editor_->paste();
    });
    connect(action("mItemQuitEdit"), &QAction::triggered, this, [this] { EditRibbonClick(); });
    connect(action("mItemEditRuban"), &QAction::triggered, this, [this] { EditRibbonClick(); });
    connect(action("mItemQuitter"), &QAction::triggered, this, [this] {
        if (onCloseRequested) onCloseRequested();
    });
    connect(menu_, &QMenu::aboutToHide, this, [this] { menuOpen_ = false; });
}

// Before the menu shows: paste only with text to paste, and the items of the mode.
void TapeWindow::prepareContextMenu() {
    const bool edit = tape_->editMode();
    action("mItemPasteToEditor")->setEnabled(!QApplication::clipboard()->text().isEmpty());
    menuOpen_ = true;
    for (const char* name : {"mItemQuitEdit", "mItemSeparH", "mItemPasteToEditor"})
        action(name)->setVisible(edit);
    for (const char* name : {"mItemInsertDate", "mItemInsertTitle", "mItemInsertCommentResult",
                             "mItemInsertCommentLine", "mItemEditRuban"})
        action(name)->setVisible(!edit);
}

void TapeWindow::translateTexts(const Texts& texts) {
    texts_ = texts;
    if (texts_.editMode.isEmpty()) texts_.editMode = tr("Mode édition de Zumbrel");
    if (texts_.copyAll.isEmpty())
        texts_.copyAll = tr("En un clic : tout sélectionner et placer dans le presse-papier");
    if (texts_.ruler.isEmpty())
        texts_.ruler = tr("Règle amovible de repérage (double-clic pour la replacer)");
    if (texts_.stopEditing.isEmpty())
        texts_.stopEditing = tr("Cliquez droit, afin de stopper l'édition du ruban");
    // Every tool, also those the features add (the eraser, which keeps its French text).
    for (QAction* a : toolbar_->actions()) {
        QString hint = a->property("zumbrelFrench").toString();
        for (const ToolDef& t : kTools) {
            if (t.name && a->objectName() == t.name) hint = tr(t.hint);
        }
        for (const auto& [name, text] : texts.tools) {
            if (name == a->objectName() && !text.isEmpty()) hint = text;
        }
        if (hint.isEmpty()) continue;
        a->setToolTip(hint);
        a->setText(hint);
    }
    btnClicMagic_->setAccessibleDescription(texts_.copyAll);
    ruler_->setAccessibleDescription(texts_.ruler);
    if (tape_->editMode()) setWindowTitle(texts_.editMode);
}

void TapeWindow::EditRibbonClick() {
    menuOpen_ = false;
    tape_->setEditMode(!tape_->editMode());
    if (!tape_->editMode()) sound_.beep(Beep::Asterisk);
    if (onHint) onHint(QString());
}

void TapeWindow::editModeChanged(bool on) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window,
                 on ? QColor(255, 0, 0) : QApplication::palette().color(QPalette::Button));
    setPalette(pal);
    editor_->setReadOnly(!on);
    editor_->setTextInteractionFlags(on ? Qt::TextEditorInteraction
                                        : Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Writing and opening wait until the hand edit is over.
    for (const char* name : {"ToolbtnInsertDate", "ToolbtnInsertTitle", "ToolbtnInsertComment",
                             "ToolbtnInsertComResult", "ToolBtnOuvrir"})
        action(name)->setEnabled(!on);
    if (on) {
        setWindowTitle(texts_.editMode);
        editor_->setFocus();
    } else {
        QTextCursor c = editor_->textCursor();
        c.movePosition(QTextCursor::End);
        editor_->setTextCursor(c);
        setWindowTitle(shownTitle());
    }
    setAccessibleDescription(on ? texts_.editMode : QString());
}

void TapeWindow::EditorChange() {
    if (tape_->fillingIn()) return;  // a file's lines going in: the tape is the same
    OutCursor();
    if (!windowsShown_ || !tape_->isModified()) return;
    btnClicMagic_->setVisible(true);
    GetNrbLinesEditor();
    if (onTextChanged) onTextChanged();
}

void TapeWindow::GetNrbLinesEditor() {
    if (!windowsShown_) return;
    const tape::TextStyle font = tape_->defaultStyle();
    const std::string caption =
        tape::GetNrbLinesEditor(tape_->lineCount(), font.fontName, font.sizePt(), counterTexts_);
    btnClicMagic_->setText(qs(caption));
    btnClicMagic_->setAccessibleName(qs(caption));
    fitCounterText();
}

// The line counter's whole sentence stays in sight: its font shrinks with the window.
void TapeWindow::fitCounterText() {
    const QFont base = QApplication::font(btnClicMagic_);
    QFont smallest = base;
    smallest.setPointSizeF(kSmallestCounterPoints);
    btnClicMagic_->setFont(
        fontToFit(base, btnClicMagic_->text(), btnClicMagic_->width() - 12, kSmallestCounterPoints)
            .value_or(smallest));
}

void TapeWindow::btnClicMagicClick() {
    if (tape_->isEmpty()) return;
    tape_->finishReading();
    editor_->selectAll();
    editor_->copy();
    sound_.beep(Beep::Asterisk);
    QTextCursor c = editor_->textCursor();
    c.movePosition(QTextCursor::End);
    c.movePosition(QTextCursor::Start);
    editor_->setTextCursor(c);
    OutCursor();
}

void TapeWindow::OutCursor() {
    if (tape_->editMode() || menuOpen_ || !windowsShown_ || changingHere_) return;
    if (isActiveWindow() && onFocusBackToKeypad) onFocusBackToKeypad();
}

void TapeWindow::changeHere(const std::function<void()>& change) {
    const bool before = changingHere_;
    changingHere_ = true;
    change();
    changingHere_ = before;
}

void TapeWindow::layoutChildren() {
    const int w = width();
    const int h = height();
    toolbar_->setGeometry(1, -1, std::max(0, w - 19), 29);
    ruler_->resize(std::max(10, w - 31), 10);
    const int bar = findBar_ && findBar_->isVisible() ? 30 : 0;
    editor_->setGeometry(7, 41, std::max(10, w - 31), std::max(10, h - 124 - bar));
    if (bar) findBar_->setGeometry(7, 41 + editor_->height() + 2, std::max(10, w - 31), 26);
    btnClicMagic_->setGeometry(7, h - 74, std::max(10, w - 31), 27);
    fitCounterText();
}

void TapeWindow::resizeEvent(QResizeEvent*) {
    layoutChildren();
}

int TapeWindow::designWidth() const {
    const QFont font = DocumentTape::defaultFont(tape_->defaultStyle());
    const int text =
        QFontMetrics(font).horizontalAdvance(QString(kLongestLineCharacters, QLatin1Char('0')));
    // The view sits 7 pixels from the left and 24 from the right; the document has its margins
    // and the view a scroll bar.
    const int view = text + 2 * static_cast<int>(editor_->document()->documentMargin()) +
                     style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
    return std::max(405, view + 31);
}

// A last line wider than the view is shown from its end, where its amount stands; otherwise
// the view shows the lines from their left edge.
// The amounts stand on the right: what the keys wrote shows there, even after the user
// scrolled sideways to the beginning of a long line.
void TapeWindow::showRightSide() {
    QScrollBar* bar = editor_->horizontalScrollBar();
    bar->setValue(bar->maximum());
}

// Outside edit mode typing belongs to the calculator.
void TapeWindow::keyPressEvent(QKeyEvent* event) {
    if (!tape_->editMode() && onKeyOutsideEditMode) {
        onKeyOutsideEditMode(event);
        return;
    }
    QWidget::keyPressEvent(event);
}

// A click on the red frame leaves edit mode; outside edit mode a click hands the focus back.
void TapeWindow::mousePressEvent(QMouseEvent* event) {
    if (tape_->editMode()) {
        EditRibbonClick();
    } else {
        OutCursor();
        if (onFocusBackToKeypad && windowsShown_ && !menuOpen_) onFocusBackToKeypad();
    }
    QWidget::mousePressEvent(event);
}

void TapeWindow::setFindBar(QWidget* bar) {
    findBar_ = bar;
    bar->installEventFilter(this);
    layoutChildren();
}

bool TapeWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == findBar_ && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        layoutChildren();
    // Over the paper, in either mode, the status line no longer tells of a tool.
    if (watched == editor_->viewport() && event->type() == QEvent::MouseMove && onHint)
        onHint(QString());
    if (watched == editor_->viewport() && event->type() == QEvent::MouseButtonPress &&
        !tape_->editMode()) {
        if (onFocusBackToKeypad && windowsShown_ && !menuOpen_) onFocusBackToKeypad();
    }
    return QWidget::eventFilter(watched, event);
}

// Closing the tape closes the program.
// Brought to the front, the window gives the focus to its text unless a control of its own
// holds it: a find bar that hid while another window was in front had left it to the ruler,
// where the arrows move the ruler and F2 takes another line.
void TapeWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        QWidget* focused = focusWidget();
        if (!focused || focused == ruler_ || !focused->isVisible())
            editor_->setFocus(Qt::ActiveWindowFocusReason);
    }
    QWidget::changeEvent(event);
}

void TapeWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (onCloseRequested) onCloseRequested();
}

}  // namespace zumbrel::gui
