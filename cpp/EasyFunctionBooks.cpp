// SPDX-License-Identifier: GPL-3.0-or-later
// Book pages and the plain page loader. Every loader answers with a fixed
// minimal page when its resource is missing, unreadable or too short.
#include "EasyFunction.h"

#include <QFile>

namespace {

const QString kHtmlFolder = QStringLiteral(":/datafiles/html/");
const QString kVolumePlaceholder = QStringLiteral("yuanhaiziping_para1_html");

QString fallbackPage()
{
    return QStringLiteral("<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" />"
                          "</head><body><section><p>sectionOneContent</p></section></body></html>");
}

// The page text, or a null string when the resource is not usable.
QString readPage(const QString &path)
{
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly | QIODevice::Text) || file.size() < 10)
        return QString();
    return QString::fromUtf8(file.readAll());
}

QString pageOrFallback(const QString &path)
{
    const QString text = readPage(path);
    return text.isNull() ? fallbackPage() : text;
}

QString languageVariant(QString path, int appLNG)
{
    if (appLNG == 1)
        path += QLatin1String(".hk");
    return path;
}

// Volume text for the rich-text views, which want it on one line.
QString volumeText(int volume, int appLNG)
{
    const QString path = kHtmlFolder + QStringLiteral("yuanhaiziping_para%1.html").arg(volume);
    const QString text = readPage(languageVariant(path, appLNG));
    return text.isNull() ? fallbackPage() : QString(text).remove(QLatin1Char('\n'));
}

} // namespace

QVariant EasyFunction::getBookContent(int bookindex)
{
    QString name = QStringLiteral("yuanhaiziping_Part1.html");
    if (bookindex == 0)
        name = QStringLiteral("yuanhaiziping_frameAndPara1.html");
    else if (bookindex == 1)
        name = QStringLiteral("yuanhaiziping_Part2.html");
    return pageOrFallback(kHtmlFolder + name);
}

QVariant EasyFunction::getBookFrame(int, int appLNG)
{
    const QString frame = readPage(languageVariant(kHtmlFolder + QStringLiteral("yuanhaiziping_frame.html"), appLNG));
    if (frame.isNull())
        return fallbackPage();
    return QString(frame).replace(kVolumePlaceholder, volumeText(1, appLNG));
}

QVariant EasyFunction::getBookParagraph(int bookindex, int appLNG)
{
    const int volume = (bookindex >= 0 && bookindex <= 6) ? bookindex + 1 : 1;
    return volumeText(volume, appLNG);
}

QString EasyFunction::loadHtmlPage(const QString &name)
{
    return pageOrFallback(kHtmlFolder + (name.isEmpty() ? QStringLiteral("section.html") : name));
}
