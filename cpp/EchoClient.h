// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <QWebSocket>

// The usage-report client: opens a WebSocket, sends one line once connected,
// takes the newest published version from the first reply and closes. One
// instance lives for the whole process (`instance()`).
class EchoClient : public QObject
{
    Q_OBJECT
public:
    explicit EchoClient(bool debug = false, QObject *parent = nullptr);

    static EchoClient &instance();

    // Settings key of the report endpoint; only a "ws:" URL counts.
    static QString endpointKey();
    static QString configuredEndpoint();

    // Sends `message` to `url`; a URL not beginning with "ws:" is replaced by
    // the configured endpoint, and without one nothing is opened.
    void open(const QString &url, const QString &message);

signals:
    void closed();

private slots:
    void onConnected();
    void onTextMessageReceived(QString message);

private:
    QWebSocket m_webSocket;
    QUrl m_url;
    QString m_message;
    bool m_debug = false;
};
