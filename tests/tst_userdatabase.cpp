// SPDX-License-Identifier: GPL-3.0-or-later
// Where the user database lives: the documents folder, else the application
// data folder, else memory. Each folder case runs the opening in a child with
// its own HOME; when the tests run as root (which ignores permissions) the
// child drops to the unprivileged user "nobody" so unwritable folders stay
// unwritable.
#include "AppContext.h"
#include "DatabaseConnections.h"
#include "SqloneCustomerModel.h"
#include "TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlRecord>
#include <QSqlQuery>
#include <QtTest>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace {

const char *const kChildFlag = "--open-user-database";
constexpr int kCannotDropPrivileges = 77;
constexpr int kHomeUnreachable = 78;
constexpr uid_t kNobody = 65534;

// Child: open as the program does and report what happened, one item a line.
int openAndReport(int argc, char *argv[])
{
    if (geteuid() == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)
            return kCannotDropPrivileges;
        // A temporary folder inside a private one (TMPDIR under /root, say)
        // cannot be reached by the unprivileged user at all.
        if (::access(qgetenv("HOME").constData(), X_OK) != 0)
            return kHomeUnreachable;
    }
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Solquist"));
    QCoreApplication::setApplicationName(QStringLiteral("晴曜命盘"));
    TestSupport::LogCapture log;
    const int code = DatabaseConnections::openUserDatabase();
    const QStringList lines = log.lines();
    QString report = QStringLiteral("code=%1\npath=%2\nflag=%3\n")
                             .arg(code)
                             .arg(AppContext::userDatabasePath, AppContext::userDatabaseInAppDir);
    for (const QString &line : lines)
        report += QStringLiteral("log=") + line + QLatin1Char('\n');
    std::fputs(report.toUtf8().constData(), stdout);
    return 0;
}

bool setMode(const QString &path, mode_t mode)
{
    return QDir().mkpath(path) && ::chmod(QFile::encodeName(path).constData(), mode) == 0;
}

} // namespace

class TestUserDatabase : public QObject
{
    Q_OBJECT
private slots:
    void folderChoice_data()
    {
        QTest::addColumn<bool>("documentsWritable");
        QTest::addColumn<bool>("dataWritable");
        QTest::addColumn<QString>("expectedPath"); // relative to HOME, or ":memory:"
        QTest::addColumn<QString>("expectedFlag");

        QTest::newRow("documents writable") << true << true << QStringLiteral("Documents/Solquist.db") << QStringLiteral("0");
        QTest::newRow("only app data")      << false << true
                                            << QStringLiteral("data/Solquist/晴曜命盘/Solquist.db") << QStringLiteral("1");
        QTest::newRow("neither")            << false << false << QStringLiteral(":memory:") << QStringLiteral("0");
    }

    void folderChoice()
    {
        QFETCH(bool, documentsWritable);
        QFETCH(bool, dataWritable);
        QFETCH(QString, expectedPath);
        QFETCH(QString, expectedFlag);

        // As root the child runs as "nobody", who may not reach TMPDIR; /tmp
        // is open to every user.
        QTemporaryDir home((geteuid() == 0 ? QStringLiteral("/tmp") : QDir::tempPath())
                           + QStringLiteral("/tst_userdatabase-XXXXXX"));
        const QString documents = home.filePath(QStringLiteral("Documents"));
        const QString data = home.filePath(QStringLiteral("data"));
        // The child may run as another user: it must reach HOME, but create
        // nothing there on its own.
        QVERIFY(setMode(home.path(), 0555));
        QVERIFY(setMode(documents, documentsWritable ? 0777 : 0555));
        QVERIFY(setMode(data, dataWritable ? 0777 : 0555));

        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_DATA_HOME"), data);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.remove(QStringLiteral("XDG_DOCUMENTS_DIR"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kChildFlag)});
        QVERIFY(child.waitForFinished(30000));
        if (child.exitCode() == kCannotDropPrivileges)
            QSKIP("running as root and unable to switch to an unprivileged user");
        if (child.exitCode() == kHomeUnreachable)
            QSKIP("the temporary folder is out of reach for the unprivileged user (set TMPDIR=/tmp)");
        QCOMPARE(child.exitCode(), 0);

        QMap<QString, QStringList> report;
        for (const QString &line : QString::fromUtf8(child.readAllStandardOutput()).split(QLatin1Char('\n'))) {
            if (!line.isEmpty())
                report[line.section(QLatin1Char('='), 0, 0)] << line.section(QLatin1Char('='), 1);
        }
        setMode(home.path(), 0755); // let QTemporaryDir clean up

        const QString path = expectedPath.startsWith(QLatin1Char(':')) ? expectedPath : home.filePath(expectedPath);
        QCOMPARE(report.value(QStringLiteral("code")), QStringList{QStringLiteral("0")});
        QCOMPARE(report.value(QStringLiteral("path")), QStringList{path});
        QCOMPARE(report.value(QStringLiteral("flag")), QStringList{expectedFlag});
        QCOMPARE(report.value(QStringLiteral("log")),
                 QStringList{QStringLiteral("open database at: ") + QString(path).replace(QLatin1Char('/'), QLatin1Char('\\'))});
        if (path != QLatin1String(":memory:")) {
            QVERIFY(QFileInfo(path).isFile());
            QCOMPARE(QFileInfo(path).size(), 0); // opening alone writes nothing
        }
        if (!documentsWritable)
            QVERIFY(!QFile::exists(home.filePath(QStringLiteral("Documents/Solquist.db"))));
    }

