// SPDX-License-Identifier: GPL-3.0-or-later
// SimpleHttpRequest against a small HTTP server on loopback.
#include "SimpleHttpRequest.h"
#include "ServiceWiring.h"
#include "TestSupport.h"

#include <QAuthenticator>
#include <QElapsedTimer>
#include <QHash>
#include <QMetaMethod>
#include <QNetworkAccessManager>
#include <QPointer>
#include <QSignalSpy>
#include <QSslError>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>

#include <climits>
#include <memory>

namespace {

QByteArray response(int code, const QByteArray &reason, const QByteArray &body,
                    const QByteArray &headers = QByteArray())
{
    return "HTTP/1.1 " + QByteArray::number(code) + ' ' + reason + "\r\n"
            + "Content-Type: text/plain; charset=utf-8\r\n"
            + "Content-Length: " + QByteArray::number(body.size()) + "\r\n"
            + headers + "Connection: close\r\n\r\n" + body;
}

// No error expected: none reported; otherwise the text starts as given.
bool errorMatches(const QString &error, const QString &start)
{
    return start.isEmpty() ? error.isEmpty() : error.startsWith(start);
}

QByteArray chunk(const QByteArray &data)
{
    return QByteArray::number(data.size(), 16) + "\r\n" + data + "\r\n";
}

} // namespace

// Answers by path:
//   /hello            200 with a short body
//   /chunked          200, chunked body in three pieces 50 ms apart; a UTF-8
//                     character is cut between the second and third piece
//   /redirect/N       302 to /redirect/N-1 (relative), /redirect/0 is 200 "arrived"
//   /absolute         301 to the absolute URL of /hello
//   /to-file          302 to file:///etc/hostname
//   /missing          404 with a body
//   /silent           accepts and never answers
//   /stall            headers and part of the body, then nothing
class LoopbackHttpServer : public QTcpServer
{
    Q_OBJECT
public:
    LoopbackHttpServer()
    {
        connect(this, &QTcpServer::newConnection, this, &LoopbackHttpServer::acceptAll);
        listen(QHostAddress::LocalHost, 0);
    }

    QUrl url(const QString &path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path));
    }

    QStringList paths;

signals:
    void clientGone();

private:
    void acceptAll()
    {
        while (QTcpSocket *socket = nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
            connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                emit clientGone();
                socket->deleteLater();
            });
        }
    }

    void readRequest(QTcpSocket *socket)
    {
        QByteArray &buffer = m_buffers[socket];
        buffer += socket->readAll();
        const int end = buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QList<QByteArray> requestLine = buffer.left(buffer.indexOf("\r\n")).split(' ');
        buffer.remove(0, end + 4);
        const QString path = QString::fromLatin1(requestLine.value(1));
        paths << path;
        answer(socket, requestLine.value(0), path);
    }

    void answer(QTcpSocket *socket, const QByteArray &method, const QString &path)
    {
        if (method != "GET") {
            send(socket, response(405, "Method Not Allowed", QByteArray()));
        } else if (path == QLatin1String("/hello")) {
            send(socket, response(200, "OK", QStringLiteral("hello 晴曜").toUtf8()));
        } else if (path == QLatin1String("/chunked")) {
            const QByteArray qing = QStringLiteral("晴").toUtf8();
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain; charset=utf-8\r\n"
                          "Transfer-Encoding: chunked\r\nConnection: close\r\n\r\n");
            socket->write(chunk("first-"));
            later(socket, 50, chunk("second-" + qing.left(1)));
            later(socket, 100, chunk(qing.mid(1) + QStringLiteral("曜-third").toUtf8()) + "0\r\n\r\n", true);
        } else if (path.startsWith(QLatin1String("/redirect/"))) {
            const int left = path.mid(10).toInt();
            if (left == 0)
                send(socket, response(200, "OK", "arrived"));
            else
                send(socket, response(302, "Found", QByteArray(),
                                      "Location: /redirect/" + QByteArray::number(left - 1) + "\r\n"));
        } else if (path == QLatin1String("/absolute")) {
            send(socket, response(301, "Moved Permanently", QByteArray(),
                                  "Location: " + url(QStringLiteral("/hello")).toEncoded() + "\r\n"));
        } else if (path == QLatin1String("/to-file")) {
            send(socket, response(302, "Found", QByteArray(), "Location: file:///etc/hostname\r\n"));
        } else if (path == QLatin1String("/missing")) {
            send(socket, response(404, "Not Found", "no such page"));
        } else if (path == QLatin1String("/stall")) {
            socket->write("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\npartial");
        } else if (path != QLatin1String("/silent")) {
            send(socket, response(500, "Internal Server Error", "unknown test path"));
        }
    }

    static void send(QTcpSocket *socket, const QByteArray &bytes)
    {
        socket->write(bytes);
        socket->disconnectFromHost();
    }

    void later(QTcpSocket *socket, int ms, const QByteArray &bytes, bool last = false)
    {
        QPointer<QTcpSocket> guard(socket);
        QTimer::singleShot(ms, this, [guard, bytes, last] {
            if (!guard)
                return;
            guard->write(bytes);
            guard->flush();
            if (last)
                guard->disconnectFromHost();
        });
    }

    QHash<QTcpSocket *, QByteArray> m_buffers;
};

