#include "gui/net/network_services.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QNetworkInterface>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "core/config/language.h"
#include "core/net/replies.h"
#include "core/version.h"
#include "gui/ui/open_address.h"
#include "gui/ui/qt_ports.h"

namespace zumbrel::gui {
namespace {

constexpr Message kOffline{"SMSG_MF_004", "PC non connecté à Internet"};
constexpr Message kCurrent{"SMSG_MF_006", "Cette version de Zumbrel est à jour"};
constexpr Message kImpossible{"MSG_CHECK_IMPOSSIBLE", "Vérification impossible"};
constexpr Message kUpdateService{"CAPTION_FORM_UPDATE", "Service de mise à jour de"};
constexpr Message kIpService{"SMSG_CAPTION_IP", "Service IP de"};
constexpr Message kNewVersion{"NEW_VERSION_OF_ZUMBREL_AVAILABLE",
                              "Une nouvelle version de Zumbrel est disponible"};
constexpr Message kWhatsNew{"WHATS_NEW", "Quoi de neuf :"};
constexpr Message kProcedure{"THE_PROCEDURE_OF_IMPLEMENTATION",
                             "La procédure de mise en place reste des plus simple :"};
constexpr Message kUnzip{"TO_UNWIND_THE_ZIP_AND_OF_THEN",
                         "c'est-à-dire, de décompresser le zip et d'ensuite disposer le dossier "
                         "inclus, par exemple sur le Bureau"};
constexpr Message kWishes{"THE_AUTHOR_WISHES_YOU",
                          "L'auteur vous souhaite un agréable usage de Zumbrel"};
constexpr Message kUpdate{"I_UPDATE", "Je mets à jour"};
constexpr Message kLater{"LATER", "Plus tard..."};

QLabel* plainLabel(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);  // text from the network is never rendered as HTML
    l->setWordWrap(true);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return l;
}

}  // namespace

NetworkServices::NetworkServices(QWidget& window, const Translator& tr,
                                 std::function<void(const QString&)> tell)
    : QObject(&window),
      base(ServiceClient::configuredBase()),
      window_(window),
      tr_(tr),
      tell_(std::move(tell)),
      client_(this) {
    setObjectName("NetworkServices");
}

NetworkServices& NetworkServices::install(QWidget& window, const Translator& tr,
                                          std::function<void(const QString&)> tell) {
    auto* services = new NetworkServices(window, tr, std::move(tell));
    const auto item = [&window](const char* name) {
        QAction* a = window.findChild<QAction*>(name);
        a->setEnabled(true);
        return a;
    };
    connect(item("mItemMAJ"), &QAction::triggered, services,
            [services] { services->checkUpdate(); });
    connect(item("DetectIP"), &QAction::triggered, services,
            [services] { services->showAddresses(); });
    const std::pair<const char*, const char*> pages[] = {{"mItemFAQ", "/faq_zmb.html"},
                                                         {"mItemZMBSurWeb", "/zumbrel.php"}};
    for (const auto& [name, path] : pages) {
        connect(item(name), &QAction::triggered, services,
                [services, path = QString::fromLatin1(path)] { services->openPage(path); });
    }
    if (QWidget* name = window.findChild<QWidget*>("imgNameHead")) {
        name->installEventFilter(services);
        name->setCursor(Qt::PointingHandCursor);
    }
    return *services;
}

bool NetworkServices::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        openPage(QStringLiteral("/"));
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool NetworkServices::configured() {
    if (!base.isEmpty()) return true;
    tell_(qs(tr_.text(kServiceNotConfigured)));
    return false;
}

void NetworkServices::busy(bool on) {
    // One check at a time: its commands wait for it.
    for (const char* name : {"mItemMAJ", "DetectIP"})
        window_.findChild<QAction*>(name)->setEnabled(!on);
}

QWidget* NetworkServices::transient(const QString& caption, const QString& text, int ms) {
    auto* w = new QDialog(&window_, Qt::Tool | Qt::WindowStaysOnTopHint);
    w->setObjectName("TransientMessage");
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setWindowTitle(caption);
    w->setAccessibleName(caption);
    auto* layout = new QVBoxLayout(w);
    auto* label = plainLabel(text, w);
    label->setObjectName("lblMessage");
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    auto* ok = new QPushButton(QStringLiteral("OK"), w);
    ok->setObjectName("RAZ_TimerCMDialog");
    layout->addWidget(ok, 0, Qt::AlignCenter);
    connect(ok, &QPushButton::clicked, w, &QWidget::close);
    QTimer::singleShot(ms, w, &QWidget::close);
    w->show();
    return w;
}

