// SPDX-License-Identifier: GPL-3.0-or-later
// The usage report: the line the server receives, the version reply rule and
// the choice of endpoint, against a WebSocket server on loopback.
#include "AppContext.h"
#include "EasyFunction.h"
#include "EchoClient.h"
#include "TestSupport.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTcpServer>
#include <QWebSocket>
#include <QWebSocketServer>
#include <QtTest>

#include <memory>

// Receives report lines, answers each with `reply` and records how the client
// closed.
class ReportServer : public QObject
{
    Q_OBJECT
public:
    ReportServer()
        : m_server(QStringLiteral("usage report"), QWebSocketServer::NonSecureMode)
    {
        connect(&m_server, &QWebSocketServer::newConnection, this, &ReportServer::acceptAll);
        m_server.listen(QHostAddress::LocalHost, 0);
    }

    bool isListening() const { return m_server.isListening(); }
    QString url() const { return QStringLiteral("ws://127.0.0.1:%1").arg(m_server.serverPort()); }
    quint16 port() const { return m_server.serverPort(); }

    QString reply;
    int connections = 0;

signals:
    void lineReceived(const QString &line);
    void clientClosed(int closeCode);

private:
    void acceptAll()
    {
        while (QWebSocket *socket = m_server.nextPendingConnection()) {
            ++connections;
            connect(socket, &QWebSocket::textMessageReceived, this, [this, socket](const QString &line) {
                emit lineReceived(line);
                socket->sendTextMessage(reply);
            });
            connect(socket, &QWebSocket::disconnected, this, [this, socket] {
                emit clientClosed(int(socket->closeCode()));
                socket->deleteLater();
            });
        }
    }

    QWebSocketServer m_server;
};

class TstUsageReport : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void versionBeforeAnyReply();
    void reportLine_data();
    void reportLine();
    void versionReply_data();
    void versionReply();
    void endpointChoice_data();
    void endpointChoice();
    void eachReplyHandledOnce();
    void reportAfterUnreachableEndpoint();

private:
    // Sends one report to the server and waits until the client has closed.
    bool sendAndWaitClosed(const QString &wsURL, QString *line = nullptr, int *closeCode = nullptr);

    std::unique_ptr<ReportServer> m_server;
    std::unique_ptr<EasyFunction> m_service;
    quint16 m_closedPort = 0;
};

void TstUsageReport::initTestCase()
{
    m_server = std::make_unique<ReportServer>();
    QVERIFY(m_server->isListening());
    m_service = std::make_unique<EasyFunction>(nullptr, nullptr);
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    m_closedPort = probe.serverPort();
    probe.close();
    QVERIFY(QSettings().fileName().startsWith(QDir::homePath()));
    TestSupport::recordLog();
}

void TstUsageReport::init()
{
    QSettings().clear();
    AppContext::platformIdentity = QStringLiteral("PC/{0f8fad5b-d9cb-469f-a165-70867728950e}");
    AppContext::startCount = 1;
    AppContext::languageIndex = 0;
    m_server->reply = QStringLiteral("ok");
    m_server->connections = 0;
    TestSupport::recordedLog().clear();
}

// The latest version is process-wide; each test leaves it as it found it.
void TstUsageReport::cleanup()
{
    AppContext::latestVersion = AppContext::applicationVersion;
}

bool TstUsageReport::sendAndWaitClosed(const QString &wsURL, QString *line, int *closeCode)
{
    QSignalSpy received(m_server.get(), &ReportServer::lineReceived);
    QSignalSpy serverSawClose(m_server.get(), &ReportServer::clientClosed);
    QSignalSpy clientClosed(&EchoClient::instance(), &EchoClient::closed);
    if (m_service->sendMsgToServer(wsURL) != QVariant(0))
        return false;
    if (!clientClosed.wait(5000))
        return false;
    if (serverSawClose.isEmpty() && !serverSawClose.wait(5000))
        return false;
    if (received.size() != 1)
        return false;
    if (line)
        *line = received.at(0).at(0).toString();
    if (closeCode)
        *closeCode = serverSawClose.at(0).at(0).toInt();
    return true;
}

void TstUsageReport::versionBeforeAnyReply()
{
    QCOMPARE(m_service->getCurVerAvailable(), QVariant(AppContext::applicationVersion));
}

void TstUsageReport::reportLine_data()
{
    QTest::addColumn<QVariantMap>("counters");
    QTest::addColumn<int>("startCount");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("expected");

    const QString id = QStringLiteral("PC/{0f8fad5b-d9cb-469f-a165-70867728950e}");
    QTest::newRow("fresh install") << QVariantMap() << 1 << 0
                                   << "FUNC01#" + id + "#" + AppContext::applicationVersion + "#1#0#C0/S0/B0/X0/H0/M0/Windows";
    QTest::newRow("every counter stored")
            << QVariantMap{{"toCntCalculateQingYao", "7"}, {"toCntOpenSanCaiWuGe", "3"}, {"toCntOpenBooks", "2"},
                           {"toCntOpenCompare", "5"}, {"toCntViewHistory", "11"}, {"totalTimeOfOpenGlobalMap", "4"}}
            << 12 << 1 << "FUNC01#" + id + "#" + AppContext::applicationVersion + "#12#1#C7/S3/B2/X5/H11/M4/Windows";
    QTest::newRow("counter that is no number")
            << QVariantMap{{"toCntCalculateQingYao", "250"}, {"toCntOpenBooks", "many"}}
            << 3 << 0 << "FUNC01#" + id + "#" + AppContext::applicationVersion + "#3#0#C250/S0/B0/X0/H0/M0/Windows";
}

