#include "gui/tape/tape_accessible.h"

#include "core/calc/number_text.h"

#include <QAccessibleWidget>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <algorithm>

#include "core/tape/spoken_lines.h"
#include "gui/tape/tape_view.h"

namespace zumbrel::gui {
namespace {

// The tape's lines as they are said, and where each one starts in that text. Built again
// when the document or the words have changed since, and only when a reader asks.
struct SpokenTape {
    int revision = -1;
    int wordsVersion = -1;
    QString text;
    std::vector<int> starts;  // in `text`, one a block
};

class TapeAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit TapeAccessible(TapeView* view) : QAccessibleWidget(view, QAccessible::EditableText) {}

    TapeView* view() const { return static_cast<TapeView*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.multiLine = true;
        s.readOnly = view()->isReadOnly();
        s.editable = !view()->isReadOnly();
        s.selectableText = true;
        return s;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return {};  // the text interface holds the lines
        return QAccessibleWidget::text(t);
    }

    // Text.
    QString text(int start, int end) const override {
        const QString& all = spoken().text;
        start = std::clamp(start, 0, static_cast<int>(all.size()));
        end = end < 0 ? static_cast<int>(all.size()) : std::clamp(end, start, int(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(spoken().text.size()); }

    int cursorPosition() const override { return toSpoken(view()->textCursor().position()); }
    void setCursorPosition(int position) override {
        QTextCursor c = view()->textCursor();
        c.setPosition(toDocument(position));
        view()->setTextCursor(c);
    }

    void selection(int index, int* start, int* end) const override {
        const QTextCursor c = view()->textCursor();
        *start = *end = 0;
        if (index != 0 || !c.hasSelection()) return;
        *start = toSpoken(c.selectionStart());
        *end = toSpoken(c.selectionEnd());
    }
    int selectionCount() const override { return view()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override {
        QTextCursor c = view()->textCursor();
        c.clearSelection();
        view()->setTextCursor(c);
    }
    void setSelection(int, int start, int end) override {
        QTextCursor c = view()->textCursor();
        c.setPosition(toDocument(start));
        c.setPosition(toDocument(end), QTextCursor::KeepAnchor);
        view()->setTextCursor(c);
    }

    QRect characterRect(int offset) const override {
        QTextCursor c(view()->document());
        c.setPosition(toDocument(offset));
        const QRect r = view()->cursorRect(c);
        return QRect(view()->viewport()->mapToGlobal(r.topLeft()), r.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        const QPoint local = view()->viewport()->mapFromGlobal(point);
        if (!view()->viewport()->rect().contains(local)) return -1;
        return toSpoken(view()->cursorForPosition(local).position());
    }
    void scrollToSubstring(int start, int) override {
        QTextCursor c(view()->document());
        c.setPosition(toDocument(start));
        if (view()->viewport()->rect().contains(view()->cursorRect(c))) return;
        view()->verticalScrollBar()->setValue(c.blockNumber());  // a plain view scrolls by lines
    }
    // The look of the text at an offset (a negative result is red), as far as it goes: a run
    // of the line as drawn, or the whole of a line said in words.
    QString attributes(int offset, int* start, int* end) const override {
        const SpokenTape& s = spoken();
        *start = *end = std::clamp(offset, 0, static_cast<int>(s.text.size()));
        const QTextBlock b = view()->document()->findBlock(toDocument(offset));
        if (!b.isValid() || s.starts.empty()) return {};
        const auto line = static_cast<std::size_t>(b.blockNumber());
        const int lineStart = s.starts[line];
        const int lineEnd =
            line + 1 < s.starts.size() ? s.starts[line + 1] - 1 : int(s.text.size());
        const bool asDrawn = lineEnd - lineStart == b.length() - 1;
        const int column = std::max(0, std::min(offset - lineStart, b.length() - 2));
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const int from = f.position() - b.position();
            if (column < from || column >= from + f.length()) continue;
            *start = asDrawn ? lineStart + from : lineStart;
            *end = asDrawn ? lineStart + from + f.length() : lineEnd;
            return look(f.charFormat());
        }
        *start = lineStart;
        *end = lineEnd;
        return look(b.charFormat());
    }

  private:
    const SpokenTape& spoken() const {
        const QTextDocument* doc = view()->document();
        if (cache_.revision == doc->revision() && cache_.wordsVersion == view()->wordsVersion())
            return cache_;
        cache_.revision = doc->revision();
        cache_.wordsVersion = view()->wordsVersion();
        cache_.text.clear();
        cache_.starts.clear();
        cache_.starts.reserve(static_cast<std::size_t>(doc->blockCount()));
        std::string above, twoAbove;
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
            const QString shown = b.text();
            std::string line = shown.toStdString();
            const std::optional<std::string> said =
                tape::spokenLine(line, above, twoAbove, view()->spokenWords());
            if (b != doc->begin()) cache_.text += QLatin1Char('\n');
            cache_.starts.push_back(static_cast<int>(cache_.text.size()));
            cache_.text += QString::fromStdString(
                calc::spokenGrouping(said ? *said : line, view()->decimalSeparator()));
            twoAbove = std::move(above);
            above = std::move(line);
        }
        return cache_;
    }

    // A position in the document and the offset in the spoken text, line for line; within
    // a line said otherwise, the column as far as the spoken line goes.
    int toSpoken(int position) const {
        const SpokenTape& s = spoken();
        const QTextBlock b = view()->document()->findBlock(position);
        if (!b.isValid() || s.starts.empty()) return 0;
        const auto i = static_cast<std::size_t>(b.blockNumber());
        const int end = i + 1 < s.starts.size() ? s.starts[i + 1] - 1 : int(s.text.size());
        return std::min(s.starts[i] + (position - b.position()), end);
    }
    int toDocument(int offset) const {
        const SpokenTape& s = spoken();
        if (s.starts.empty()) return 0;
        const auto it = std::upper_bound(s.starts.begin(), s.starts.end(), offset);
        const int line = std::max(0, static_cast<int>(it - s.starts.begin()) - 1);
        const QTextBlock b = view()->document()->findBlockByNumber(line);
        const int column = std::max(0, offset - s.starts[static_cast<std::size_t>(line)]);
        return b.position() + std::min(column, b.length() - 1);
    }

    static QString look(const QTextCharFormat& f) {
        const QColor ink = f.foreground().color();
        // In the words of Qt's own text interfaces, which the bridge turns into AT-SPI's.
        return QStringLiteral("font-family:%1;font-size:%2pt;font-weight:%3;color:rgb(%4,%5,%6);")
            .arg(f.font().family())
            .arg(f.font().pointSizeF() > 0 ? f.font().pointSizeF() : f.font().pixelSize())
            .arg(f.font().bold() ? 700 : 400)
            .arg(ink.red())
            .arg(ink.green())
            .arg(ink.blue());
    }

    mutable SpokenTape cache_;
};

}  // namespace

QAccessibleInterface* tapeAccessible(TapeView* view) {
    return new TapeAccessible(view);
}

bool isTapeAccessible(const QAccessibleInterface* iface) {
    return dynamic_cast<const TapeAccessible*>(iface) != nullptr;
}

namespace {

QAccessibleInterface* tapeFactory(const QString&, QObject* object) {
    if (auto* view = dynamic_cast<TapeView*>(object)) return tapeAccessible(view);
    return nullptr;
}

}  // namespace

void installTapeAccessibility() {
    QAccessible::installFactory(tapeFactory);  // Qt keeps each factory once
}

}  // namespace zumbrel::gui
