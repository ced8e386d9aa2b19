// SPDX-License-Identifier: GPL-3.0-or-later
#include "EchoClient.h"

#include "AppContext.h"

#include <QDebug>
#include <QSettings>
#include <QStringList>

namespace {

const QString kWsPrefix = QStringLiteral("ws:");

// The client logs from its constructor, before start-up installs the message
// handler; install it first so those lines obey the log switch like all others.
[[maybe_unused]] const bool g_handlerInstalled = (AppLog::install(), true);

// Created during static initialisation, before the application object, with
// its log lines switched on; it lives until the process ends.
EchoClient g_echoClient(true, nullptr);

} // namespace

EchoClient::EchoClient(bool debug, QObject *parent)
    : QObject(parent)
    , m_webSocket(QString(), QWebSocketProtocol::Version13, nullptr)
    , m_debug(debug)
{
    if (m_debug)
        qDebug() << "WebSocket client init";
    connect(&m_webSocket, &QWebSocket::connected, this, &EchoClient::onConnected);
    connect(&m_webSocket, &QWebSocket::disconnected, this, &EchoClient::closed);
}

EchoClient &EchoClient::instance()
{
    return g_echoClient;
}

QString EchoClient::endpointKey()
{
    return QStringLiteral("usageReportUrl");
}

QString EchoClient::configuredEndpoint()
{
    const QString url = QSettings().value(endpointKey()).toString().trimmed();
    return url.startsWith(kWsPrefix) ? url : QString();
}

void EchoClient::open(const QString &url, const QString &message)
{
    QString target = url;
    if (!target.startsWith(kWsPrefix))
        target = configuredEndpoint();
    if (target.isEmpty()) {
        qWarning() << "usage report: no endpoint configured";
        return;
    }
    m_url = QUrl(target);
    m_message = message;
    m_webSocket.open(m_url);
}

void EchoClient::onConnected()
{
    if (m_debug)
        qDebug() << "WebSocket connected";
    // Each report connects again; one connection must stay one.
    connect(&m_webSocket, &QWebSocket::textMessageReceived, this, &EchoClient::onTextMessageReceived,
            Qt::UniqueConnection);
    m_webSocket.sendTextMessage(m_message);
    if (m_debug)
        qDebug().noquote() << "Message sended:" << m_message;
}

// The reply is a version with exactly two dots, then "/" and anything else.
void EchoClient::onTextMessageReceived(QString message)
{
    if (m_debug)
        qDebug().noquote() << "Message received:" << message;
    if (message.contains(QLatin1Char('/'))) {
        const QStringList parts = message.trimmed().split(QLatin1Char('/'), Qt::SkipEmptyParts);
        const QString first = parts.value(0);
        if (first.count(QLatin1Char('.')) == 2)
            AppContext::latestVersion = first.trimmed();
    }
    m_webSocket.close(QWebSocketProtocol::CloseCodeNormal, QString());
}