void TstUsageReport::reportLine()
{
    QFETCH(QVariantMap, counters);
    QFETCH(int, startCount);
    QFETCH(int, language);
    QFETCH(QString, expected);

    {
        QSettings settings;
        for (auto it = counters.cbegin(); it != counters.cend(); ++it)
            settings.setValue(it.key(), it.value());
    }
    AppContext::startCount = startCount;
    AppContext::languageIndex = language;

    QString line;
    int closeCode = 0;
    QVERIFY(sendAndWaitClosed(m_server->url(), &line, &closeCode));
    QCOMPARE(line, expected);
    QCOMPARE(closeCode, 1000);
    QVERIFY(TestSupport::recordedLog().contains(QStringLiteral("msg to send ") + expected));
}

void TstUsageReport::versionReply_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("latest");

    QTest::newRow("version then notes") << "2.1.0/notes" << "2.1.0";
    QTest::newRow("one dot only") << "2.1/notes" << AppContext::applicationVersion;
    QTest::newRow("first part without dots") << "v2/2.1.0" << AppContext::applicationVersion;
    QTest::newRow("empty parts dropped") << "/2.1.0/" << "2.1.0";
    QTest::newRow("blanks around the version") << " 2.1.0 /x" << "2.1.0";
    QTest::newRow("no slash at all") << "2.1.0" << AppContext::applicationVersion;
    QTest::newRow("three dots") << "2.1.0.1/x" << AppContext::applicationVersion;
    QTest::newRow("empty reply") << "" << AppContext::applicationVersion;
}

void TstUsageReport::versionReply()
{
    QFETCH(QString, reply);
    QFETCH(QString, latest);

    m_server->reply = reply;
    int closeCode = 0;
    QVERIFY(sendAndWaitClosed(m_server->url(), nullptr, &closeCode));
    QCOMPARE(m_service->getCurVerAvailable(), QVariant(latest));
    QCOMPARE(closeCode, 1000);
}

void TstUsageReport::endpointChoice_data()
{
    // %1 is the report server's port, %2 a port nobody listens on.
    QTest::addColumn<QString>("wsURL");
    QTest::addColumn<QString>("configured");
    QTest::addColumn<bool>("reached");

    QTest::newRow("ws URL used as given") << "ws://127.0.0.1:%1" << "" << true;
    QTest::newRow("ws URL wins over the configured one") << "ws://127.0.0.1:%1" << "ws://127.0.0.1:%2" << true;
    QTest::newRow("wss URL replaced") << "wss://127.0.0.1:%1" << "ws://127.0.0.1:%1" << true;
    QTest::newRow("http URL replaced") << "http://127.0.0.1:%1/" << "ws://127.0.0.1:%1" << true;
    QTest::newRow("upper-case scheme replaced") << "WS://127.0.0.1:%2" << "ws://127.0.0.1:%1" << true;
    QTest::newRow("empty URL replaced") << "" << "ws://127.0.0.1:%1" << true;
    QTest::newRow("no endpoint, wss URL") << "wss://127.0.0.1:%1" << "" << false;
    QTest::newRow("no endpoint, http URL") << "http://127.0.0.1:%1" << "" << false;
    QTest::newRow("configured endpoint not a ws URL") << "" << "http://127.0.0.1:%1" << false;
}

void TstUsageReport::endpointChoice()
{
    QFETCH(QString, wsURL);
    QFETCH(QString, configured);
    QFETCH(bool, reached);

    const auto fill = [this](const QString &text) { return text.arg(m_server->port()).arg(m_closedPort); };
    if (!configured.isEmpty())
        QSettings().setValue(EchoClient::endpointKey(), fill(configured));

    if (reached) {
        QString line;
        QVERIFY(sendAndWaitClosed(fill(wsURL), &line));
        QVERIFY(line.startsWith(QLatin1String("FUNC01#")));
    } else {
        QTest::ignoreMessage(QtWarningMsg, "usage report: no endpoint configured");
        QCOMPARE(m_service->sendMsgToServer(fill(wsURL)), QVariant(0));
        QTest::qWait(300);
    }
    QCOMPARE(m_server->connections, reached ? 1 : 0);
}

// The client connects its reply handler on every connection; a second report
// must still handle its reply once.
void TstUsageReport::eachReplyHandledOnce()
{
    m_server->reply = QStringLiteral("2.1.0/notes");
    QVERIFY(sendAndWaitClosed(m_server->url()));
    QVERIFY(sendAndWaitClosed(m_server->url()));
    QCOMPARE(TestSupport::recordedLog().filter(QStringLiteral("Message received:")).size(), 2);
    QCOMPARE(m_server->connections, 2);
}

void TstUsageReport::reportAfterUnreachableEndpoint()
{
    QSignalSpy clientClosed(&EchoClient::instance(), &EchoClient::closed);
    QCOMPARE(m_service->sendMsgToServer(QStringLiteral("ws://127.0.0.1:%1").arg(m_closedPort)), QVariant(0));
    QTest::qWait(300);
    QCOMPARE(m_service->getCurVerAvailable(), QVariant(AppContext::applicationVersion));
    QVERIFY(!TestSupport::recordedLog().contains(QStringLiteral("WebSocket connected")));

    m_server->reply = QStringLiteral("3.0.0/x");
    QVERIFY(sendAndWaitClosed(m_server->url()));
    QCOMPARE(m_service->getCurVerAvailable(), QVariant(QStringLiteral("3.0.0")));
}

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    TestSupport::isolateUserFolders(home);
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Solquist"));
    QCoreApplication::setApplicationName(QStringLiteral("晴曜命盘"));
    TstUsageReport test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_usage_report.moc"
