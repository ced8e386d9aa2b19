#include "AppContext.h"

#include <QMutex>
#include <QMutexLocker>
#include <cstdio>

namespace AppLog {
namespace {

QAtomicInt g_saving{0};

// Function-local, so the handler works even when it runs during another
// file's static initialisation.
QMutex &logMutex()
{
    static QMutex mutex;
    return mutex;
}

QString &logText()
{
    static QString text;
    return text;
}

} // namespace

void install()
{
    qInstallMessageHandler(messageHandler);
}

void messageHandler(QtMsgType, const QMessageLogContext &context, const QString &message)
{
    if (g_saving.loadRelaxed() == 0)
        return;

    const QByteArray text = message.toUtf8();
    const QByteArray line = QByteArray(text)
            .append(" (").append(context.file ? context.file : "").append(':')
            .append(QByteArray::number(context.line > 0 ? context.line : 0)).append(", ")
            .append(context.function ? context.function : "").append(")\n");

    // Several threads may log at once; the buffer and stdout stay whole lines.
    QMutexLocker lock(&logMutex());
    QString &buf = logText();
    buf += QString::fromUtf8(line);
    if (buf.size() > bufferCap)
        buf = buf.right(bufferKeep);
    const QByteArray local = message.toLocal8Bit();
    std::fwrite(local.constData(), 1, size_t(local.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void setSaving(int on)
{
    g_saving.storeRelaxed(on);
}

int saving()
{
    return g_saving.loadRelaxed();
}

QString buffer()
{
    QMutexLocker lock(&logMutex());
    return logText();
}

void clear()
{
    QMutexLocker lock(&logMutex());
    logText().clear();
}

} // namespace AppLog
