// SPDX-License-Identifier: GPL-3.0-or-later
// The usage report sent over a WebSocket.
#include "EasyFunction.h"

#include "AppContext.h"
#include "EchoClient.h"

#include <QDebug>
#include <QSettings>
#include <QVersionNumber>

namespace {

// FUNC01#‹identity›#‹version›#‹starts›#‹language›#C…/S…/B…/X…/H…/M…/Windows
QString reportLine()
{
    const QSettings settings;
    const auto counter = [&settings](const char *key) {
        return QString::number(settings.value(QLatin1String(key), 0).toInt());
    };
    return QStringLiteral("FUNC01#") + AppContext::platformIdentity
            + QLatin1Char('#') + AppContext::applicationVersion
            + QLatin1Char('#') + QString::number(AppContext::startCount)
            + QLatin1Char('#') + QString::number(AppContext::languageIndex)
            + QStringLiteral("#C") + counter("toCntCalculateQingYao")
            + QStringLiteral("/S") + counter("toCntOpenSanCaiWuGe")
            + QStringLiteral("/B") + counter("toCntOpenBooks")
            + QStringLiteral("/X") + counter("toCntOpenCompare")
            + QStringLiteral("/H") + counter("toCntViewHistory")
            + QStringLiteral("/M") + counter("totalTimeOfOpenGlobalMap")
            + QStringLiteral("/Windows");
}

// Three whole numbers joined by "." and nothing else. (fromString's suffix
// index cannot tell: Qt 5 declares the function pure, so the compiler may
// drop its write to the index.)
bool isThreePartVersion(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 3)
        return false;
    for (const QString &part : parts) {
        if (part.isEmpty())
            return false;
        for (const QChar c : part) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        }
    }
    return true;
}

} // namespace

QVariant EasyFunction::sendMsgToServer(QString wsURL)
{
    const QString line = reportLine();
    qWarning().noquote() << "msg to send" << line;
    EchoClient::instance().open(wsURL, line);
    return 0;
}

QVariant EasyFunction::getCurVerAvailable()
{
    return AppContext::latestVersion;
}

bool EasyFunction::isNewerVersion(const QString &answer, const QString &current)
{
    const QString a = answer.trimmed();
    const QString c = current.trimmed();
    if (!isThreePartVersion(a) || !isThreePartVersion(c))
        return false;
    return QVersionNumber::compare(QVersionNumber::fromString(a), QVersionNumber::fromString(c)) > 0;
}
