#include "gui/tape/document_tape.h"

#include "gui/ui/fonts.h"
#include "gui/ui/qt_ports.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

namespace zumbrel::gui {
namespace {

Qt::Alignment toQt(tape::Align a) {
    switch (a) {
        case tape::Align::Left:
            return Qt::AlignLeft;
        case tape::Align::Right:
            return Qt::AlignRight;
        case tape::Align::Center:
            return Qt::AlignHCenter;
        case tape::Align::Justify:
            return Qt::AlignJustify;
    }
    return Qt::AlignRight;
}

tape::Align fromQt(Qt::Alignment a) {
    if (a & Qt::AlignHCenter) return tape::Align::Center;
    if (a & Qt::AlignJustify) return tape::Align::Justify;
    if (a & Qt::AlignRight) return tape::Align::Right;
    return tape::Align::Left;
}

QTextBlockFormat blockFormat(tape::Align a) {
    QTextBlockFormat f;
    f.setAlignment(toQt(a));
    return f;
}

// Entry i of a table filled on demand: a tape of 10^5 lines has a handful of styles, each
// converted once rather than once a run.
template <class T, class Make>
const T& filledOn(std::vector<std::optional<T>>& table, std::size_t i, Make make) {
    if (i >= table.size()) table.resize(i + 1);
    if (!table[i]) table[i] = make();
    return *table[i];
}

QTextCursor endCursor(QTextDocument* doc) {
    QTextCursor c(doc);
    c.movePosition(QTextCursor::End);
    return c;
}

}  // namespace

DocumentTape::DocumentTape() : DocumentTape(nullptr) {}

DocumentTape::~DocumentTape() = default;

DocumentTape::DocumentTape(QTextDocument* document)
    : owned_(document ? nullptr : std::make_unique<QTextDocument>()),
      doc_(document ? document : owned_.get()),
      filler_(std::make_unique<QTimer>()) {
    filler_->setInterval(0);
    QObject::connect(filler_.get(), &QTimer::timeout, [this] { insertSliceAbove(); });
    doc_->setUndoRedoEnabled(false);  // the tape is a record; its history would grow forever
    QTextCursor(doc_).setBlockFormat(blockFormat(tape::Align::Right));
    doc_->setModified(false);
    typingChanged();
}

QTextCharFormat DocumentTape::toFormat(const tape::TextStyle& s) {
    QTextCharFormat f;
    f.setFontFamilies({qs(s.fontName)});
    f.setFontPointSize(s.sizePt());
    f.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(s.italic);
    f.setFontUnderline(s.underline);
    f.setFontStrikeOut(s.strikeOut);
    f.setForeground(toQColor(s.color));
    if (s.hasBackground) f.setBackground(toQColor(s.background));
    return f;
}

tape::TextStyle DocumentTape::fromFormat(const QTextCharFormat& f) {
    tape::TextStyle s;
    const QStringList families = f.fontFamilies().toStringList();
    if (!families.isEmpty()) s.fontName = families.front().toStdString();
    s.halfPoints = qRound(f.fontPointSize() * 2);
    s.bold = f.fontWeight() >= QFont::Bold;
    s.italic = f.fontItalic();
    s.underline = f.fontUnderline();
    s.strikeOut = f.fontStrikeOut();
    s.color = fromQColor(f.foreground().color());
    s.hasBackground = f.background().style() != Qt::NoBrush;
    if (s.hasBackground) s.background = fromQColor(f.background().color());
    return s;
}

void DocumentTape::append(std::string_view text) {
    if (text.empty()) return;
    endCursor(doc_).insertText(qs(text), typingFormat_);
}

void DocumentTape::addLine(std::string_view text) {
    QTextCursor c = endCursor(doc_);
    if (!c.block().text().isEmpty()) {
        c.insertBlock(blockFormat(tape::Align::Right), typingFormat_);
        c.insertText(qs(text), typingFormat_);
    } else {
        c.insertText(qs(text), typingFormat_);
        c.insertBlock(blockFormat(tape::Align::Right), typingFormat_);
    }
}

void DocumentTape::deleteLine(std::size_t i) {
    if (i < linesWaiting()) finishReading();
    i -= linesWaiting();
    if (i >= static_cast<std::size_t>(doc_->blockCount())) return;
    const QTextBlock b = doc_->findBlockByNumber(static_cast<int>(i));
    QTextCursor c(b);
    if (b.next().isValid()) {
        c.setPosition(b.next().position(), QTextCursor::KeepAnchor);
    } else {
        c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);  // the open line
    }
    c.removeSelectedText();
}

