#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

#include "core/ports.h"
#include "gui/net/service_client.h"

class QWidget;

namespace zumbrel::gui {

// Said where a build has no web service address.
inline constexpr Message kServiceNotConfigured{"MSG_SERVICE_NOT_CONFIGURED",
                                               "Service non configuré"};

// The update check, the IP display and the web links of the keypad window, talking to the
// maker's web server at `base`. Everything is asynchronous: the window never waits for the
// network; the answers come in short windows that close by themselves.
class NetworkServices final : public QObject {
  public:
    // `window` holds the menu items ("mItemMAJ", "DetectIP", "mItemFAQ", "mItemZMBSurWeb") and
    // the program's name picture, and parents the short windows; `tr` gives their words,
    // `tell` says a line to the user (the status line, and the screen reader).
    NetworkServices(QWidget& window, const Translator& tr,
                    std::function<void(const QString&)> tell);
    static NetworkServices& install(QWidget& window, const Translator& tr,
                                    std::function<void(const QString&)> tell);

    QString base;  // the build's, unless a test or a run gives another

    // btnUpdateClick; at start too when SeekUpdate is set (and a service is configured).
    void checkUpdate();
    // DetectIPClick.
    void showAddresses();
    // A page of the server in the browser ("/faq_zmb.html").
    void openPage(const QString& path);
    // The machine's address on its network: interfaces up and running, neither loopback
    // nor link-local; the last one when there are several.
    static QString localAddress();
    // How long each short window stays, in milliseconds (tests shorten them).
    int shortMs = 2000, longMs = 10000, addressMs = 20000;

  protected:
    // A click on the program's name opens the maker's site.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool configured();
    void busy(bool on);
    // A small window above the others, with a text and OK, that closes by itself.
    QWidget* transient(const QString& caption, const QString& text, int ms);
    void updateWindow(const QString& headline, const QStringList& news);

    QWidget& window_;
    const Translator& tr_;
    std::function<void(const QString&)> tell_;
    ServiceClient client_;
};

}  // namespace zumbrel::gui