class TstHttpRequest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void signalsInOrder();
    void startupObjectTimeouts();
    void replies_data();
    void replies();
    void chunkedBodyArrivesInPieces();
    void connectionRefused();
    void userInputUrls_data();
    void userInputUrls();
    void timeouts_data();
    void timeouts();
    void largeTimeoutsDoNotWrap();
    void busyRequestRefused();
    void restartFromTimeoutSignal();
    void unknownHost();
    void teardownWithPendingReply();
    void deleteFromTimeoutSignal();
    void propertyWrites_data();
    void propertyWrites();
    void unconnectedSlots();

private:
    std::unique_ptr<LoopbackHttpServer> m_server;
};

void TstHttpRequest::initTestCase()
{
    m_server = std::make_unique<LoopbackHttpServer>();
    QVERIFY(m_server->isListening());
    TestSupport::recordLog();
}

void TstHttpRequest::init()
{
    m_server->paths.clear();
    TestSupport::recordedLog().clear();
}

void TstHttpRequest::signalsInOrder()
{
    const QMetaObject &meta = SimpleHttpRequest::staticMetaObject;
    QStringList names;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        if (meta.method(i).methodType() == QMetaMethod::Signal)
            names << QString::fromLatin1(meta.method(i).name());
    }
    QCOMPARE(names, QStringList({"con_timeout_msChanged", "res_timeout_msChanged", "httpRequestAbortedChanged",
                                 "receivedMessageStringChanged", "httpErrorStringChanged", "responsed"}));
}

void TstHttpRequest::startupObjectTimeouts()
{
    std::unique_ptr<QObject> request(ServiceWiring::createRequestObject());
    QVERIFY(qobject_cast<SimpleHttpRequest *>(request.get()));
    QCOMPARE(request->property("con_timeout_ms").toInt(), 20000);
    QCOMPARE(request->property("res_timeout_ms").toInt(), 30000);
    QCOMPARE(request->property("httpRequestAborted").toBool(), false);
    QCOMPARE(request->property("receivedMessageString").toString(), QString());
    QCOMPARE(request->property("receivedErrorString").toString(), QString());
}

void TstHttpRequest::replies_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("errorStart");
    QTest::addColumn<QString>("errorAlsoHas");
    QTest::addColumn<QStringList>("served");

    QStringList tenHops, elevenHops;
    for (int n = 10; n >= 0; --n)
        tenHops << QStringLiteral("/redirect/%1").arg(n);
    for (int n = 11; n >= 1; --n)
        elevenHops << QStringLiteral("/redirect/%1").arg(n);

    QTest::newRow("plain body") << "/hello" << "hello 晴曜" << "" << ""
                                << QStringList{"/hello"};
    QTest::newRow("chunked body") << "/chunked" << "first-second-晴曜-third" << "" << ""
                                  << QStringList{"/chunked"};
    QTest::newRow("one redirection") << "/redirect/1" << "arrived" << "" << ""
                                     << QStringList{"/redirect/1", "/redirect/0"};
    QTest::newRow("absolute redirection") << "/absolute" << "hello 晴曜" << "" << ""
                                          << QStringList{"/absolute", "/hello"};
    QTest::newRow("ten redirections followed") << "/redirect/10" << "arrived" << "" << "" << tenHops;
    QTest::newRow("eleventh redirection stops") << "/redirect/11" << ""
                                                << "too many redirections (more than 10)" << "/redirect/0"
                                                << elevenHops;
    // 203 is the network module's number for content not found.
    QTest::newRow("not found keeps the body") << "/missing" << "no such page" << "203:" << "Not Found"
                                              << QStringList{"/missing"};
    QTest::newRow("redirection to a local file") << "/to-file" << "" << "redirection to a non-web address refused"
                                                 << "file:///etc/hostname" << QStringList{"/to-file"};
}

