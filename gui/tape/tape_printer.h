#pragma once

#include <QString>

class QPrinter;
class QTextDocument;

namespace zumbrel::gui {

// Prints the tape: its fonts, colours and right alignment on white paper, half an inch from
// the paper's left, top and bottom edges and one inch from its right edge, page after page.
void printTape(const QTextDocument& tape, QPrinter& printer);

// The printed layout as a PDF file, written beside the target and renamed over it, so a
// failure never leaves half a file. False, with the reason, when it could not be written.
bool exportTapePdf(const QTextDocument& tape, const QString& path, QString& error);

}  // namespace zumbrel::gui
