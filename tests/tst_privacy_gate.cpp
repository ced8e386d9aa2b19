// SPDX-License-Identifier: GPL-3.0-or-later
// The root window sends the usage report only after the privacy policy was
// accepted. A loopback WebSocket server watches for any connection.
#include "AppContext.h"
#include "EasyFunction.h"
#include "ServiceWiring.h"
#include "TestSupport.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickStyle>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWebSocketServer>
#include <QtTest>

#include <memory>

class TstPrivacyGate : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void report_data();
    void report();

private:
    QTemporaryDir m_home;
};

void TstPrivacyGate::initTestCase()
{
    TestSupport::isolateUserFolders(m_home);
    QCoreApplication::setOrganizationName(QStringLiteral("Solquist"));
    QCoreApplication::setApplicationName(QStringLiteral("晴曜命盘"));
    QQuickStyle::setStyle(QStringLiteral(":/qml/MyFusion"));
    ServiceWiring::registerTypes();
}

void TstPrivacyGate::report_data()
{
    QTest::addColumn<QString>("agreed");
    QTest::addColumn<bool>("reported");
    QTest::newRow("never asked") << QString() << false;
    QTest::newRow("declined") << QStringLiteral("0") << false;
    QTest::newRow("agreed") << QStringLiteral("1") << true;
}

void TstPrivacyGate::report()
{
    QFETCH(QString, agreed);
    QFETCH(bool, reported);

    QWebSocketServer server(QStringLiteral("watch"), QWebSocketServer::NonSecureMode);
    QVERIFY(server.listen(QHostAddress::LocalHost));
    QSignalSpy connections(&server, &QWebSocketServer::newConnection);
    {
        QSettings settings;
        settings.clear();
        if (!agreed.isNull())
            settings.setValue(QStringLiteral("havingAgreePrivacy"), agreed);
        settings.setValue(QStringLiteral("usageReportUrl"),
                          QStringLiteral("ws://127.0.0.1:%1").arg(server.serverPort()));
    }

    auto engine = std::make_unique<QQmlApplicationEngine>();
    auto service = std::make_unique<EasyFunction>(qobject_cast<QGuiApplication *>(qApp), engine.get());
    QQmlContext *context = engine->rootContext();
    context->setContextProperty(QStringLiteral("availableStyles"), QQuickStyle::availableStyles());
    context->setContextProperty(QStringLiteral("easyfunction"), service.get());
    context->setContextProperty(QStringLiteral("MI_LANTING"), QStringLiteral("MI LANTING"));
    context->setContextProperty(QStringLiteral("applicationLanguage"), QVariant(0));
    context->setContextProperty(QStringLiteral("applicationVersion"), AppContext::applicationVersion);
    ServiceWiring::publishContext(context);
    context->setContextProperty(QStringLiteral("userdatafile"), QStringLiteral(":memory:"));
    context->setContextProperty(QStringLiteral("userdatafileIsinAppDir"), QStringLiteral("0"));
    // The report is due ten seconds after the window completed; here sooner.
    engine->setInitialProperties({{QStringLiteral("usageReportDelay"), 200}});
    engine->load(QUrl(QStringLiteral("qrc:/gallery.qml")));
    QCOMPARE(engine->rootObjects().size(), 1);
    QObject *window = engine->rootObjects().first();

    // The privacy popup asks whenever consent is missing.
    auto *privacy = window->findChild<QObject *>(QStringLiteral("privacyPopup"));
    QVERIFY(privacy);
    QCOMPARE(privacy->property("opened").toBool() || privacy->property("visible").toBool(), agreed != QLatin1String("1"));

    auto *timer = window->findChild<QObject *>(QStringLiteral("usageReportTimer"));
    QVERIFY(timer);
    QCOMPARE(timer->property("interval").toInt(), 200);
    QCOMPARE(timer->property("running").toBool(), true);
    QTRY_VERIFY_WITH_TIMEOUT(!timer->property("running").toBool(), 5000);
    QCOMPARE(window->property("usageReportSent").toBool(), reported);
    if (reported)
        QTRY_VERIFY_WITH_TIMEOUT(connections.count() > 0, 5000);
    else
        QCOMPARE(connections.count(), 0);

    window->deleteLater();
    engine.reset();
}

QTEST_MAIN(TstPrivacyGate)
#include "tst_privacy_gate.moc"
