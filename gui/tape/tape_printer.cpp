#include "gui/tape/tape_printer.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <QTextFrame>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace zumbrel::gui {

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
    copy->print(&printer);
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
