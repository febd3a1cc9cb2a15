#include "gui/tape/tape_view.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextLayout>

#include "gui/tape/tape_accessible.h"
#include "gui/ui/accessibility.h"

namespace zumbrel::gui {
namespace {

// A plain text layout lays a line out with the document's text option; the line's own
// alignment is put back once it is laid out, before anything draws it or hits it. Lines are
// laid out over the widest line's width when one is wider than the view: the amounts of long
// and short lines then stay in one column on the right, and the view scrolls sideways to the
// beginnings of the long ones.
class AlignedLineLayout final : public QPlainTextDocumentLayout {
  public:
    using QPlainTextDocumentLayout::QPlainTextDocumentLayout;

    QRectF blockBoundingRect(const QTextBlock& block) const override {
        const QRectF box = QPlainTextDocumentLayout::blockBoundingRect(block);
        alignAsFormatted(block);
        return box;
    }

  private:
    void alignAsFormatted(const QTextBlock& block) const {
        QTextLayout* layout = block.layout();
        if (!layout || layout->lineCount() == 0) return;
        Qt::Alignment wanted = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
        if (wanted == 0) wanted = Qt::AlignLeft;
        QTextOption option = layout->textOption();
        if (option.alignment() != wanted) {
            option.setAlignment(wanted);
            layout->setTextOption(option);
        }
        if (layout->lineCount() == 1) widen(*layout);
    }

    // The text is as wide as the view or as its widest line laid out so far.
    void widen(QTextLayout& layout) const {
        const qreal width = documentSize().width() - 2 * document()->documentMargin();
        const QTextLine line = layout.lineAt(0);
        if (width <= line.width()) return;
        const QPointF at = line.position();
        layout.beginLayout();
        QTextLine wide = layout.createLine();
        wide.setLeadingIncluded(true);
        wide.setLineWidth(width);
        wide.setPosition(at);
        layout.endLayout();
        // Lines drawn before this one was laid out stood over a narrower width.
        emit const_cast<AlignedLineLayout*>(this)->update();
    }
};

}  // namespace

TapeView::TapeView(QWidget* parent) : QPlainTextEdit(parent) {
    // A document of the view's own, laid out by the aligned layout from the start.
    auto* doc = new QTextDocument(this);
    doc->setDocumentLayout(new AlignedLineLayout(doc));
    setDocument(doc);
    // Wider than the view, the tape shows its right side, where the amounts are; the user
    // scrolls sideways to the beginnings of long lines.
    QScrollBar* sideways = horizontalScrollBar();
    connect(sideways, &QScrollBar::rangeChanged, this,
            [sideways](int, int maximum) { sideways->setValue(maximum); });
    // Qt makes a widget's interface as soon as the widget tells of a change, even with no
    // screen reader: the plain view's was made while the base was built, before the
    // program's interfaces were installed. The tape's own takes its place.
    installAccessibility();
    installTapeAccessibility();
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(this);
    if (made && !isTapeAccessible(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void TapeView::markChangedLines(std::vector<int> blocks) {
    changed_ = std::move(blocks);
    viewport()->update();
}

QRectF TapeView::lineBox(int block) const {
    const QTextBlock b = document()->findBlockByNumber(block);
    if (!b.isValid()) return {};
    return blockBoundingGeometry(b).translated(contentOffset());
}

void TapeView::clearChangedLines() {
    if (changed_.empty()) return;
    changed_.clear();
    viewport()->update();
}

// The change bars: a narrow bar in the navy of the tape's comments, in the left margin beside
// each line a correction rewrote, as documents mark their changes. Beside the amounts, on the
// right, it was taken for a second caret.
void TapeView::paintEvent(QPaintEvent* event) {
    QPlainTextEdit::paintEvent(event);
    if (changed_.empty()) return;
    QPainter painter(viewport());
    const QPointF offset = contentOffset();
    for (const int number : changed_) {
        const QTextBlock block = document()->findBlockByNumber(number);
        if (!block.isValid()) continue;
        const QRectF box = blockBoundingGeometry(block).translated(offset);
        if (box.bottom() < 0 || box.top() > viewport()->height()) continue;
        painter.fillRect(QRectF(0, box.top() + 1, 3, box.height() - 2), QColor(0, 0, 128));
    }
}

void TapeView::keyPressEvent(QKeyEvent* event) {
    // Shift+F10 opens the tape's own menu at the caret, as the Menu key does; left to the
    // window, it would open the keypad's.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier &&
        contextMenuPolicy() == Qt::CustomContextMenu) {
        emit customContextMenuRequested(viewport()->mapTo(this, cursorRect().center()));
        return;
    }
    if (onWholeText && (event->matches(QKeySequence::SelectAll) ||
                        event->matches(QKeySequence::MoveToStartOfDocument) ||
                        event->matches(QKeySequence::SelectStartOfDocument)))
        onWholeText();
    QPlainTextEdit::keyPressEvent(event);
}

bool TapeView::canInsertFromMimeData(const QMimeData* source) const {
    return source->hasHtml() || QPlainTextEdit::canInsertFromMimeData(source);
}

void TapeView::insertFromMimeData(const QMimeData* source) {
    if (isReadOnly() || !source) return;
    if (!source->hasHtml()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    textCursor().insertFragment(QTextDocumentFragment::fromHtml(source->html(), document()));
    ensureCursorVisible();
}

void TapeView::takeAccessibleTexts(const std::function<QString(std::string_view)>& text) {
    setSpokenWords({text("A11Y_TAPE_RULE").toStdString(), text("A11Y_TAPE_TOTAL").toStdString(),
                    text("A11Y_TAPE_ROOT_OF").toStdString(), text("A11Y_TAPE_ROOT").toStdString(),
                    text("A11Y_TAPE_MINUS").toStdString()});
}

}  // namespace zumbrel::gui
