// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up as a whole: each case runs the program's entry in a child process
// with its own settings folder and a small root page of the test's own.
#include "AppContext.h"
#include "Startup.h"
#include "TestSupport.h"

#include <QProcess>
#include <QSettings>
#include <QtTest>

namespace {

const char *const kChildFlag = "--startup-child";

// A root page that writes what it sees into the settings store and quits.
const char *const kProbePage = R"(
import QtQuick 2.15
import QtQuick.Window 2.15
Window {
    Timer {
        interval: 0; running: true
        onTriggered: {
            var put = function(k, v) { easyfunction.setValueByKeyFromSettings("probe/" + k, String(v)) }
            put("applicationVersion", applicationVersion)
            put("MI_LANTING", MI_LANTING)
            put("applicationLanguage", applicationLanguage)
            put("availableStyles", typeof availableStyles.length)
            put("easyfunction", typeof easyfunction.changLanguage)
            put("userdatafile", typeof userdatafile)
            put("userdatafileIsinAppDir", userdatafileIsinAppDir)
            put("webviewHtml", typeof webviewHtml)
            Qt.quit()
        }
    }
}
)";

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    QString writePage(const QString &name, const QByteArray &text)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(text);
        return path;
    }

    // Runs start-up in a child with HOME and the XDG folders under `home`.
    int start(const QTemporaryDir &home, const QString &page, QByteArray *out = nullptr,
              const QStringList &extraEnv = {})
    {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        env.remove(QStringLiteral("QT_QUICK_CONTROLS_STYLE"));
        for (const QString &pair : extraEnv)
            env.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::fromLatin1(kChildFlag), QUrl::fromLocalFile(page).toString()});
        if (!child.waitForFinished(60000)) {
            child.kill();
            return -1000;
        }
        if (out)
            *out = child.readAll();
        return child.exitCode();
    }

    static QSettings *settingsIn(const QTemporaryDir &home)
    {
        return new QSettings(home.filePath(QStringLiteral("config/Solquist/晴曜命盘.conf")), QSettings::IniFormat);
    }

