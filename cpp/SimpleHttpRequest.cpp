#include "SimpleHttpRequest.h"

#include "HttpReplyTimeout.h"

#include <QAuthenticator>
#include <QDebug>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkConfiguration>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslError>
#include <QStringList>
#include <QTextCodec>
#include <QTextDecoder>

namespace {

const QString kNotAccessible = QStringLiteral("QNetworkAccessManager tells: network is not Accessible");

// The access manager's accessibility comes from the bearer layer, which calls a
// machine with only a loopback interface offline. Loopback and local files need
// no network, and the manager itself serves them regardless, so they are never
// refused on that ground.
bool needsNetwork(const QUrl &url)
{
    if (url.isLocalFile())
        return false;
    const QString host = url.host().toLower();
    if (host == QLatin1String("localhost"))
        return false;
    const QHostAddress address(host);
    return address.isNull() || !address.isLoopback();
}

// A server may only send us on to another web address, never to a local file
// or another protocol handler.
bool isWebScheme(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

} // namespace

SimpleHttpRequest::SimpleHttpRequest(int con_timeout_ms, int res_timeout_ms, QObject *parent)
    : QObject(parent)
    , m_conTimeoutMs(con_timeout_ms)
    , m_resTimeoutMs(res_timeout_ms)
    , m_manager(new QNetworkAccessManager(this))
{
    m_receivedMessageString.clear();
    m_receivedErrorString.clear();
    // The configuration is shared data: setting it on the copy reaches the
    // manager's own configuration.
QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
    m_manager->configuration().setConnectTimeout(m_conTimeoutMs);
QT_WARNING_POP
}

SimpleHttpRequest::~SimpleHttpRequest()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->deleteLater();
        m_reply = nullptr;
    }
    delete m_manager;
    m_manager = nullptr;
}

void SimpleHttpRequest::setConTimeoutMs(int ms)
{
    if (m_conTimeoutMs == ms)
        return;
    m_conTimeoutMs = ms;
    emit con_timeout_msChanged();
}

void SimpleHttpRequest::setResTimeoutMs(int ms)
{
    if (m_resTimeoutMs == ms)
        return;
    m_resTimeoutMs = ms;
    emit res_timeout_msChanged();
}

void SimpleHttpRequest::setHttpRequestAborted(bool aborted)
{
    if (m_httpRequestAborted == aborted)
        return;
    m_httpRequestAborted = aborted;
    emit httpRequestAbortedChanged();
}

void SimpleHttpRequest::setReceivedMessageString(const QString &text)
{
    if (m_receivedMessageString == text)
        return;
    m_receivedMessageString = text;
    emit receivedMessageStringChanged();
}

void SimpleHttpRequest::setReceivedErrorString(const QString &text)
{
    if (m_receivedErrorString == text)
        return;
    m_receivedErrorString = text;
    emit httpErrorStringChanged();
}

void SimpleHttpRequest::startRequest(const QUrl &requestedUrl)
{
    beginRequest(requestedUrl, 0);
}

void SimpleHttpRequest::startRequestString(const QString &requestedUrlString)
{
    startRequest(QUrl::fromUserInput(requestedUrlString));
}

void SimpleHttpRequest::beginRequest(const QUrl &url, int redirectionsSoFar)
{
    if (m_busy) {
        qWarning() << "only one http request at a time";
        return;
    }

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
    const bool accessible = m_manager->networkAccessible() == QNetworkAccessManager::Accessible;
QT_WARNING_POP
    if (!accessible && needsNetwork(url)) {
        qWarning().noquote() << kNotAccessible;
        m_receivedErrorString = kNotAccessible;
        finish();
        return;
    }

    m_busy = true;
    m_redirections = redirectionsSoFar;
    m_url = url;
    m_httpRequestAborted = false;
    m_receivedErrorString.clear();
    m_receivedMessageString.clear();
    m_decoder.reset(QTextCodec::codecForName("UTF-8")->makeDecoder());

    m_reply = m_manager->get(QNetworkRequest(url));
    qWarning().noquote() << "http Request:" << url.toString();

    // Summed in 64 bits: two large time-outs must not wrap into an instant one.
    const qint64 budget = qint64(qMax(0, m_conTimeoutMs)) + qMax(0, m_resTimeoutMs);
    auto *watchdog = new HttpReplyTimeout(m_reply, int(qMin<qint64>(budget, INT_MAX)));
    connect(watchdog, &HttpReplyTimeout::replyTimeout, this, &SimpleHttpRequest::onReplyTimeout);
    connect(m_reply, &QNetworkReply::finished, this, &SimpleHttpRequest::httpFinished);
    connect(m_reply, &QIODevice::readyRead, this, &SimpleHttpRequest::httpReadyRead);
}

