#include "gui/keypad/adding_machine_marks.h"

#include <QLabel>
#include <QPainter>
#include <QStringList>

#include "core/calc/grand_total.h"
#include "core/calc/kept_places.h"
#include "core/calc/number_text.h"
#include "core/calc/registers.h"
#include "gui/ui/accessibility.h"
#include "gui/ui/qt_ports.h"

namespace zumbrel::gui {
namespace {

const QColor kNavy(0, 0, 128);

// The "M" of a memory in use: a mark drawn like a printed symbol, the same in every language,
// whose name tells the memories' values.
class MemoryFlag final : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setFont(font());
        p.setPen(kNavy);
        p.drawText(rect(), Qt::AlignCenter, QStringLiteral("M"));
    }
};

QLabel* mark(QLabel* l, const char* name, QRect where, bool bold) {
    l->setObjectName(name);
    l->setGeometry(where);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);  // the display stays draggable
    QFont f = l->font();
    f.setPixelSize(12);
    f.setBold(bold);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, kNavy);
    l->setPalette(p);
    l->hide();
    return l;
}

}  // namespace

AddingMachineMarks::AddingMachineMarks(QWidget& displayArea, QWidget& commandPanel)
    : memoryFlag_(mark(new MemoryFlag(&displayArea), "lblMemoryFlag", {12, 38, 18, 20}, true)),
      grandTotal_(mark(new QLabel(&commandPanel), "lblGrandTotal", {14, 236, 160, 20}, false)) {}

void AddingMachineMarks::show(const calc::Registers& r, const calc::KeptValues& kept,
                              const std::array<QString, 3>& memoryCaptions) {
    QStringList held;
    for (std::size_t i = 0; i < kept.lblMemory.size(); ++i) {
        if (!kept.lblMemory[i].empty())
            held << memoryCaptions[i] + " : " +
                        qs(calc::AddSepToMil(kept.lblMemory[i], r.format()));
    }
    // Named after the mark first ("M : Mémoire 1 : 1 234,5"), never as a memory itself.
    const QString memories = "M : " + held.join(QStringLiteral(" ; "));
    if (memoryFlag_->accessibleName() != memories) {
        memoryFlag_->setAccessibleName(memories);
        memoryFlag_->setToolTip(memories);
    }
    memoryFlag_->setVisible(!held.isEmpty());

    const bool total = calc::grandTotalValue(r) != 0;
    const QString text =
        total ? "G.T. : " + qs(calc::AddSepToMil(calc::grandTotalText(r), r.format())) : QString();
    if (grandTotal_->text() != text) {
        grandTotal_->setText(text);
        grandTotal_->setAccessibleName(text);
    }
    grandTotal_->setVisible(total);
}

}  // namespace zumbrel::gui