private slots:
    void firstAndSecondStart()
    {
        QTemporaryDir home;
        const QString page = writePage(QStringLiteral("probe.qml"), kProbePage);
        QCOMPARE(start(home, page), 0);
        QScopedPointer<QSettings> settings(settingsIn(home));
        QCOMPARE(settings->value(QStringLiteral("appStartupTimes")).toString(), QStringLiteral("1"));
        const QString uuid = settings->value(QStringLiteral("localuuid")).toString();
        QVERIFY2(QRegularExpression(QStringLiteral("^\\{[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}\\}$"))
                     .match(uuid).hasMatch(), qPrintable(uuid));

        QCOMPARE(start(home, page), 0);
        settings.reset(settingsIn(home));
        QCOMPARE(settings->value(QStringLiteral("appStartupTimes")).toString(), QStringLiteral("2"));
        QCOMPARE(settings->value(QStringLiteral("localuuid")).toString(), uuid);
    }

    void contextPropertiesArePublished()
    {
        QTemporaryDir home;
        QCOMPARE(start(home, writePage(QStringLiteral("probe.qml"), kProbePage)), 0);
        QScopedPointer<QSettings> settings(settingsIn(home));
        settings->beginGroup(QStringLiteral("probe"));
        QCOMPARE(settings->value(QStringLiteral("applicationVersion")).toString(), AppContext::applicationVersion);
        QCOMPARE(settings->value(QStringLiteral("MI_LANTING")).toString(), QStringLiteral("MI LANTING"));
        QCOMPARE(settings->value(QStringLiteral("applicationLanguage")).toString(), QStringLiteral("0"));
        QCOMPARE(settings->value(QStringLiteral("availableStyles")).toString(), QStringLiteral("number"));
        QCOMPARE(settings->value(QStringLiteral("easyfunction")).toString(), QStringLiteral("function"));
        QCOMPARE(settings->value(QStringLiteral("userdatafile")).toString(), QStringLiteral("string"));
        QCOMPARE(settings->value(QStringLiteral("webviewHtml")).toString(), QStringLiteral("string"));
    }

    void storedIdentifiersOfSixteenCharactersAreKept_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("kept");
        QTest::newRow("not a uuid but long") << QStringLiteral("not-a-uuid-16chr") << true;
        QTest::newRow("fifteen characters") << QStringLiteral("fifteen-chars-x") << false;
        QTest::newRow("empty") << QString() << false;
    }
    void storedIdentifiersOfSixteenCharactersAreKept()
    {
        QFETCH(QString, stored);
        QFETCH(bool, kept);
        QTemporaryDir home;
        {
            QScopedPointer<QSettings> settings(settingsIn(home));
            settings->setValue(QStringLiteral("localuuid"), stored);
        }
        QCOMPARE(start(home, writePage(QStringLiteral("probe.qml"), kProbePage)), 0);
        QScopedPointer<QSettings> settings(settingsIn(home));
        const QString now = settings->value(QStringLiteral("localuuid")).toString();
        QCOMPARE(now == stored, kept);
        QVERIFY(now.size() >= 16);
    }

    void logLinesOnlyWhenSavingIsOn_data()
    {
        QTest::addColumn<QString>("allow");
        QTest::addColumn<bool>("printed");
        QTest::newRow("on") << QStringLiteral("1") << true;
        QTest::newRow("off") << QStringLiteral("0") << false;
        QTest::newRow("not a number") << QStringLiteral("yes") << false;
    }
    void logLinesOnlyWhenSavingIsOn()
    {
        QFETCH(QString, allow);
        QFETCH(bool, printed);
        QTemporaryDir home;
        {
            QScopedPointer<QSettings> settings(settingsIn(home));
            settings->setValue(QStringLiteral("allowtosavelog"), allow);
        }
        QByteArray out;
        QCOMPARE(start(home, writePage(QStringLiteral("probe.qml"), kProbePage), &out), 0);
        QCOMPARE(out.contains("applicationStartupTimes is : 1"), printed);
        QCOMPARE(out.contains("the name of platform is : PC/{"), printed);
    }

    void styleIsStored()
    {
        QTemporaryDir home;
        const QString page = writePage(QStringLiteral("probe.qml"), kProbePage);
        QCOMPARE(start(home, page), 0);
        QScopedPointer<QSettings> settings(settingsIn(home));
        QCOMPARE(settings->value(QStringLiteral("style")).toString(), QStringLiteral("Default"));

        // A style chosen in the settings dialog survives a start without one.
        settings->setValue(QStringLiteral("style"), QStringLiteral("Universal"));
        settings.reset();
        QCOMPARE(start(home, page), 0);
        settings.reset(settingsIn(home));
        QCOMPARE(settings->value(QStringLiteral("style")).toString(), QStringLiteral("Universal"));

        // One from the environment is saved for the next start.
        settings.reset();
        QCOMPARE(start(home, page, nullptr, {QStringLiteral("QT_QUICK_CONTROLS_STYLE=Material")}), 0);
        settings.reset(settingsIn(home));
        QCOMPARE(settings->value(QStringLiteral("style")).toString(), QStringLiteral("Material"));
    }

    void styleRule_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("applied");
        QTest::newRow("Default") << QStringLiteral("Default") << QStringLiteral(":/qml/MyFusion");
        QTest::newRow("empty") << QString() << QStringLiteral(":/qml/MyFusion");
        QTest::newRow("blanks") << QStringLiteral("   ") << QStringLiteral(":/qml/MyFusion");
        QTest::newRow("Material") << QStringLiteral("Material") << QStringLiteral("Material");
        QTest::newRow("unknown kept as given") << QStringLiteral(" Fusion2 ") << QStringLiteral(" Fusion2 ");
    }
    void styleRule()
    {
        QFETCH(QString, stored);
        QFETCH(QString, applied);
        QCOMPARE(styleToApply(stored), applied);
    }

    void firstStartLanguageRule_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("storedAfterFirst");
        QTest::newRow("Hong Kong") << QStringLiteral("Asia/Hong_Kong") << QStringLiteral("1");
        QTest::newRow("Singapore") << QStringLiteral("Asia/Singapore") << QStringLiteral("1");
        QTest::newRow("Shanghai") << QStringLiteral("Asia/Shanghai") << QString();
    }
    void firstStartLanguageRule()
    {
        QFETCH(QString, zone);
        QFETCH(QString, storedAfterFirst);
        QTemporaryDir home;
        const QString page = writePage(QStringLiteral("probe.qml"), kProbePage);
        const QStringList env = {QStringLiteral("TZ=") + zone};
        QCOMPARE(start(home, page, nullptr, env), 0);
        QScopedPointer<QSettings> settings(settingsIn(home));
        QCOMPARE(settings->value(QStringLiteral("appLanguage")).toString(), storedAfterFirst);
        // The published language is the one read before the rule applied.
        QCOMPARE(settings->value(QStringLiteral("probe/applicationLanguage")).toString(), QStringLiteral("0"));

        // The second start publishes what the first one stored, and the rule rests.
        settings->setValue(QStringLiteral("appLanguage"), QStringLiteral("0"));
        settings.reset();
        QCOMPARE(start(home, page, nullptr, env), 0);
        settings.reset(settingsIn(home));
        QCOMPARE(settings->value(QStringLiteral("appLanguage")).toString(), QStringLiteral("0"));
    }

    void registeredTypesAreCreatable_data()
    {
        QTest::addColumn<QString>("type");
        for (const char *name : {"SqloneCustomerModel", "SqlBookDataModel", "InSight", "GetShenShaRelations",
                                 "SimpleHttpRequest"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void registeredTypesAreCreatable()
    {
        QFETCH(QString, type);
        QTemporaryDir home;
        const QByteArray page = "import QtQuick 2.15\nimport QtQuick.Window 2.15\nimport chattutorial 1.0\n"
                                "Window { " + type.toLatin1() + " { id: probe }\n"
                                "Timer { interval: 0; running: true; onTriggered: {"
                                " easyfunction.setValueByKeyFromSettings('probe/made', String(probe !== null)); Qt.quit() } } }\n";
        QCOMPARE(start(home, writePage(type + QStringLiteral(".qml"), page)), 0);
        QScopedPointer<QSettings> settings(settingsIn(home));
        QCOMPARE(settings->value(QStringLiteral("probe/made")).toString(), QStringLiteral("true"));
    }

    // A start that cannot open a window says why before it ends, although log
    // saving is off: the program itself, as a user starts it.
    void failingStartSaysWhy_data()
    {
        QTest::addColumn<QStringList>("env");
        QTest::newRow("no X server")      << QStringList{"QT_QPA_PLATFORM=xcb", "DISPLAY=:9876"};
        QTest::newRow("no such platform") << QStringList{"QT_QPA_PLATFORM=nosuchplatform"};
    }
    void failingStartSaysWhy()
    {
        QFETCH(QStringList, env);
        QTemporaryDir home;
        QProcess child;
        QProcessEnvironment environment = TestSupport::childEnvironment(home);
        for (const QString &pair : env)
            environment.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../qingyao"), QStringList());
        QVERIFY(child.waitForFinished(60000));
        QVERIFY(child.exitStatus() == QProcess::CrashExit || child.exitCode() != 0);
        const QByteArray err = child.readAllStandardError();
        QVERIFY2(err.contains("no Qt platform plugin could be initialized"), err.constData());
    }

    void brokenRootPageEndsWithMinusOne()
    {
        QTemporaryDir home;
        const QString page = writePage(QStringLiteral("broken.qml"), "import QtQuick 2.15\nItem { this is not qml }\n");
        QCOMPARE(start(home, page), 255);
        QCOMPARE(start(home, m_dir.filePath(QStringLiteral("missing.qml"))), 255);
    }
};

int main(int argc, char *argv[])
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], kChildFlag) == 0) {
            StartupOptions options;
            options.rootPage = QUrl(QString::fromLocal8Bit(argv[i + 1]));
            return runApplication(argc, argv, options);
        }
    }
    QCoreApplication app(argc, argv);
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
