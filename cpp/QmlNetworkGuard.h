// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QNetworkAccessManager>
#include <QQmlNetworkAccessManagerFactory>
#include <QStringList>

// The QML engine's network access: pages, images and XMLHttpRequest reach
// only the program's own resources (qrc:, file:, data:) and the hosts of the
// configured services, so text that slipped into a rich-text item, or a page
// by mistake, cannot fetch an arbitrary URL.
class QmlNetworkGuard : public QQmlNetworkAccessManagerFactory
{
public:
    // `allowedHosts`: host names (lower case) that may be reached over http(s).
    explicit QmlNetworkGuard(QStringList allowedHosts);

    QNetworkAccessManager *create(QObject *parent) override;

    // The time-zone service and, when set, the usage-report host from the
    // settings key "usageReportUrl".
    static QStringList configuredHosts();

    bool allows(const QUrl &url) const;

private:
    QStringList m_hosts;
};
