#include "HttpReplyTimeout.h"

#include <QNetworkReply>
#include <QPointer>
#include <QTimer>

HttpReplyTimeout::HttpReplyTimeout(QNetworkReply *reply, int timeoutMs)
    : QObject(reply)
{
    if (reply && reply->isRunning())
        QTimer::singleShot(qMax(0, timeoutMs), this, &HttpReplyTimeout::onTimeout);
}

void HttpReplyTimeout::onTimeout()
{
    QPointer<QNetworkReply> reply = qobject_cast<QNetworkReply *>(parent());
    if (!reply || !reply->isRunning())
        return;

    emit replyTimeout();
    // A listener may have torn the reply (and with it this watchdog) down; only
    // the local guard is safe to look at from here on.
    if (!reply)
        return;
    reply->abort();
    if (reply)
        reply->deleteLater();
}
