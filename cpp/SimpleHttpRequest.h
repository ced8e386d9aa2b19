// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

#include <memory>

class QAuthenticator;
class QNetworkAccessManager;
class QNetworkReply;
class QSslError;
class QTextDecoder;

// One HTTP GET at a time, body collected as text; Qt follows redirections
// and ends a transfer that stalls longer than connect plus response time-out. Users read the properties when `responsed`
// arrives; the request logic itself emits no change signals.
class SimpleHttpRequest : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int con_timeout_ms READ conTimeoutMs WRITE setConTimeoutMs NOTIFY con_timeout_msChanged)
    Q_PROPERTY(int res_timeout_ms READ resTimeoutMs WRITE setResTimeoutMs NOTIFY res_timeout_msChanged)
    Q_PROPERTY(bool httpRequestAborted READ httpRequestAborted WRITE setHttpRequestAborted NOTIFY httpRequestAbortedChanged)
    Q_PROPERTY(QString receivedMessageString READ receivedMessageString WRITE setReceivedMessageString NOTIFY receivedMessageStringChanged)
    Q_PROPERTY(QString receivedErrorString READ receivedErrorString WRITE setReceivedErrorString NOTIFY httpErrorStringChanged)

public:
    // Redirections followed for one started request; the next one ends it.
    static constexpr int maxRedirections = 10;

    explicit SimpleHttpRequest(int con_timeout_ms = 20000, int res_timeout_ms = 30000,
                               QObject *parent = nullptr);
    ~SimpleHttpRequest() override;

    int conTimeoutMs() const { return m_conTimeoutMs; }
    int resTimeoutMs() const { return m_resTimeoutMs; }
    bool httpRequestAborted() const { return m_httpRequestAborted; }
    QString receivedMessageString() const { return m_receivedMessageString; }
    QString receivedErrorString() const { return m_receivedErrorString; }

    void setConTimeoutMs(int ms);
    void setResTimeoutMs(int ms);
    void setHttpRequestAborted(bool aborted);
    void setReceivedMessageString(const QString &text);
    void setReceivedErrorString(const QString &text);

    Q_INVOKABLE void startRequest(const QUrl &requestedUrl);
    Q_INVOKABLE void startRequestString(const QString &requestedUrlString);

signals:
    void con_timeout_msChanged();
    void res_timeout_msChanged();
    void httpRequestAbortedChanged();
    void receivedMessageStringChanged();
    void httpErrorStringChanged();
    void responsed();

private slots:
    void httpFinished();
    void httpReadyRead();
    void slotAuthenticationRequired(QNetworkReply *reply, QAuthenticator *authenticator);
    void sslErrors(QNetworkReply *reply, const QList<QSslError> &errors);

private:
    void beginRequest(const QUrl &url);
    void onReplyTimeout();
    void releaseReply();
    void finish();

    int m_conTimeoutMs = 20000;
    int m_resTimeoutMs = 30000;
    bool m_httpRequestAborted = false;
    QString m_receivedMessageString;
    QString m_receivedErrorString;
    QUrl m_url;
    QNetworkAccessManager *m_manager = nullptr;
    QNetworkReply *m_reply = nullptr;
    bool m_busy = false;
    // Keeps a UTF-8 sequence that a chunk boundary cut in two.
    std::unique_ptr<QTextDecoder> m_decoder;
};
