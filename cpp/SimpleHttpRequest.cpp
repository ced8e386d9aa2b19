// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimpleHttpRequest.h"

#include <QAuthenticator>
#include <QDebug>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QSslError>
#include <QStringList>
#include <QTextCodec>
#include <QTextDecoder>

namespace {

// Where a redirection answer points, resolved against the URL it came from.
QUrl redirectionTarget(const QNetworkReply *reply)
{
    const QUrl target = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
    const QUrl location = target.isEmpty() ? QUrl::fromEncoded(reply->rawHeader("Location")) : target;
    return reply->url().resolved(location);
}

} // namespace

SimpleHttpRequest::SimpleHttpRequest(int con_timeout_ms, int res_timeout_ms, QObject *parent)
    : QObject(parent)
    , m_conTimeoutMs(con_timeout_ms)
    , m_resTimeoutMs(res_timeout_ms)
    , m_manager(new QNetworkAccessManager(this))
{
}

SimpleHttpRequest::~SimpleHttpRequest()
{
    // A listener may delete this object from inside the reply's own finished
    // signal; the reply is the manager's child and is still on the stack then,
    // so the manager (and with it the reply) goes only after that call returns.
    if (m_reply)
        m_reply->disconnect(this);
    m_reply = nullptr;
    m_manager->disconnect(this);
    m_manager->setParent(nullptr);
    m_manager->deleteLater();
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
    beginRequest(requestedUrl);
}

void SimpleHttpRequest::startRequestString(const QString &requestedUrlString)
{
    startRequest(QUrl::fromUserInput(requestedUrlString));
}

void SimpleHttpRequest::beginRequest(const QUrl &url)
{
    if (m_busy) {
        qWarning() << "only one http request at a time";
        return;
    }

    m_busy = true;
    m_url = url;
    m_httpRequestAborted = false;
    m_receivedErrorString.clear();
    m_receivedMessageString.clear();
    m_decoder.reset(QTextCodec::codecForName("UTF-8")->makeDecoder());

    QNetworkRequest request(url);
    // Qt follows redirections itself, to web addresses only and never from
    // https down to http; one more than the limit ends the request.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(maxRedirections);
    // Connect plus response time-out, summed in 64 bits so that two large
    // values do not wrap into an instant one. The transfer time-out restarts
    // whenever bytes arrive, so it bounds a stall, not a slow steady body.
    // Its timer is coarse (it may fire up to 5 % early), hence the 1/19 more.
    const qint64 budget = qint64(qMax(0, m_conTimeoutMs)) + qMax(0, m_resTimeoutMs);
    request.setTransferTimeout(int(qBound<qint64>(1, budget + budget / 19 + 1, INT_MAX)));

    m_reply = m_manager->get(request);
    qWarning().noquote() << "http Request:" << url.toString();
    connect(m_reply, &QNetworkReply::finished, this, &SimpleHttpRequest::httpFinished);
    connect(m_reply, &QIODevice::readyRead, this, &SimpleHttpRequest::httpReadyRead);
    connect(m_reply, &QNetworkReply::redirected, this, [this](const QUrl &next) { m_url = next; });
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
        reply->deleteLater();
        return;
    }

    // Qt ends a transfer that stalled past its time-out as cancelled (we
    // never cancel one ourselves). The user hears of it twice: once as the
    // time-out, once as the end of the reply, unless the first announcement
    // already started the next request or deleted this object.
    const QNetworkReply::NetworkError error = reply->error();
    if (error == QNetworkReply::OperationCanceledError || error == QNetworkReply::TimeoutError) {
        QPointer<SimpleHttpRequest> self(this);
        onReplyTimeout();
        if (!self)
            return;
        if (reply != m_reply) {
            reply->deleteLater();
            return;
        }
        releaseReply();
        finish();
        return;
    }

    if (error == QNetworkReply::TooManyRedirectsError) {
        m_receivedErrorString = QStringLiteral("too many redirections (more than %1), stopped before %2")
                                        .arg(maxRedirections).arg(redirectionTarget(reply).toString());
    } else if (error == QNetworkReply::ProtocolUnknownError && !reply->rawHeader("Location").isEmpty()) {
        m_receivedErrorString = QStringLiteral("redirection to a non-web address refused: %1")
                                        .arg(redirectionTarget(reply).toString());
    } else if (error != QNetworkReply::NoError) {
        m_receivedErrorString = QString::number(int(error)) + QLatin1Char(':') + reply->errorString();
    }
    if (error != QNetworkReply::NoError) {
        qWarning().noquote() << m_receivedErrorString;
        if (error == QNetworkReply::TooManyRedirectsError || error == QNetworkReply::ProtocolUnknownError)
            m_receivedMessageString.clear();
    }
    releaseReply();
    finish();
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
