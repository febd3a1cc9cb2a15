#include "gui/tape/tape_printer.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPalette>
#include <QPrinter>
#include <QTextDocument>
#include <QTextFrame>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace zumbrel::gui {
namespace {

// Page after page, each line on its own page only: a line that begins where a page ends is
// the next page's, not also drawn (clipped away, but still text in a PDF) at the foot of this
// one.
void printPages(QTextDocument& doc, QPrinter& printer, QSizeF page) {
    QPainter painter(&printer);
    if (!painter.isActive()) return;
    const int count = doc.pageCount();
    const bool range = printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0;
    const int first = range ? std::min(printer.fromPage(), count) : 1;
    const int last = range && printer.toPage() > 0 ? std::min(printer.toPage(), count) : count;
    for (int n = first; n <= last; ++n) {
        if (n > first) printer.newPage();
        const QRectF view(QPointF(0, (n - 1) * page.height()), page);
        painter.save();
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view.adjusted(0, 0, 0, -0.5);
        context.palette.setColor(QPalette::Text, Qt::black);
        doc.documentLayout()->draw(&painter, context);
        painter.restore();
    }
}

}  // namespace

void printTape(const QTextDocument& tape, QPrinter& printer) {
    printer.setDocName(QString());
    printer.setPageMargins(QMarginsF(0.5, 0.5, 1.0, 0.5), QPageLayout::Inch);
    // A copy laid out for the printer's own pixels, one page the size of the page rectangle.
    std::unique_ptr<QTextDocument> copy(tape.clone());
    copy->documentLayout()->setPaintDevice(&printer);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    copy->setPageSize(page.size());
    QTextFrameFormat frame = copy->rootFrame()->frameFormat();
    frame.setMargin(0);
    frame.setPadding(0);
    frame.setBorder(0);
    frame.setBackground(Qt::NoBrush);
    copy->rootFrame()->setFrameFormat(frame);
    printPages(*copy, printer, page.size());
}

bool exportTapePdf(const QTextDocument& tape, const QString& path, QString& error) {
    const QString temp = path + QStringLiteral(".part");
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(temp);
        printTape(tape, printer);
        if (printer.printerState() == QPrinter::Error) {
            error = QStringLiteral("PDF");
            QFile::remove(temp);
            return false;
        }
    }
    if (!QFileInfo::exists(temp)) {
        error = QStringLiteral("cannot write %1").arg(temp);
        return false;
    }
    // rename(2) replaces the old file at once.
    if (std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(path).constData()) !=
        0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(temp);
        return false;
    }
    return true;
}

}  // namespace zumbrel::gui
