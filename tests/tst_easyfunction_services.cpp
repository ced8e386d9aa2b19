// SPDX-License-Identifier: GPL-3.0-or-later
// The general services of the service object: language switching, settings,
// clipboard, log switch, and the fixed order of its operations.
#include "AppContext.h"
#include "EasyFunction.h"
#include "TestSupport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMetaMethod>
#include <QMimeData>
#include <QQmlEngine>
#include <QSettings>
#include <QtTest>

class TestEasyFunctionServices : public QObject
{
    Q_OBJECT
private:
    QQmlEngine m_engine;

    static QString translated() { return QCoreApplication::translate("QObject", "晴曜命盘"); }

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Solquist"));
        QCoreApplication::setApplicationName(QStringLiteral("晴曜命盘"));
    }

    void operationsInTheirFixedOrder()
    {
        const QStringList expected = {
            "getCurrentDateTime", "getGanStr", "getBigPlaceNameStrList", "getZhiStr", "getShen10Str",
            "getShen10fullStr", "getZhiCangGanStr", "getZhiCangGanSeq", "getZhiCangGanShen10Str",
            "getZhiCangGanShen10fullStr", "getYun12Str", "getBookContent", "getBookFrame",
            "getBookParagraph", "getHtmlFromClipboard", "setTextToClipboard", "clearTheClipboard",
            "allowtosavelog", "avoidtosavelog", "changLanguage", "changLanguageIndex", "sendMsgToServer",
            "getCurVerAvailable", "getBeginJDofSinoYM", "getEndJDofSinoYM", "getMiddleJDofSinoYM",
            "getValueByKeyFromSettings", "setValueByKeyFromSettings", "isNetworkAccessible",
            "isInDaZhongHuaArea", "isNotInZhongHuaMainLandArea", "isInTaiwanTimeZone",
            "isInSingaporeTimeZone", "isInHongKongTimeZone", "getSystemTimeZoneId",
            "getStandardTimeOffset", "getStandardTimeOffsetHours", "getStandardTimezoneLng",
            "getTheLatestAppLog", "clearTheLatestAppLog", "isNewerVersion",
            "convertScript", "searchKey", "chartExportFolder", "chartExportPath", "chartFilesIn", "exportChart",
            "importChartFile", "printerName", "printChart"};
        const QMetaObject &meta = EasyFunction::staticMetaObject;
        QStringList actual;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
            if (meta.method(i).methodType() == QMetaMethod::Method)
                actual << QString::fromLatin1(meta.method(i).name());
        }
        QCOMPARE(actual, expected);
    }

    void languageIndexOutOfRangeLoadsNothing()
    {
        EasyFunction service(qGuiApp, &m_engine);
        QCOMPARE(service.changLanguageIndex(5).toInt(), 0);
        QCOMPARE(QSettings().value(QStringLiteral("appLanguage")).toString(), QStringLiteral("5"));
        QCOMPARE(service.changLanguage().toInt(), 1);
        QCOMPARE(translated(), QStringLiteral("晴曜命盘"));
    }

    void switchingLanguages_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("name");
        QTest::newRow("simplified") << 0 << QStringLiteral("晴曜命盘");
        QTest::newRow("traditional") << 1 << QStringLiteral("晴曜命盤");
    }
    void switchingLanguages()
    {
        QFETCH(int, language);
        QFETCH(QString, name);
        EasyFunction service(qGuiApp, &m_engine);
        service.changLanguageIndex(language);
        QCOMPARE(service.changLanguage().toInt(), 0);
        QCOMPARE(translated(), name);
        QCOMPARE(QSettings().value(QStringLiteral("appLanguage")).toString(), QString::number(language));
    }

    void twoSwitchesLeaveOneTranslator()
    {
        {
            EasyFunction service(qGuiApp, &m_engine);
            service.changLanguageIndex(1);
            QCOMPARE(service.changLanguage().toInt(), 0);
            QCOMPARE(service.changLanguage().toInt(), 0);
            QCOMPARE(translated(), QStringLiteral("晴曜命盤"));
        }
        // Had the first translator been left installed, the text would still
        // read Traditional once the service took its own away.
        QCOMPARE(translated(), QStringLiteral("晴曜命盘"));
    }

    void settingsDefaultPassesThrough_data()
    {
        QTest::addColumn<QVariant>("fallback");
        QTest::newRow("int") << QVariant(7);
        QTest::newRow("text") << QVariant(QStringLiteral("默认"));
        QTest::newRow("list") << QVariant(QVariantList{1, QStringLiteral("a")});
        QTest::newRow("invalid") << QVariant();
    }
    void settingsDefaultPassesThrough()
    {
        QFETCH(QVariant, fallback);
        EasyFunction service(qGuiApp, &m_engine);
        const QVariant value = service.getValueByKeyFromSettings(QStringLiteral("neverStoredKey"), fallback);
        QCOMPARE(value, fallback);
        QCOMPARE(value.userType(), fallback.userType());
    }

    void settingsRoundTrip()
    {
        EasyFunction service(qGuiApp, &m_engine);
        QCOMPARE(service.setValueByKeyFromSettings(QStringLiteral("toCntCalculateQingYao"), QStringLiteral("12")).toInt(), 0);
        QCOMPARE(service.getValueByKeyFromSettings(QStringLiteral("toCntCalculateQingYao"), 0).toString(), QStringLiteral("12"));
        QCOMPARE(QSettings().value(QStringLiteral("toCntCalculateQingYao")).toString(), QStringLiteral("12"));
    }

    void logSwitchIsStoredAndBufferKept()
    {
        EasyFunction service(qGuiApp, &m_engine);
        AppLog::install();
        AppLog::clear();
        QCOMPARE(service.allowtosavelog().toInt(), 0);
        QCOMPARE(QSettings().value(QStringLiteral("allowtosavelog")).toString(), QStringLiteral("1"));
        qWarning("kept line");
        QCOMPARE(service.avoidtosavelog().toInt(), 0);
        QCOMPARE(QSettings().value(QStringLiteral("allowtosavelog")).toString(), QStringLiteral("0"));
        qWarning("dropped line");
        const QString log = service.getTheLatestAppLog().toString();
        QVERIFY(log.startsWith(QStringLiteral("kept line (")));
        QVERIFY(!log.contains(QStringLiteral("dropped line")));
        QCOMPARE(service.clearTheLatestAppLog().toInt(), 0);
        QCOMPARE(service.getTheLatestAppLog().toString(), QString());
        qInstallMessageHandler(nullptr);
    }

    void clipboard()
    {
        EasyFunction service(qGuiApp, &m_engine);
        QCOMPARE(service.setTextToClipboard(QStringLiteral("1990年5月6日 8点")).toString(), QStringLiteral("true"));
        QCOMPARE(service.getHtmlFromClipboard().toString(), QStringLiteral("1990年5月6日 8点"));

        auto *html = new QMimeData;
        html->setHtml(QStringLiteral("<b>公历</b>2019年7月16日"));
        QGuiApplication::clipboard()->setMimeData(html);
        QCOMPARE(service.getHtmlFromClipboard().toString(), QStringLiteral("公历2019年7月16日"));

        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        QGuiApplication::clipboard()->setImage(image);
        QCOMPARE(service.getHtmlFromClipboard().toString(), QStringLiteral("false"));

        QCOMPARE(service.clearTheClipboard().toString(), QStringLiteral("true"));
        QCOMPARE(service.getHtmlFromClipboard().toString(), QStringLiteral("false"));
    }

    void currentDateTimeIsNow()
    {
        EasyFunction service(qGuiApp, &m_engine);
        const QDateTime now = QDateTime::currentDateTime();
        QVERIFY(qAbs(service.getCurrentDateTime().secsTo(now)) <= 2);
    }
};

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    TestSupport::isolateUserFolders(home);
    QGuiApplication app(argc, argv);
    TestEasyFunctionServices test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_easyfunction_services.moc"