std::string DocumentTape::line(std::size_t i) const {
    if (i < linesWaiting()) return waiting_->text.text(i);
    i -= linesWaiting();
    if (i >= static_cast<std::size_t>(doc_->blockCount())) return {};
    return doc_->findBlockByNumber(static_cast<int>(i)).text().toStdString();
}

std::vector<tape::RichRun> DocumentTape::lineRuns(std::size_t i) const {
    std::vector<tape::RichRun> out;
    if (i < linesWaiting()) {
        for (const auto& p : waiting_->text.runs(i))
            out.push_back({std::string(p.text), waiting_->text.style(p.style)});
        return out;
    }
    i -= linesWaiting();
    if (i >= static_cast<std::size_t>(doc_->blockCount())) return out;
    const QTextBlock b = doc_->findBlockByNumber(static_cast<int>(i));
    for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        if (!f.isValid() || f.length() == 0) continue;
        tape::TextStyle st = fromFormat(f.charFormat());
        std::string text = f.text().toStdString();
        if (!out.empty() && out.back().style == st)
            out.back().text += text;
        else
            out.push_back({std::move(text), std::move(st)});
    }
    return out;
}

// An empty open line after the last line break is not counted.
std::size_t DocumentTape::lineCount() const {
    const auto blocks = static_cast<std::size_t>(doc_->blockCount());
    return linesWaiting() + blocks - (doc_->lastBlock().length() <= 1 ? 1 : 0);
}

bool DocumentTape::isEmpty() const {
    return linesWaiting() == 0 && doc_->isEmpty();
}

void DocumentTape::clear() {
    filler_->stop();
    waiting_.reset();
    doc_->clear();
    QTextCursor(doc_).setBlockFormat(blockFormat(tape::Align::Right));
}

QFont DocumentTape::defaultFont(const tape::TextStyle& style) {
    QFont f(installedFamily(qs(style.fontName)));
    f.setPointSizeF(style.sizePt());
    f.setStyleHint(QFont::Monospace);
    return f;
}

void DocumentTape::defaultChanged() {
    doc_->setDefaultFont(defaultFont(default_));
}

void DocumentTape::highlightOpenLine(Color background) {
    QTextCursor c = endCursor(doc_);
    c.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat f;
    f.setBackground(toQColor(background));
    c.mergeCharFormat(f);
    setTypingBackground(true, background);
}

tape::RichText DocumentTape::richText() const {
    tape::RichText out;
    out.reserve(linesWaiting() + static_cast<std::size_t>(doc_->blockCount()),
                linesWaiting() + static_cast<std::size_t>(doc_->blockCount()));
    bool first = true;
    std::vector<std::optional<std::uint32_t>> waitingIds;
    for (std::size_t p = 0; p < linesWaiting(); ++p) {
        if (!first) out.newParagraph();
        first = false;
        out.setAlign(waiting_->text.align(p));
        for (const auto& run : waiting_->text.runs(p))
            out.append(run.text, filledOn(waitingIds, run.style, [&] {
                           return out.intern(waiting_->text.style(run.style));
                       }));
    }
    std::vector<std::optional<std::uint32_t>> formatIds;
    for (QTextBlock b = doc_->begin(); b.isValid(); b = b.next()) {
        if (!first) out.newParagraph();
        first = false;
        out.setAlign(fromQt(b.blockFormat().alignment()));
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (!f.isValid()) continue;
            const auto index = static_cast<std::size_t>(std::max(0, f.charFormatIndex()));
            out.append(f.text().toStdString(), filledOn(formatIds, index, [&] {
                           return out.intern(fromFormat(f.charFormat()));
                       }));
        }
    }
    return out;
}

void DocumentTape::insertRuns(QTextCursor& c, const tape::RichText& text, std::size_t p,
                              Formats& formats) {
    for (const auto& run : text.runs(p))
        c.insertText(qs(run.text),
                     filledOn(formats, run.style, [&] { return toFormat(text.style(run.style)); }));
}

// Paragraphs from `from` to the last one, at the end of the document.
void DocumentTape::insertParagraphs(const tape::RichText& text, std::size_t from, bool replacing) {
    QTextCursor c = endCursor(doc_);
    c.beginEditBlock();
    Formats formats;
    for (std::size_t p = from; p < text.paragraphCount(); ++p) {
        insertRuns(c, text, p, formats);
        const bool last = p + 1 == text.paragraphCount();
        // A paragraph that a mark ends keeps its alignment; the last one joins the open line.
        if (!last || replacing) c.setBlockFormat(blockFormat(text.align(p)));
        if (!last) c.insertBlock(blockFormat(tape::Align::Right));
    }
    c.endEditBlock();
}