    void secondOpeningReusesConnection()
    {
        QTemporaryDir home;
        TestSupport::isolateUserFolders(home);
        QCOMPARE(DatabaseConnections::openUserDatabase(), 0);
        const QString path = AppContext::userDatabasePath;
        QCOMPARE(path, home.filePath(QStringLiteral("Documents/Solquist.db")));

        SqloneCustomerModel model;
        TestSupport::addPerson(&model, QStringLiteral("before"));

        TestSupport::LogCapture log;
        QCOMPARE(DatabaseConnections::openUserDatabase(), 0);
        QVERIFY(!log.lines().join(QLatin1Char('\n')).contains(QStringLiteral("Cannot")));
        QCOMPARE(QSqlDatabase::connectionNames().count(QStringLiteral("userdataconnection")), 1);
        QCOMPARE(AppContext::userDatabasePath, path);
        QSqlDatabase db = QSqlDatabase::database(QStringLiteral("userdataconnection"));
        QVERIFY(db.isOpen());
        // The model made before the second opening still works on the file.
        TestSupport::addPerson(&model, QStringLiteral("after"));
        QSqlQuery count(QStringLiteral("SELECT count(*) FROM oneCustomer"), db);
        QVERIFY(count.next());
        QCOMPARE(count.value(0).toInt(), 2);
        QCOMPARE(model.rowCount(), 2);
    }

    // The layout stamp: a file of the current release opens with every record
    // and the stamp; a file of a newer layout is refused and left alone; a
    // new file is stamped when its records table is made.
    void layoutVersion_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("stampBefore");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("stampAfter");
        QTest::newRow("file of release 2.0.6") << "user-2.0.6.db" << -1 << 0 << DatabaseConnections::userSchemaVersion;
        QTest::newRow("newer layout")          << "user-2.0.6.db" << 99 << -5 << 99;
        QTest::newRow("new file")              << QString() << -1 << 0 << DatabaseConnections::userSchemaVersion;
    }
    void layoutVersion()
    {
        QFETCH(QString, source);
        QFETCH(int, stampBefore);
        QFETCH(int, code);
        QFETCH(int, stampAfter);
        const QString data = QStringLiteral(QINGYAO_SOURCE_DIR "/tests/data");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("user.db"));
        if (!source.isEmpty())
            QVERIFY(QFile::copy(data + QLatin1Char('/') + source, path));
        // Reads (and, given a value, first sets) the stamp on a connection of its own.
        const auto stamp = [&](int set) {
            int value = -1;
            {
                QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("stamp"));
                other.setDatabaseName(path);
                if (other.open()) {
                    QSqlQuery query(other);
                    if (set >= 0)
                        query.exec(QStringLiteral("PRAGMA user_version = %1").arg(set));
                    if (query.exec(QStringLiteral("PRAGMA user_version")) && query.next())
                        value = query.value(0).toInt();
                }
            }
            QSqlDatabase::removeDatabase(QStringLiteral("stamp"));
            return value;
        };
        if (stampBefore >= 0)
            stamp(stampBefore);
        QCOMPARE(DatabaseConnections::openUserDatabaseAt(path), code);
        if (code == 0) {
            SqloneCustomerModel model; // makes the table of a new file
            QSqlQuery query(QStringLiteral("SELECT * FROM oneCustomer"), QSqlDatabase::database(QStringLiteral("userdataconnection")));
            QMap<QString, QSqlRecord> stored;
            while (query.next())
                stored.insert(query.value(QStringLiteral("userid")).toString(), query.record());
            QFile json(data + QStringLiteral("/user-2.0.6.json"));
            QVERIFY(json.open(QIODevice::ReadOnly));
            const QJsonArray records = source.isEmpty() ? QJsonArray() : QJsonDocument::fromJson(json.readAll()).array();
            QCOMPARE(stored.size(), records.size());
            for (const QJsonValue &value : records) {
                const QJsonObject record = value.toObject();
                const QSqlRecord row = stored.value(record.value(QStringLiteral("userid")).toString());
                for (auto it = record.begin(); it != record.end(); ++it)
                    QCOMPARE(row.value(it.key()).toString(), it.value().toString());
            }
        }
        QSqlDatabase::database(QStringLiteral("userdataconnection")).close();
        QCOMPARE(stamp(-1), stampAfter);
    }

    void explicitFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("其他/my.db"));
        QDir().mkpath(QFileInfo(path).path());
        QCOMPARE(DatabaseConnections::openUserDatabaseAt(path), 0);
        QCOMPARE(AppContext::userDatabasePath, path);
        QVERIFY(QFileInfo::exists(path));

        // A folder where the file should be cannot be opened as a database.
        QCOMPARE(DatabaseConnections::openUserDatabaseAt(dir.path()), -3);
    }
};

int main(int argc, char *argv[])
{
    if (argc == 2 && qstrcmp(argv[1], kChildFlag) == 0)
        return openAndReport(argc, argv);
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Solquist"));
    QCoreApplication::setApplicationName(QStringLiteral("晴曜命盘"));
    TestUserDatabase test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_userdatabase.moc"
