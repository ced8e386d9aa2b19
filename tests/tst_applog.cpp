// SPDX-License-Identifier: GPL-3.0-or-later
// The process-wide message handler: what it keeps, how it caps the buffer, and
// that it stays silent while log saving is off.
#include "AppContext.h"

#include <QFile>
#include <QTemporaryFile>
#include <QThread>
#include <QtTest>

#include <unistd.h>

namespace {

// Captures what the handler writes to standard output (or error) while it is alive.
class StdoutCapture
{
public:
    explicit StdoutCapture(int fd = STDOUT_FILENO) : m_fd(fd)
    {
        m_file.open();
        std::fflush(stdout);
        std::fflush(stderr);
        m_saved = ::dup(m_fd);
        ::dup2(m_file.handle(), m_fd);
    }
    ~StdoutCapture() { restore(); }
    QByteArray text()
    {
        restore();
        QFile in(m_file.fileName());
        in.open(QIODevice::ReadOnly);
        return in.readAll();
    }

private:
    void restore()
    {
        if (m_saved < 0)
            return;
        std::fflush(stdout);
        std::fflush(stderr);
        ::dup2(m_saved, m_fd);
        ::close(m_saved);
        m_saved = -1;
    }
    QTemporaryFile m_file;
    int m_fd;
    int m_saved = -1;
};

void logAt(const char *file, int line, const char *function, const char *text)
{
    QMessageLogger(file, line, function).warning("%s", text);
}

} // namespace

class TestAppLog : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        AppLog::install();
        AppLog::setSaving(0);
        AppLog::clear();
    }
    void cleanup()
    {
        AppLog::setSaving(0);
        qInstallMessageHandler(nullptr);
    }

    void silentWhileSavingIsOff()
    {
        StdoutCapture capture;
        logAt("a.cpp", 1, "f", "nobody hears this");
        QCOMPARE(capture.text(), QByteArray());
        QCOMPARE(AppLog::buffer(), QString());
    }

    void lineFormat_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("line");
        QTest::addColumn<QByteArray>("function");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("expected");

        QTest::newRow("full context") << QByteArray("cpp/Startup.cpp") << 42 << QByteArray("int run()")
                                      << QStringLiteral("applicationStartupTimes is : 3")
                                      << QStringLiteral("applicationStartupTimes is : 3 (cpp/Startup.cpp:42, int run())\n");
        QTest::newRow("no context") << QByteArray() << 0 << QByteArray() << QStringLiteral("load Simp ok.")
                                    << QStringLiteral("load Simp ok. (:0, )\n");
        QTest::newRow("chinese text") << QByteArray("x.qml") << 7 << QByteArray("onClicked")
                                      << QStringLiteral("已复制到粘贴板")
                                      << QStringLiteral("已复制到粘贴板 (x.qml:7, onClicked)\n");
    }
    void lineFormat()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, line);
        QFETCH(QByteArray, function);
        QFETCH(QString, message);
        QFETCH(QString, expected);

        AppLog::setSaving(1);
        StdoutCapture capture;
        logAt(file.isEmpty() ? nullptr : file.constData(), line,
              function.isEmpty() ? nullptr : function.constData(), message.toUtf8().constData());
        // The buffer keeps the formatted line; standard output gets the message alone.
        QCOMPARE(capture.text(), message.toLocal8Bit() + '\n');
        QCOMPARE(AppLog::buffer(), expected);
    }

    // Whatever the switch, a critical message is never lost: it goes to
    // standard error; the others follow the switch.
    void severeMessagesReachStandardError_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("saving");
        QTest::addColumn<bool>("onStdout");
        QTest::addColumn<bool>("onStderr");
        QTest::addColumn<bool>("inBuffer");

        QTest::newRow("warning, saving off")  << int(QtWarningMsg) << 0 << false << false << false;
        QTest::newRow("critical, saving off") << int(QtCriticalMsg) << 0 << false << true << false;
        QTest::newRow("critical, saving on")  << int(QtCriticalMsg) << 1 << false << true << true;
        QTest::newRow("warning, saving on")   << int(QtWarningMsg) << 1 << true << false << true;
    }
    void severeMessagesReachStandardError()
    {
        QFETCH(int, type);
        QFETCH(int, saving);
        QFETCH(bool, onStdout);
        QFETCH(bool, onStderr);
        QFETCH(bool, inBuffer);

        AppLog::setSaving(saving);
        const QByteArray text("the display went away");
        StdoutCapture out(STDOUT_FILENO);
        StdoutCapture err(STDERR_FILENO);
        AppLog::messageHandler(QtMsgType(type), QMessageLogContext("m.cpp", 3, "main", nullptr), QString::fromUtf8(text));
        const QByteArray errText = err.text();
        QCOMPARE(out.text(), onStdout ? text + '\n' : QByteArray());
        QCOMPARE(errText, onStderr ? text + '\n' : QByteArray());
        QCOMPARE(AppLog::buffer().startsWith(QString::fromUtf8(text)), inBuffer);
    }

    void capKeepsTheNewestHalf()
    {
        AppLog::setSaving(1);
        StdoutCapture capture;
        const QByteArray filler(990, 'x');
        int n = 0;
        while (AppLog::buffer().size() + 1100 <= AppLog::bufferCap)
            logAt("f", ++n, "g", filler.constData());
        QVERIFY(AppLog::buffer().size() > AppLog::bufferKeep);
        // One last line that carries the buffer past the cap.
        const int missing = AppLog::bufferCap - AppLog::buffer().size();
        const QByteArray last = QByteArray("the newest line ") + QByteArray(missing, 'y');
        logAt("f", ++n, "g", last.constData());
        const QString text = AppLog::buffer();
        QCOMPARE(text.size(), AppLog::bufferKeep);
        QVERIFY(text.endsWith(QString::fromUtf8(last) + QStringLiteral(" (f:%1, g)\n").arg(n)));
    }

    void switchingOffKeepsTheBuffer()
    {
        AppLog::setSaving(1);
        StdoutCapture capture;
        logAt("f", 1, "g", "kept");
        AppLog::setSaving(0);
        logAt("f", 2, "g", "dropped");
        QCOMPARE(AppLog::buffer(), QStringLiteral("kept (f:1, g)\n"));
        AppLog::clear();
        QCOMPARE(AppLog::buffer(), QString());
    }

    void linesFromSeveralThreadsStayWhole()
    {
        AppLog::setSaving(1);
        StdoutCapture capture;
        constexpr int threads = 4;
        constexpr int perThread = 300;
        QList<QThread *> workers;
        for (int t = 0; t < threads; ++t) {
            workers << QThread::create([t] {
                for (int i = 0; i < perThread; ++i)
                    logAt("w", i, "run", QByteArray("thread ").append(QByteArray::number(t)).constData());
            });
            workers.last()->start();
        }
        for (QThread *w : workers) {
            QVERIFY(w->wait(30000));
            delete w;
        }
        const QStringList lines = AppLog::buffer().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), threads * perThread);
        const QRegularExpression whole(QStringLiteral("^thread [0-3] \\(w:\\d+, run\\)$"));
        for (const QString &line : lines)
            QVERIFY2(whole.match(line).hasMatch(), qPrintable(line));
    }
};

QTEST_GUILESS_MAIN(TestAppLog)
#include "tst_applog.moc"
