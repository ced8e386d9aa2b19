// The usage report sent over a WebSocket.
#include "EasyFunction.h"

#include "AppContext.h"
#include "EchoClient.h"

#include <QDebug>
#include <QSettings>

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
