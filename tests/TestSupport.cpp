#include "TestSupport.h"

#include <QDir>

namespace TestSupport {

void isolateUserFolders(const QTemporaryDir &dir)
{
    const QString root = dir.path();
    for (const char *sub : {"config", "data", "documents", "cache", "runtime"})
        QDir(root).mkpath(QString::fromLatin1(sub));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root + QStringLiteral("/config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(root + QStringLiteral("/data")));
    qputenv("XDG_DOCUMENTS_DIR", QFile::encodeName(root + QStringLiteral("/documents")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(root + QStringLiteral("/cache")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(root + QStringLiteral("/runtime")));
    qputenv("HOME", QFile::encodeName(root));
}

namespace {

QtMessageHandler g_passOn = nullptr;

void recordingHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    recordedLog() << message;
    if (g_passOn)
        g_passOn(type, context, message);
}

} // namespace

void recordLog()
{
    QtMessageHandler previous = qInstallMessageHandler(recordingHandler);
    if (previous != recordingHandler)
        g_passOn = previous;
}

QStringList &recordedLog()
{
    static QStringList lines;
    return lines;
}

} // namespace TestSupport