void TstHttpRequest::replies()
{
    QFETCH(QString, path);
    QFETCH(QString, body);
    QFETCH(QString, errorStart);
    QFETCH(QString, errorAlsoHas);
    QFETCH(QStringList, served);

    SimpleHttpRequest request(2000, 3000);
    QSignalSpy responsed(&request, &SimpleHttpRequest::responsed);
    QSignalSpy bodyChanged(&request, &SimpleHttpRequest::receivedMessageStringChanged);
    request.startRequest(m_server->url(path));
    QVERIFY(responsed.wait(5000));
    // Nothing more may follow for the same request.
    QTest::qWait(100);

    QCOMPARE(responsed.count(), 1);
    QCOMPARE(request.receivedMessageString(), body);
    QVERIFY2(errorMatches(request.receivedErrorString(), errorStart), qPrintable(request.receivedErrorString()));
    QVERIFY2(request.receivedErrorString().contains(errorAlsoHas), qPrintable(request.receivedErrorString()));
    QCOMPARE(request.httpRequestAborted(), false);
    // Qt's network layer sometimes sends a redirected GET a second time on a
    // fresh connection when the server closes the first; a repeat of the same
    // path is that, not a further hop.
    QStringList hops;
    for (const QString &p : qAsConst(m_server->paths)) {
        if (hops.isEmpty() || hops.last() != p)
            hops << p;
    }
    QCOMPARE(hops, served);
    QCOMPARE(bodyChanged.count(), 0);
}

void TstHttpRequest::chunkedBodyArrivesInPieces()
{
    SimpleHttpRequest request(2000, 3000);
    QSignalSpy responsed(&request, &SimpleHttpRequest::responsed);
    request.startRequest(m_server->url(QStringLiteral("/chunked")));
    QVERIFY(responsed.wait(5000));
    const int pieces = TestSupport::recordedLog().filter(QRegularExpression(QStringLiteral("^receivedBytes:"))).count();
    QVERIFY2(pieces >= 2, qPrintable(QString::number(pieces)));
    QCOMPARE(request.receivedMessageString(), QStringLiteral("first-second-晴曜-third"));
}

void TstHttpRequest::connectionRefused()
{
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        closedPort = probe.serverPort();
    }
    SimpleHttpRequest request(2000, 3000);
    QSignalSpy responsed(&request, &SimpleHttpRequest::responsed);
    request.startRequest(QUrl(QStringLiteral("http://127.0.0.1:%1/hello").arg(closedPort)));
    QVERIFY(responsed.wait(5000));
    QCOMPARE(responsed.count(), 1);
    // 1 is the network module's number for a refused connection.
    QVERIFY2(request.receivedErrorString().startsWith(QLatin1String("1:")), qPrintable(request.receivedErrorString()));
    QCOMPARE(request.httpRequestAborted(), false);
}

void TstHttpRequest::userInputUrls_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("errorStart");

    const QString port = QString::number(m_server->serverPort());
    QTest::newRow("host and port without scheme") << "127.0.0.1:" + port + "/hello" << "hello 晴曜" << "";
    QTest::newRow("blanks around the address") << "  127.0.0.1:" + port + "/hello " << "hello 晴曜" << "";
    QTest::newRow("full http URL") << "http://127.0.0.1:" + port + "/redirect/0" << "arrived" << "";
    // 301 is the network module's number for an unknown protocol.
    QTest::newRow("empty text") << "" << "" << "301:";
}

void TstHttpRequest::userInputUrls()
{
    QFETCH(QString, text);
    QFETCH(QString, body);
    QFETCH(QString, errorStart);

    SimpleHttpRequest request(2000, 3000);
    QSignalSpy responsed(&request, &SimpleHttpRequest::responsed);
    request.startRequestString(text);
    QVERIFY(responsed.wait(5000));
    QCOMPARE(responsed.count(), 1);
    QCOMPARE(request.receivedMessageString(), body);
    QVERIFY2(errorMatches(request.receivedErrorString(), errorStart), qPrintable(request.receivedErrorString()));
}

void TstHttpRequest::timeouts_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("connectMs");
    QTest::addColumn<int>("responseMs");

    QTest::newRow("never answers") << "/silent" << 100 << 200;
    QTest::newRow("stalls in the body") << "/stall" << 250 << 50;
}

