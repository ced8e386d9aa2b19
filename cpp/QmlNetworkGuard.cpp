// SPDX-License-Identifier: GPL-3.0-or-later
#include "QmlNetworkGuard.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSettings>
#include <QTimer>
#include <QUrl>

namespace {

// The time-zone look-up of the world-map place picker (js/timeZoneReply.js).
const QString kTimeZoneHost = QStringLiteral("dev.virtualearth.net");

// Answers a refused request at once with ContentAccessDeniedError, never
// touching the network.
class RefusedReply : public QNetworkReply
{
public:
    RefusedReply(QNetworkAccessManager::Operation op, const QNetworkRequest &request, QObject *parent)
        : QNetworkReply(parent)
    {
        setRequest(request);
        setUrl(request.url());
        setOperation(op);
        setOpenMode(QIODevice::ReadOnly);
        setFinished(true);
        const QString message = QStringLiteral("blocked: %1").arg(request.url().toString());
        setError(ContentAccessDenied, message);
        QTimer::singleShot(0, this, [this] {
            emit errorOccurred(ContentAccessDenied);
            emit finished();
        });
    }
    void abort() override {}
    qint64 bytesAvailable() const override { return 0; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
};

class GuardedManager : public QNetworkAccessManager
{
public:
    GuardedManager(const QmlNetworkGuard *guard, QObject *parent) : QNetworkAccessManager(parent), m_guard(guard) {}

protected:
    QNetworkReply *createRequest(Operation op, const QNetworkRequest &request, QIODevice *outgoingData) override
    {
        if (!m_guard->allows(request.url()))
            return new RefusedReply(op, request, this);
        return QNetworkAccessManager::createRequest(op, request, outgoingData);
    }

private:
    const QmlNetworkGuard *m_guard;
};

} // namespace

QmlNetworkGuard::QmlNetworkGuard(QStringList allowedHosts) : m_hosts(std::move(allowedHosts)) {}

QNetworkAccessManager *QmlNetworkGuard::create(QObject *parent)
{
    return new GuardedManager(this, parent);
}

QStringList QmlNetworkGuard::configuredHosts()
{
    QStringList hosts{kTimeZoneHost};
    const QUrl report(QSettings().value(QStringLiteral("usageReportUrl")).toString().trimmed());
    if (report.isValid() && !report.host().isEmpty())
        hosts << report.host().toLower();
    return hosts;
}

bool QmlNetworkGuard::allows(const QUrl &url) const
{
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("qrc") || scheme == QLatin1String("file") || scheme == QLatin1String("data"))
        return true;
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return false;
    return m_hosts.contains(url.host().toLower());
}
