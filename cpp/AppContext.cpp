// SPDX-License-Identifier: GPL-3.0-or-later
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

void messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // A critical or fatal message is often the last word of a failing start
    // (no display, a missing plugin); it is never dropped, and goes where
    // failures are looked for.
    const bool severe = type == QtCriticalMsg || type == QtFatalMsg;
    if (g_saving.loadRelaxed() == 0) {
        if (severe) {
            const QByteArray local = message.toLocal8Bit() + '\n';
            std::fwrite(local.constData(), 1, size_t(local.size()), stderr);
            std::fflush(stderr);
        }
        return;
    }

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
    const QByteArray local = message.toLocal8Bit() + '\n';
    FILE *const stream = severe ? stderr : stdout;
    std::fwrite(local.constData(), 1, size_t(local.size()), stream);
    std::fflush(stream);
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