// The watchdog fires after connect plus response time-out; the request then
// ends twice, both times as aborted with "Timeout" and no body.
void TstHttpRequest::timeouts()
{
    QFETCH(QString, path);
    QFETCH(int, connectMs);
    QFETCH(int, responseMs);

    SimpleHttpRequest request(connectMs, responseMs);
    struct Seen { bool aborted; QString error; QString body; };
    QList<Seen> seen;
    connect(&request, &SimpleHttpRequest::responsed, this, [&] {
        seen << Seen{request.httpRequestAborted(), request.receivedErrorString(), request.receivedMessageString()};
    });
    QSignalSpy responsed(&request, &SimpleHttpRequest::responsed);
    QElapsedTimer clock;
    clock.start();
    request.startRequest(m_server->url(path));
    QVERIFY(responsed.wait(5000));
    const qint64 elapsed = clock.elapsed();
    QTest::qWait(100);

    QVERIFY2(elapsed >= connectMs + responseMs, qPrintable(QString::number(elapsed)));
    QCOMPARE(seen.size(), 2);
    for (const Seen &s : seen) {
        QCOMPARE(s.aborted, true);
        QCOMPARE(s.error, QStringLiteral("Timeout"));
        QCOMPARE(s.body, QString());
    }
    QCOMPARE(m_server->paths, QStringList{path});
}

void TstHttpRequest::largeTimeoutsDoNotWrap()
{
    SimpleHttpRequest request(INT_MAX, INT_MAX);
    QSignalSpy responsed(&request, &SimpleHttpRequest::responsed);
    request.startRequest(m_server->url(QStringLiteral("/hello")));
    QVERIFY(responsed.wait(5000));
    QCOMPARE(request.httpRequestAborted(), false);
    QCOMPARE(request.receivedMessageString(), QStringLiteral("hello 晴曜"));
}

void TstHttpRequest::busyRequestRefused()
{
    SimpleHttpRequest request(100, 100);
    QSignalSpy responsed(&request, &SimpleHttpRequest::responsed);
    request.startRequest(m_server->url(QStringLiteral("/silent")));
    QTest::ignoreMessage(QtWarningMsg, "only one http request at a time");
    request.startRequest(m_server->url(QStringLiteral("/hello")));
    QCOMPARE(responsed.count(), 0);
    QCOMPARE(request.receivedErrorString(), QString());

    QVERIFY(responsed.wait(5000));
    QTest::qWait(100);
    QCOMPARE(responsed.count(), 2);
    QCOMPARE(request.receivedErrorString(), QStringLiteral("Timeout"));
    QCOMPARE(m_server->paths, QStringList{"/silent"});

    // Idle again: the next request goes through.
    request.startRequest(m_server->url(QStringLiteral("/hello")));
    QVERIFY(responsed.wait(5000));
    QCOMPARE(request.receivedMessageString(), QStringLiteral("hello 晴曜"));
    QCOMPARE(request.httpRequestAborted(), false);
}

// A user that starts the next request as soon as the time-out is announced
// must get that request's answer, not the end of the abandoned one.
void TstHttpRequest::restartFromTimeoutSignal()
{
    SimpleHttpRequest request(100, 100);
    QList<QString> errors;
    connect(&request, &SimpleHttpRequest::responsed, this, [&] {
        errors << request.receivedErrorString();
        if (errors.size() == 1)
            request.startRequest(m_server->url(QStringLiteral("/hello")));
    });
    QSignalSpy responsed(&request, &SimpleHttpRequest::responsed);
    request.startRequest(m_server->url(QStringLiteral("/silent")));
    QTRY_COMPARE_WITH_TIMEOUT(responsed.count(), 2, 5000);
    QTest::qWait(100);
    QCOMPARE(errors, QList<QString>({QStringLiteral("Timeout"), QString()}));
    QCOMPARE(request.receivedMessageString(), QStringLiteral("hello 晴曜"));
    QCOMPARE(request.httpRequestAborted(), false);
}

// A name that cannot be found ends the request once, as an error with the
// network module's number (3, host not found); the object is idle again.
void TstHttpRequest::unknownHost()
{
    SimpleHttpRequest request(2000, 3000);
    QSignalSpy responsed(&request, &SimpleHttpRequest::responsed);
    request.startRequest(QUrl(QStringLiteral("http://unreachable.invalid/")));
    QVERIFY(responsed.wait(5000));
    QTest::qWait(50);
    QCOMPARE(responsed.count(), 1);
    QVERIFY2(request.receivedErrorString().startsWith(QLatin1String("3:")), qPrintable(request.receivedErrorString()));
    QCOMPARE(request.httpRequestAborted(), false);

    request.startRequest(m_server->url(QStringLiteral("/hello")));
    QVERIFY(responsed.wait(5000));
    QCOMPARE(responsed.count(), 2);
    QCOMPARE(request.receivedMessageString(), QStringLiteral("hello 晴曜"));
    QCOMPARE(request.receivedErrorString(), QString());
}