void NetworkServices::checkUpdate() {
    if (!configured() || client_.busy()) return;
    busy(true);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    const QString caption = qs(tr_.text(kUpdateService));
    client_.fetch(QUrl(base + "/version/v_zmb.txt"), static_cast<qint64>(net::kMaxVersionReply),
                  [this, caption](ServiceReply reply) {
                      QApplication::restoreOverrideCursor();
                      busy(false);
                      const auto& tr = tr_;
                      if (reply.kind == ServiceReply::Kind::Offline) {
                          transient(caption, qs(tr.text(kOffline)), longMs);
                          return;
                      }
                      const net::VersionCheck c = net::checkVersion(
                          reply.kind == ServiceReply::Kind::Ok ? reply.body.toStdString() : "");
                      if (c.status == net::UpdateStatus::Newer) {
                          QStringList news;
                          for (const std::string& n : c.news)
                              news << qs(n);
                          updateWindow(qs(c.headline), news);
                      } else if (c.status == net::UpdateStatus::UpToDate) {
                          transient(caption, qs(tr.text(kCurrent)), shortMs);
                      } else {
                          transient(caption, qs(tr.text(kImpossible)), longMs);
                      }
                  });
}

void NetworkServices::updateWindow(const QString& headline, const QStringList& news) {
    const auto& tr = tr_;
    QDialog dialog(&window_);
    dialog.setObjectName("UpdateZMB");
    dialog.setWindowTitle(qs(tr.text(kUpdateService)));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(plainLabel(qs(tr.text(kNewVersion)), &dialog));
    auto* version = plainLabel(headline, &dialog);
    version->setObjectName("lblVersion");
    layout->addWidget(version);
    layout->addWidget(plainLabel(qs(tr.text(kWhatsNew)), &dialog));
    auto* memo = new QPlainTextEdit(&dialog);  // plain text: nothing from the server is markup
    memo->setObjectName("memoUpdate");
    memo->setReadOnly(true);
    memo->setPlainText(news.join('\n') + "\n\n" + qs(tr.text(kProcedure)) + "\n" +
                       qs(tr.text(kUnzip)) + ".\n\n" + qs(tr.text(kWishes)) + ",");
    layout->addWidget(memo);
    auto* download = new QPushButton(qs(tr.text(kUpdate)), &dialog);
    download->setObjectName("btnDownload");
    auto* later = new QPushButton(qs(tr.text(kLater)), &dialog);
    later->setObjectName("btnCancelDownload");
    layout->addWidget(download);
    layout->addWidget(later);
    // The program never downloads nor runs anything: the download page opens in the browser.
    connect(download, &QPushButton::clicked, this,
            [this] { openPage("/download.php?fichier=zumbrel.zip"); });
    connect(later, &QPushButton::clicked, &dialog, &QDialog::reject);
    download->setFocus();
    dialog.exec();
}

QString NetworkServices::localAddress() {
    QString last;
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
        const auto flags = i.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning) ||
            (flags & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& e : i.addressEntries()) {
            const QHostAddress a = e.ip();
            if (a.isLoopback() || a.isLinkLocal()) continue;
            last = a.toString();
        }
    }
    return last.isEmpty() ? QStringLiteral("—") : last;
}

void NetworkServices::showAddresses() {
    if (!configured() || client_.busy()) return;
    busy(true);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    const QString caption = qs(tr_.text(kIpService)) + " " + QUrl(base).host();
    client_.fetch(
        QUrl(base + "/getip.php"), static_cast<qint64>(net::kMaxIpReply),
        [this, caption](ServiceReply reply) {
            QApplication::restoreOverrideCursor();
            busy(false);
            if (reply.kind == ServiceReply::Kind::Offline) {
                transient(QStringLiteral("Service IP de Zumbrel"),
                          QStringLiteral("Cette machine n'est pas connectée à Internet"), longMs);
                return;
            }
            const QString publicIp = qs(net::readPublicIP(
                reply.kind == ServiceReply::Kind::Ok ? reply.body.toStdString() : std::string()));
            const QString local = localAddress();
            QWidget* w = transient(caption, publicIp + "\n" + local + "\nCtrl + C", addressMs);
            w->setObjectName("DonneIP");
            // Ctrl+C copies both addresses.
            auto* copy = new QShortcut(QKeySequence::Copy, w);
            connect(copy, &QShortcut::activated, w, [publicIp, local] {
                QApplication::clipboard()->setText(publicIp + "\n" + local);
            });
        });
}

void NetworkServices::openPage(const QString& path) {
    if (!configured()) return;
    openOrTell(QUrl(base + path), window_, tr_);
}

}  // namespace zumbrel::gui
