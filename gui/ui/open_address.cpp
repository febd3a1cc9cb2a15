#include "gui/ui/open_address.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include "core/ports.h"
#include "gui/ui/qt_ports.h"

namespace zumbrel::gui {
namespace {

constexpr Message kNothingOpens{"MSG_NOTHING_OPENS",
                                "Aucun programme de ce bureau ne peut ouvrir :"};

}  // namespace

void openOrTell(const QUrl& address, QWidget& parent, const Translator& texts,
                const std::function<bool(const QUrl&)>& open) {
    const bool opened = open ? open(address) : QDesktopServices::openUrl(address);
    if (opened) return;
    const QString shown =
        address.isLocalFile() ? address.toLocalFile() : address.toString(QUrl::FullyDecoded);
    auto* box =
        new QMessageBox(QMessageBox::Information, QStringLiteral("Zumbrel"),
                        qs(texts.text(kNothingOpens)) + "\n" + shown, QMessageBox::Ok, &parent);
    box->setObjectName("NothingOpens");
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

}  // namespace zumbrel::gui
