// SPDX-License-Identifier: GPL-3.0-or-later
// The QML engine's network access: our own files load, configured hosts are
// reachable, and anything else is refused without a connection being made.
#include "QmlNetworkGuard.h"

#include <QNetworkReply>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

class TestQmlNetworkGuard : public QObject
{
    Q_OBJECT
private:
    QTcpServer m_server; // a loopback peer that must never be reached
    QTemporaryDir m_dir;

    QString loopback(const QString &path) const
    {
        return QStringLiteral("http://127.0.0.1:%1/%2").arg(m_server.serverPort()).arg(path);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.listen(QHostAddress::LocalHost));
        QFile f(m_dir.filePath(QStringLiteral("a.txt")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("local");
    }

    void requests_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QStringList>("hosts");
        QTest::addColumn<bool>("served");
        QTest::newRow("file")             << QUrl::fromLocalFile(m_dir.filePath(QStringLiteral("a.txt"))).toString()
                                          << QStringList() << true;
        QTest::newRow("qrc")              << "qrc:/qml/qmldir" << QStringList() << true;
        QTest::newRow("loopback http")    << loopback(QStringLiteral("x.png")) << QStringList() << false;
        QTest::newRow("other host")       << loopback(QStringLiteral("x")) << QStringList{"dev.virtualearth.net"} << false;
        QTest::newRow("ftp")              << "ftp://127.0.0.1/x" << QStringList{"127.0.0.1"} << false;
        QTest::newRow("configured host")  << loopback(QStringLiteral("tz")) << QStringList{"127.0.0.1"} << true;
    }
    void requests()
    {
        QFETCH(QString, url);
        QFETCH(QStringList, hosts);
        QFETCH(bool, served);
        QmlNetworkGuard guard(hosts);
        QObject owner;
        QNetworkAccessManager *nam = guard.create(&owner);
        QNetworkReply *reply = nam->get(QNetworkRequest(QUrl(url)));
        QSignalSpy finished(reply, &QNetworkReply::finished);
        const bool toPeer = url.startsWith(QLatin1String("http://127.0.0.1"));
        if (toPeer && served) {
            // The request reached the peer; that is all this row asks.
            QVERIFY(m_server.waitForNewConnection(5000));
            delete m_server.nextPendingConnection();
            return;
        }
        QVERIFY(finished.count() > 0 || finished.wait(5000));
        QCOMPARE(reply->error() == QNetworkReply::ContentAccessDenied, !served);
        if (served)
            QVERIFY(!reply->readAll().isEmpty());
        QVERIFY(!m_server.hasPendingConnections());
        QVERIFY(!m_server.waitForNewConnection(100));
    }

    // An image in a rich-text item loads through the engine's manager.
    void richTextImageIsNotFetched()
    {
        QmlNetworkGuard guard{QStringList()};
        QQmlEngine engine;
        engine.setNetworkAccessManagerFactory(&guard);
        QQmlComponent c(&engine);
        c.setData(QStringLiteral("import QtQuick 2.15\nImage { source: \"%1\" }").arg(loopback(QStringLiteral("i.png"))).toUtf8(),
                  QUrl());
        QScopedPointer<QObject> image(c.create());
        QVERIFY(image);
        QTRY_COMPARE(image->property("status").toInt(), 3); // Image.Error
        QVERIFY(!m_server.waitForNewConnection(200));
    }
};

QTEST_MAIN(TestQmlNetworkGuard)
#include "tst_qml_network_guard.moc"
