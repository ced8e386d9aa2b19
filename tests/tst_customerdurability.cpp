// SPDX-License-Identifier: GPL-3.0-or-later
// A person record counts as saved once newCustomer has returned its
// identifier: a child stores records in a loop and is killed with SIGKILL; the
// file must then open cleanly and hold every identifier the child reported.
#include "DatabaseConnections.h"
#include "SqloneCustomerModel.h"
#include "TestSupport.h"

#include <QProcess>
#include <QSqlQuery>
#include <QtTest>

#include <cstdio>

namespace {

const char *const kChildFlag = "--insert-loop";

// Child: store records until killed, printing each identifier once it is back.
int insertLoop(const QString &path)
{
    if (DatabaseConnections::openUserDatabaseAt(path) != 0)
        return 3;
    SqloneCustomerModel model;
    for (int i = 0;; ++i) {
        const QString id = TestSupport::addPerson(&model, QStringLiteral("loop %1").arg(i));
        if (!id.startsWith(QLatin1Char('{')))
            return 4;
        std::printf("%s\n", id.toUtf8().constData());
        std::fflush(stdout);
    }
}

} // namespace

class TestCustomerDurability : public QObject
{
    Q_OBJECT
private slots:
    void killedWriterLosesNothingReported()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("durable.db"));
        QProcess child;
        child.setProcessChannelMode(QProcess::SeparateChannels);
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kChildFlag), path});
        QVERIFY(child.waitForStarted());

        QByteArray out;
        QElapsedTimer timer;
        timer.start();
        while (out.count('\n') < 40 && timer.elapsed() < 30000) {
            child.waitForReadyRead(1000);
            out += child.readAllStandardOutput();
        }
        child.kill(); // SIGKILL: no clean-up in the child
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        out += child.readAllStandardOutput();

        QStringList ids;
        for (const QByteArray &line : out.split('\n')) {
            if (line.startsWith('{'))
                ids << QString::fromUtf8(line);
        }
        QVERIFY2(ids.size() >= 40, qPrintable(QStringLiteral("only %1 records reported").arg(ids.size())));

        QCOMPARE(DatabaseConnections::openUserDatabaseAt(path), 0);
        QSqlDatabase db = QSqlDatabase::database(QStringLiteral("userdataconnection"));
        QSqlQuery check(QStringLiteral("PRAGMA integrity_check"), db);
        QVERIFY(check.next());
        QCOMPARE(check.value(0).toString(), QStringLiteral("ok"));

        QSet<QString> stored;
        QSqlQuery all(QStringLiteral("SELECT userid FROM oneCustomer"), db);
        while (all.next())
            stored.insert(all.value(0).toString());
        for (const QString &id : ids)
            QVERIFY2(stored.contains(id), qPrintable(id));
        // At most the record in flight when the kill came is beyond the report.
        QVERIFY(stored.size() <= ids.size() + 1);

        SqloneCustomerModel model;
        while (model.canFetchMore())
            model.fetchMore();
        QCOMPARE(model.rowCount(), stored.size());
    }
};

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], kChildFlag) == 0) {
        QCoreApplication app(argc, argv);
        return insertLoop(QString::fromLocal8Bit(argv[2]));
    }
    QCoreApplication app(argc, argv);
    TestCustomerDurability test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_customerdurability.moc"
