// SPDX-License-Identifier: GPL-3.0-or-later
// The relations command of qingyao-cli, run as a process from the build tree.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QtTest>

class TestCliRelations : public QObject
{
    Q_OBJECT
private:
    QString m_cli;

    // Runs the command; returns standard output, sets the exit code.
    QString run(const QStringList &args, const QByteArray &input, int *exitCode)
    {
        QProcess process;
        process.start(m_cli, QStringList{QStringLiteral("relations")} + args);
        process.write(input);
        process.closeWriteChannel();
        process.waitForFinished(30000);
        *exitCode = process.exitCode();
        return QString::fromUtf8(process.readAllStandardOutput());
    }

private slots:
    void initTestCase()
    {
        m_cli = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../qingyao-cli"));
        QVERIFY2(QFileInfo::exists(m_cli), qPrintable(m_cli));
    }

    void rawLinesFromArguments()
    {
        int code = -1;
        const QStringList lines = run({QStringLiteral("--raw"), "0", "1", "2", "3"}, {}, &code)
                                      .split(QLatin1Char('\n'));
        QCOMPARE(code, 0);
        QCOMPARE(lines.size(), 21); // twenty lines and the final line break
        QCOMPARE(lines.at(0), QStringLiteral("zhu0\t81|20|21;84|20|23;96|20|21"));
        QCOMPARE(lines.at(3), QStringLiteral("zhu3\t1|23|2;33|23|22;84|23|20;96|23|22"));
        QCOMPARE(lines.at(9), QStringLiteral("zhu9\t"));
        QCOMPARE(lines.at(12), QStringLiteral("basic2\t日|丙|寅|2;日干;枭比食;炉中火"));
        QCOMPARE(lines.at(19), QStringLiteral("basic9\t"));
    }

    // Each set on a fresh object: the luck rows of the first set do not reach the second.
    void setsFromStandardInput()
    {
        int code = -1;
        const QString out = run({QStringLiteral("--raw"), QStringLiteral("-")},
                                "0 2 4 56 3\n0 1 2 3\n0 1 2\n0 1 2 60\n\n0 1 x 3\n", &code);
        const QStringList blocks = out.split(QStringLiteral("\n\n"));
        QCOMPARE(blocks.size(), 6); // five sets, then what follows the last empty line
        QCOMPARE(blocks.at(0).split(QLatin1Char('\n')).at(14), QStringLiteral("basic4\t大<br>运|丁|卯|4;正印;官;炉中火"));
        QCOMPARE(blocks.at(1).split(QLatin1Char('\n')).at(14), QStringLiteral("basic4\t"));
        QCOMPARE(blocks.at(1).split(QLatin1Char('\n')).at(0), QStringLiteral("zhu0\t81|20|21;84|20|23;96|20|21"));
        QCOMPARE(blocks.at(2), QStringLiteral("error"));
        QCOMPARE(blocks.at(3), QStringLiteral("error"));
        QCOMPARE(blocks.at(4), QStringLiteral("error"));
        QCOMPARE(blocks.at(5), QString());
        QCOMPARE(code, 1); // some sets were refused
    }

    void readableBlocks()
    {
        int code = -1;
        const QString out = run({"0", "13", "1", "0"}, {}, &code);
        QCOMPARE(code, 0);
        const QStringList blocks = out.split(QStringLiteral("\n\n"));
        QCOMPARE(blocks.size(), 4);
        QVERIFY2(blocks.at(0).startsWith(QStringLiteral("column 0\n  年|甲|子|0\n")), qPrintable(blocks.at(0)));
        QVERIFY(blocks.at(0).endsWith(QStringLiteral("\n  100|60|63  伏吟")));
        QVERIFY(blocks.at(3).contains(QStringLiteral("  30|23|20  将星\n")));
    }

    void badArguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("three numbers") << QStringList{"0", "1", "2"};
        QTest::newRow("eleven numbers") << QStringList{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
        QTest::newRow("not a number") << QStringList{"0", "1", "2", "x"};
        QTest::newRow("out of range") << QStringList{"0", "1", "2", "3", "60"};
        QTest::newRow("raw, out of range") << QStringList{"--raw", "-1", "1", "2", "3"};
    }
    void badArguments()
    {
        QFETCH(QStringList, args);
        int code = -1;
        QCOMPARE(run(args, {}, &code), QString());
        QCOMPARE(code, 2);
    }
};

QTEST_GUILESS_MAIN(TestCliRelations)
#include "tst_cli_relations.moc"
