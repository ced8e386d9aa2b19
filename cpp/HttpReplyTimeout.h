#pragma once

#include <QObject>

class QNetworkReply;

// Watchdog attached to one reply: aborts it when it is still running after the
// given budget. A child of the reply, so it dies with it.
class HttpReplyTimeout : public QObject
{
    Q_OBJECT
public:
    HttpReplyTimeout(QNetworkReply *reply, int timeoutMs);

signals:
    void replyTimeout();

private slots:
    void onTimeout();
};
