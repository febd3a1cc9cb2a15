// The update check and the IP display in the windows, against a server started here on
// 127.0.0.1: the answers come in windows of their own, the keypad never waits.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <optional>

#include "gui/keypad/display_view.h"
#include "gui/keypad/status_line.h"
#include "gui/net/network_services.h"
#include "keypad_fixture.h"

namespace zumbrel::gui {
namespace {

class Network : public KeypadFixture {
  protected:
    void SetUp() override {
        KeypadFixture::SetUp();
        server.start("python3", {QString(ZUMBREL_TEST_NET_DIR) + "/service_server.py"});
        ASSERT_TRUE(server.waitForReadyRead(10000)) << "python3 is needed";
        port = QString::fromLatin1(server.readLine()).trimmed();
        services = keypad->findChild<NetworkServices*>("NetworkServices");
        ASSERT_NE(services, nullptr);
        services->shortMs = services->longMs = services->addressMs = 60000;
    }
    void TearDown() override {
        server.kill();
        server.waitForFinished();
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "TransientMessage" || w->objectName() == "DonneIP") w->close();
        }
    }
    QString base(const char* testCase) { return "http://127.0.0.1:" + port + "/" + testCase; }
    // The text of the short window that comes, once it has.
    QString shortWindowText() {
        QString text;
        eventually([&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (!w->isVisible()) continue;
                if (auto* l = w->findChild<QLabel*>("lblMessage")) text = l->text();
            }
            return !text.isEmpty();
        });
        return text;
    }

    QProcess server;
    QString port;
    NetworkServices* services = nullptr;
};

TEST_F(Network, the_current_version_is_said_in_a_short_window) {
    services->base = base("same");
    keypad->findChild<QAction*>("mItemMAJ")->trigger();
    EXPECT_FALSE(keypad->findChild<QAction*>("mItemMAJ")->isEnabled());  // one check at a time
    EXPECT_EQ(shortWindowText().toStdString(), "Cette version de Zumbrel est à jour");
    EXPECT_TRUE(keypad->findChild<QAction*>("mItemMAJ")->isEnabled());
}

TEST_F(Network, an_unreadable_version_file_is_no_up_to_date) {
    services->base = base("nonnumeric");
    services->checkUpdate();
    EXPECT_EQ(shortWindowText().toStdString(), "Vérification impossible");
}

TEST_F(Network, a_newer_version_opens_the_update_window_with_its_news) {
    services->base = base("newer");
    std::string version, news;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() != "UpdateZMB") return;
        modal->setProperty("expected", true);
        version = modal->findChild<QLabel*>("lblVersion")->text().toStdString();
        news = modal->findChild<QPlainTextEdit*>("memoUpdate")->toPlainText().toStdString();
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    poll.start();
    qApp->setProperty("expectedDialog", "UpdateZMB");
    services->checkUpdate();
    EXPECT_TRUE(eventually([&] { return !version.empty(); }));
    qApp->setProperty("expectedDialog", QVariant());
    EXPECT_EQ(version, "Zumbrel 2.6.1");
    EXPECT_EQ(news.rfind("Faster", 0), 0u) << news;
}

TEST_F(Network, no_server_is_said_as_no_connection) {
    services->base = base("same");
    server.kill();
    server.waitForFinished();
    services->checkUpdate();
    EXPECT_EQ(shortWindowText().toStdString(), "PC non connecté à Internet");
}

TEST_F(Network, the_addresses_window_shows_the_public_address) {
    services->base = base("ip11");
    keypad->findChild<QAction*>("DetectIP")->trigger();
    EXPECT_TRUE(shortWindowText().startsWith("203.0.113.7\n")) << shortWindowText().toStdString();
}

TEST_F(Network, without_a_service_the_commands_say_so_to_the_eye_and_to_the_screen_reader) {
    QStringList heard;
    DisplayView& display = *keypad->findChild<DisplayView*>("EdtVirt");
    display.onAnnounced = [&heard](const QString& text) { heard.push_back(text); };
    services->base.clear();
    for (const char* command : {"mItemMAJ", "DetectIP", "mItemFAQ"}) {
        heard.clear();
        keypad->findChild<QAction*>(command)->trigger();
        EXPECT_EQ(keypad->statusLine().message().toStdString(), "Service non configuré") << command;
        EXPECT_EQ(heard, QStringList{"Service non configuré"}) << command;
        // Read again, the display says it too, until the next key changes it.
        EXPECT_EQ(display.spokenText().toStdString(), "Service non configuré") << command;
    }
    QTest::keyClick(&display, Qt::Key_7);
    EXPECT_EQ(display.spokenText().toStdString(), "7");
}

// The principle window's tutorials button stands only where it can open them: without a
// service its answer would go to the status line behind the window.
TEST_F(Network, the_principle_window_offers_the_tutorials_only_with_a_service) {
    for (const bool withService : {true, false}) {
        services->base = withService ? base("same") : QString();
        bool button = !withService;
        QTimer::singleShot(0, [&button] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) return;
            button = modal->findChild<QPushButton*>("btnInfo") != nullptr;
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        keypad->findChild<QAction*>("mItemPrincipeFonction")->trigger();
        EXPECT_EQ(button, withService);
    }
}

// HTTPS with a certificate made for this test: refused until the test trusts it.
TEST(NetworkTls, a_certificate_counts_only_when_trusted) {
    QTemporaryDir folder;
    QProcess openssl;
    openssl.start("openssl",
                  {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1", "-subj",
                   "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1", "-keyout",
                   folder.filePath("key.pem"), "-out", folder.filePath("cert.pem")});
    ASSERT_TRUE(openssl.waitForFinished(60000) && openssl.exitCode() == 0)
        << "openssl is needed: " << openssl.readAllStandardError().toStdString();
    QProcess server;
    server.start("python3", {QString(ZUMBREL_TEST_NET_DIR) + "/service_server.py", "--tls",
                             folder.filePath("cert.pem"), folder.filePath("key.pem")});
    ASSERT_TRUE(server.waitForReadyRead(10000));
    const QString url = "https://127.0.0.1:" + QString::fromLatin1(server.readLine()).trimmed() +
                        "/same/version/v_zmb.txt";
    const auto fetch = [&](bool trust) {
        ServiceClient client;
        if (trust)
            client.trustedCertificates = QSslCertificate::fromPath(folder.filePath("cert.pem"));
        std::optional<ServiceReply> reply;
        EXPECT_TRUE(client.fetch(QUrl(url), 4096, [&](ServiceReply r) { reply = r; }));
        EXPECT_TRUE(eventually([&] { return reply.has_value(); }, 15000));
        return reply.value_or(ServiceReply{});
    };
    EXPECT_EQ(fetch(false).kind, ServiceReply::Kind::Failed);
    const ServiceReply trusted = fetch(true);
    EXPECT_EQ(trusted.kind, ServiceReply::Kind::Ok);
    EXPECT_TRUE(trusted.body.contains("dispo=2006000"));
    server.kill();
    server.waitForFinished();
}

}  // namespace
}  // namespace zumbrel::gui
