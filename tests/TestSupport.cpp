// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"

#include "DatabaseConnections.h"
#include "SqloneCustomerModel.h"

#include <QDir>
#include <QFile>

namespace TestSupport {

QProcessEnvironment childEnvironment(const QTemporaryDir &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    return env;
}

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
    // Qt wants the runtime folder private to the user.
    QFile::setPermissions(root + QStringLiteral("/runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
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

QString openFreshUserDatabase(const QTemporaryDir &dir, const QString &fileName)
{
    const QString path = dir.filePath(fileName);
    QFile::remove(path);
    DatabaseConnections::openUserDatabaseAt(path);
    return path;
}

QString addPerson(QObject *customerModel, const QString &name, const QString &simpleNotes,
                  const QString &moreNotes, const QString &place, const QString &originInputTime)
{
    auto *model = qobject_cast<SqloneCustomerModel *>(customerModel);
    if (!model)
        return QString();
    return model->newCustomer(0, 0, QStringLiteral("2019年7月16日9时5分"), originInputTime,
                              QStringLiteral("116.4"), place, name, simpleNotes, moreNotes,
                              QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0"),
                              QStringLiteral("0"), QStringLiteral("2"), QStringLiteral("120"))
            .toString();
}

namespace {
QStringList g_captured;
void captureMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    g_captured << message;
}
} // namespace

LogCapture::LogCapture()
{
    g_captured.clear();
    m_previous = qInstallMessageHandler(captureMessage);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(m_previous);
}

QStringList LogCapture::lines() const
{
    return g_captured;
}

void LogCapture::clear()
{
    g_captured.clear();
}

} // namespace TestSupport
