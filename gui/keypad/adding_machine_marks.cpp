#include "gui/keypad/adding_machine_marks.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QStringList>
#include <optional>

#include "core/calc/grand_total.h"
#include "core/calc/kept_places.h"
#include "core/calc/number_text.h"
#include "core/calc/registers.h"
#include "gui/ui/accessibility.h"
#include "gui/ui/painted_widgets.h"
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

void addAddingMachineKeys(QWidget& panel) {
    const KeyButton::Colors colors{QColor("#e6ecf8"), QColor("#cfd9ef"), QColor("#a9b6d6"),
                                   QColor("#1c3266")};
    const std::pair<const char*, QString> keys[] = {{"mItemMemoryPlus", QStringLiteral("M+")},
                                                    {"mItemMemoryMinus", QStringLiteral("M−")},
                                                    {"mItemMemoryRecall", QStringLiteral("MR")},
                                                    {"mItemMemoryClear", QStringLiteral("MC")},
                                                    {"mItemGrandTotal", QStringLiteral("GT")}};
    constexpr int kWidth = 38, kGap = 3;
    int x = kAddingMachineKeysLeft;
    for (const auto& [item, caption] : keys) {
        QAction* action = panel.window()->findChild<QAction*>(item);
        auto* key = new KeyButton(caption, colors, 12, &panel);
        key->setObjectName(QString(item).replace("mItem", "btn"));
        key->setGeometry(x, 46, kWidth, 22);
        key->setFocusPolicy(Qt::TabFocus);
        x += kWidth + kGap;
        // Named as its menu item, in the interface language ("Mémoire plus (M+)").
        const auto name = [key, action] { key->setAccessibleName(action->text().remove('&')); };
        name();
        QObject::connect(action, &QAction::changed, key, name);
        QObject::connect(key, &QPushButton::clicked, action, &QAction::trigger);
    }
}

namespace {

// A long grand total gets a smaller font than its own (`kBaseFont`); too long even so, it ends
// in "…", and its hint and its name for a screen reader hold it whole. Cut off, it looked like
// a whole number.
constexpr char kBaseFont[] = "zumbrelBaseFont";

void showWhole(QLabel& label, const QString& text) {
    const QFont font = label.property(kBaseFont).value<QFont>();
    const std::optional<QFont> fitting = fontToFit(font, text, label.width(), 7);
    label.setFont(fitting.value_or(font));
    const QString shown =
        fitting ? text : QFontMetrics(font).elidedText(text, Qt::ElideRight, label.width());
    label.setText(shown);
    label.setToolTip(shown == text ? QString() : text);
}

}  // namespace

AddingMachineMarks::AddingMachineMarks(QWidget& displayArea, QWidget& commandPanel)
    : memoryFlag_(mark(new MemoryFlag(&displayArea), "lblMemoryFlag", {12, 38, 18, 20}, true)),
      grandTotal_(mark(new QLabel(&commandPanel), "lblGrandTotal", {14, 236, 160, 20}, false)) {
    grandTotal_->setProperty(kBaseFont, grandTotal_->font());
}

void AddingMachineMarks::show(const calc::Registers& r, const calc::KeptValues& kept,
                              const std::array<QString, 3>& memoryCaptions) {
    const std::string format = r.decimalSeparator + r.lblNbrDecPref + r.lblSepDec +
                               memoryCaptions[0].toStdString() +
                               (usesSpaceBeforeColon() ? " " : "");
    if (kept.lblMemory == memoriesShown_ && r.grandTotal == grandTotalShown_ &&
        format == formatShown_)
        return;
    memoriesShown_ = kept.lblMemory;
    grandTotalShown_ = r.grandTotal;
    formatShown_ = format;
    // Screen readers hear thousands apart by spaces, whatever separator the display shows.
    const calc::FormatOptions spoken{r.decimalSeparator, r.lblNbrDecPref, std::string(1, 'S')};
    QStringList held;
    for (std::size_t i = 0; i < kept.lblMemory.size(); ++i) {
        if (!kept.lblMemory[i].empty())
            held << withColon(memoryCaptions[i], qs(calc::AddSepToMil(kept.lblMemory[i], spoken)));
    }
    // Named after the mark first ("M : Mémoire 1 : 1 234,5"), never as a memory itself.
    const QString memories = withColon("M", held.join(QStringLiteral(" ; ")));
    if (memoryFlag_->accessibleName() != memories) {
        memoryFlag_->setAccessibleName(memories);
        memoryFlag_->setToolTip(memories);
    }
    memoryFlag_->setVisible(!held.isEmpty());

    const bool total = calc::grandTotalValue(r) != 0;
    const std::string value = total ? calc::grandTotalText(r) : std::string();
    const QString text =
        total ? withColon("G.T.", qs(calc::AddSepToMil(value, r.format()))) : QString();
    if (grandTotal_->text() != text) {
        showWhole(*grandTotal_, text);
        grandTotal_->setAccessibleName(
            total ? withColon("G.T.", qs(calc::AddSepToMil(value, spoken))) : QString());
    }
    grandTotal_->setVisible(total);
}

}  // namespace zumbrel::gui