// The last slice of the waiting lines, above the first line of the document. Each line is
// written at the start of the first block, takes its own alignment, and is cut off by a mark
// that hands the rest of the block its old format.
void DocumentTape::insertSliceAbove() {
    if (!waiting_) return;
    Waiting& w = *waiting_;
    const std::size_t from = w.count > kLinesPerSlice ? w.count - kLinesPerSlice : 0;
    const bool modified = doc_->isModified();
    filling_ = true;
    QTextCursor c(doc_);
    const QTextBlockFormat firstLine = doc_->begin().blockFormat();
    c.beginEditBlock();
    for (std::size_t p = from; p < w.count; ++p) {
        insertRuns(c, w.text, p, w.formats);
        c.setBlockFormat(blockFormat(w.text.align(p)));
        c.insertBlock(firstLine);
    }
    c.endEditBlock();
    doc_->setModified(modified);
    filling_ = false;
    const auto lines = static_cast<int>(w.count - from);
    w.count = from;
    if (from == 0) {
        filler_->stop();
        waiting_.reset();
    }
    if (onLinesAbove) onLinesAbove(lines);
}

void DocumentTape::finishReading() {
    while (waiting_)
        insertSliceAbove();
}

QTextDocument* DocumentTape::document() {
    finishReading();
    return doc_;
}

void DocumentTape::load(const tape::RichText& text) {
    loadText(text, nullptr);
}

void DocumentTape::loadTaking(tape::RichText&& text) {
    loadText(text, &text);
}

// The lines that wait to go in keep the text: taken over when it was handed over (taken),
// copied otherwise.
void DocumentTape::loadText(const tape::RichText& text, tape::RichText* taken) {
    clear();
    // A file read in is not an edit to undo: no undo steps for its thousands of pieces.
    const bool undo = doc_->isUndoRedoEnabled();
    doc_->setUndoRedoEnabled(false);
    // Every paragraph but the open one is a whole line; the last lines go in first.
    const std::size_t lines = text.paragraphCount() - 1;
    const std::size_t waiting = lines > 2 * kLinesAtOnce ? lines - kLinesAtOnce : 0;
    // Counted as waiting before the others go in: whoever follows the document's changes
    // counts them all.
    if (waiting > 0)
        waiting_ = std::make_unique<Waiting>(
            Waiting{taken ? std::move(*taken) : tape::RichText(text), waiting, {}});
    insertParagraphs(waiting_ ? waiting_->text : text, waiting, true);
    doc_->setUndoRedoEnabled(undo);
    if (waiting > 0) filler_->start();
    // A tape opens at its end, where the latest calculation is.
    if (onLoaded) onLoaded();
}

void DocumentTape::insertRichText(const tape::RichText& text) {
    insertParagraphs(text, 0, false);
}

void DocumentTape::scrollToEnd() {
    if (onScrollToEnd) onScrollToEnd();
}

bool DocumentTape::isModified() const {
    return doc_->isModified();
}
void DocumentTape::setModified(bool modified) {
    doc_->setModified(modified);
}

void DocumentTape::setEditMode(bool on) {
    if (editMode_ == on) return;
    if (on) finishReading();  // the hand edit works on the whole tape
    editMode_ = on;
    if (onEditModeChanged) onEditModeChanged(on);
}

std::size_t DocumentTape::storedLines() const {
    return linesWaiting() + static_cast<std::size_t>(doc_->blockCount());
}

// Only the blocks replaced change: the view redraws those, whatever the tape's length.
void DocumentTape::replaceLines(std::size_t first, std::size_t count, const tape::RichText& lines,
                                std::size_t from, std::size_t fromCount) {
    finishReading();
    const auto blocks = static_cast<std::size_t>(doc_->blockCount());
    if (first > blocks) return;
    count = std::min(count, blocks - first);
    const bool toTheEnd = first + count == blocks;
    QTextCursor c(doc_);
    c.beginEditBlock();
    c.setPosition(doc_->findBlockByNumber(static_cast<int>(first)).position());
    QTextBlockFormat rest = blockFormat(tape::Align::Right);
    if (toTheEnd) {
        c.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    } else {
        const QTextBlock after = doc_->findBlockByNumber(static_cast<int>(first + count));
        rest = after.blockFormat();
        c.setPosition(after.position(), QTextCursor::KeepAnchor);
    }
    c.removeSelectedText();
    Formats formats;
    for (std::size_t p = from; p < from + fromCount && p < lines.paragraphCount(); ++p) {
        insertRuns(c, lines, p, formats);
        c.setBlockFormat(blockFormat(lines.align(p)));
        // The last line put is the open line when the open line was among those replaced.
        const bool last = p + 1 == from + fromCount;
        if (!last || !toTheEnd) c.insertBlock(rest);
    }
    c.endEditBlock();
}

}  // namespace zumbrel::gui