void TstHttpRequest::teardownWithPendingReply()
{
    QSignalSpy gone(m_server.get(), &LoopbackHttpServer::clientGone);
    auto *request = new SimpleHttpRequest(20000, 30000);
    QSignalSpy responsed(request, &SimpleHttpRequest::responsed);
    request->startRequest(m_server->url(QStringLiteral("/silent")));
    QTRY_COMPARE_WITH_TIMEOUT(m_server->paths.size(), 1, 5000);
    delete request;
    // The pending reply was released: the server sees the connection end.
    QTRY_VERIFY_WITH_TIMEOUT(gone.count() == 1, 5000);
    QCOMPARE(responsed.count(), 0);
}

void TstHttpRequest::deleteFromTimeoutSignal()
{
    QSignalSpy gone(m_server.get(), &LoopbackHttpServer::clientGone);
    QPointer<SimpleHttpRequest> request = new SimpleHttpRequest(100, 100);
    int announced = 0;
    connect(request.data(), &SimpleHttpRequest::responsed, this, [&] {
        ++announced;
        delete request.data();
    });
    request->startRequest(m_server->url(QStringLiteral("/silent")));
    QTRY_VERIFY_WITH_TIMEOUT(request.isNull(), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(gone.count() == 1, 5000);
    QCOMPARE(announced, 1);
}

void TstHttpRequest::propertyWrites_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("current");
    QTest::addColumn<QVariant>("changed");

    QTest::newRow("con_timeout_ms") << QByteArray("con_timeout_ms") << QVariant(20000) << QVariant(500);
    QTest::newRow("res_timeout_ms") << QByteArray("res_timeout_ms") << QVariant(30000) << QVariant(700);
    QTest::newRow("httpRequestAborted") << QByteArray("httpRequestAborted") << QVariant(false) << QVariant(true);
    QTest::newRow("receivedMessageString") << QByteArray("receivedMessageString") << QVariant(QString())
                                           << QVariant(QStringLiteral("正文"));
    QTest::newRow("receivedErrorString") << QByteArray("receivedErrorString") << QVariant(QString())
                                         << QVariant(QStringLiteral("404:x"));
}

// A write emits the change signal only when the value differs.
void TstHttpRequest::propertyWrites()
{
    QFETCH(QByteArray, property);
    QFETCH(QVariant, current);
    QFETCH(QVariant, changed);

    SimpleHttpRequest request;
    const QMetaProperty meta = request.metaObject()->property(request.metaObject()->indexOfProperty(property));
    QVERIFY(meta.isValid() && meta.isWritable() && meta.hasNotifySignal());
    QSignalSpy spy(&request, QByteArray(QByteArray::number(QSIGNAL_CODE) + meta.notifySignal().methodSignature()));

    QVERIFY(request.setProperty(property, current));
    QCOMPARE(spy.count(), 0);
    QVERIFY(request.setProperty(property, changed));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(request.property(property), changed);
    QVERIFY(request.setProperty(property, changed));
    QCOMPARE(spy.count(), 1);
}

// Not connected by the object itself; a user may connect them.
void TstHttpRequest::unconnectedSlots()
{
    SimpleHttpRequest request;
    QAuthenticator authenticator;
    QVERIFY(QMetaObject::invokeMethod(&request, "slotAuthenticationRequired", Qt::DirectConnection,
                                      Q_ARG(QNetworkReply *, nullptr), Q_ARG(QAuthenticator *, &authenticator)));
    QCOMPARE(authenticator.user(), QStringLiteral("username"));
    QCOMPARE(authenticator.password(), QStringLiteral("580317"));

    const QList<QSslError> errors{QSslError(QSslError::SelfSignedCertificate),
                                  QSslError(QSslError::CertificateExpired)};
    QVERIFY(QMetaObject::invokeMethod(&request, "sslErrors", Qt::DirectConnection,
                                      Q_ARG(QNetworkReply *, nullptr), Q_ARG(QList<QSslError>, errors)));
    QCOMPARE(request.receivedErrorString(), errors.at(0).errorString() + '\n' + errors.at(1).errorString());
}

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    TestSupport::isolateUserFolders(home);
    QCoreApplication app(argc, argv);
    TstHttpRequest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_http_request.moc"