void SimpleHttpRequest::httpReadyRead()
{
    auto *reply = qobject_cast<QNetworkReply *>(sender());
    if (!reply || reply != m_reply)
        return;
    const QByteArray chunk = reply->readAll();
    m_receivedMessageString += m_decoder->toUnicode(chunk);
    qWarning().noquote() << "receivedBytes:" << QString::fromUtf8(chunk);
}

void SimpleHttpRequest::onReplyTimeout()
{
    m_httpRequestAborted = true;
    m_receivedErrorString = QStringLiteral("Timeout");
    m_receivedMessageString.clear();
    qDebug() << "Timeout";
    finish();
}

void SimpleHttpRequest::httpFinished()
{
    auto *reply = qobject_cast<QNetworkReply *>(sender());
    if (!reply)
        return;
    if (reply != m_reply) {
        // A reply given up on (time-out) after the next request already started:
        // it must not end that request.
        reply->deleteLater();
        return;
    }

    if (m_httpRequestAborted) {
        releaseReply();
        finish();
        return;
    }

    if (reply->error() != QNetworkReply::NoError) {
        m_receivedErrorString = QString::number(int(reply->error())) + QLatin1Char(':') + reply->errorString();
        qWarning().noquote() << m_receivedErrorString;
        releaseReply();
        finish();
        return;
    }

    const QVariant target = reply->attribute(QNetworkRequest::RedirectionTargetAttribute);
    releaseReply();
    if (target.isNull()) {
        finish();
        return;
    }

    const QUrl next = m_url.resolved(target.toUrl());
    if (m_redirections >= maxRedirections) {
        m_receivedErrorString = QStringLiteral("too many redirections (more than %1), stopped before %2")
                                        .arg(maxRedirections).arg(next.toString());
        qWarning().noquote() << m_receivedErrorString;
        finish();
        return;
    }
    if (!isWebScheme(next)) {
        m_receivedErrorString = QStringLiteral("redirection to a non-web address refused: %1").arg(next.toString());
        qWarning().noquote() << m_receivedErrorString;
        finish();
        return;
    }
    m_busy = false;
    beginRequest(next, m_redirections + 1);
}

void SimpleHttpRequest::slotAuthenticationRequired(QNetworkReply *, QAuthenticator *authenticator)
{
    if (!authenticator)
        return;
    authenticator->setUser(QStringLiteral("username"));
    authenticator->setPassword(QStringLiteral("580317"));
}

void SimpleHttpRequest::sslErrors(QNetworkReply *, const QList<QSslError> &errors)
{
    QStringList descriptions;
    for (const QSslError &error : errors)
        descriptions << error.errorString();
    m_receivedErrorString = descriptions.join(QLatin1Char('\n'));
    qWarning().noquote() << "m_httpErrorString:" << m_receivedErrorString;
    if (m_reply)
        m_reply->ignoreSslErrors(errors);
}

void SimpleHttpRequest::releaseReply()
{
    if (!m_reply)
        return;
    m_reply->deleteLater();
    m_reply = nullptr;
}

// Every way a request ends: idle again, then tell the user. Emitting is the
// last step, so a listener may start the next request or delete this object.
void SimpleHttpRequest::finish()
{
    m_busy = false;
    emit responsed();
}
