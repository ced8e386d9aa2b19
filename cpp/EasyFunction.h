// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

class QGuiApplication;
class QQmlEngine;
class QTranslator;

// The service object published to QML as `easyfunction`. The invokable
// operations are declared in the order the pages and tests rely on; each group
// is implemented in its own source file.
class EasyFunction : public QObject
{
    Q_OBJECT
public:
    EasyFunction(QGuiApplication *app, QQmlEngine *engine);
    ~EasyFunction() override;

    Q_INVOKABLE QDateTime getCurrentDateTime();

    // Vocabulary (EasyFunctionVocabulary.cpp)
    Q_INVOKABLE QVariant getGanStr(int idx);
    Q_INVOKABLE QVariant getBigPlaceNameStrList();
    Q_INVOKABLE QVariant getZhiStr(int idx);
    Q_INVOKABLE QVariant getShen10Str(int riGan, int g);
    Q_INVOKABLE QVariant getShen10fullStr(int riGan, int g);
    Q_INVOKABLE QVariant getZhiCangGanStr(int zhi);
    Q_INVOKABLE QVariant getZhiCangGanSeq(int zhi);
    Q_INVOKABLE QVariant getZhiCangGanShen10Str(int riGan, int zhi);
    Q_INVOKABLE QVariant getZhiCangGanShen10fullStr(int riGan, int zhi);
    Q_INVOKABLE QVariant getYun12Str(int riGan, int zhi);

    // Book pages (EasyFunctionBooks.cpp)
    Q_INVOKABLE QVariant getBookContent(int bookindex);
    Q_INVOKABLE QVariant getBookFrame(int bookindex, int appLNG);
    Q_INVOKABLE QVariant getBookParagraph(int bookindex, int appLNG);

    Q_INVOKABLE QVariant getHtmlFromClipboard();
    Q_INVOKABLE QVariant setTextToClipboard(QString text);
    Q_INVOKABLE QVariant clearTheClipboard();
    Q_INVOKABLE QVariant allowtosavelog();
    Q_INVOKABLE QVariant avoidtosavelog();
    Q_INVOKABLE QVariant changLanguage();
    Q_INVOKABLE QVariant changLanguageIndex(int langnum);

    // Usage report (EasyFunctionReport.cpp)
    Q_INVOKABLE QVariant sendMsgToServer(QString wsURL);
    Q_INVOKABLE QVariant getCurVerAvailable();

    // Sino-month boundaries (EasyFunctionVocabulary.cpp)
    Q_INVOKABLE QVariant getBeginJDofSinoYM(int y, int m);
    Q_INVOKABLE QVariant getEndJDofSinoYM(int y, int m);
    Q_INVOKABLE QVariant getMiddleJDofSinoYM(int y, int m);

    Q_INVOKABLE QVariant getValueByKeyFromSettings(QString keystr, QVariant defaultValue);
    Q_INVOKABLE QVariant setValueByKeyFromSettings(QString keystr, QVariant qVal);
    Q_INVOKABLE QVariant isNetworkAccessible();

    // Time zone and region (EasyFunctionZone.cpp)
    Q_INVOKABLE QVariant isInDaZhongHuaArea();
    Q_INVOKABLE QVariant isNotInZhongHuaMainLandArea();
    Q_INVOKABLE QVariant isInTaiwanTimeZone();
    Q_INVOKABLE QVariant isInSingaporeTimeZone();
    Q_INVOKABLE QVariant isInHongKongTimeZone();
    Q_INVOKABLE QVariant getSystemTimeZoneId();
    Q_INVOKABLE QVariant getStandardTimeOffset();
    Q_INVOKABLE QVariant getStandardTimeOffsetHours();
    Q_INVOKABLE QVariant getStandardTimezoneLng();

    Q_INVOKABLE QVariant getTheLatestAppLog();
    Q_INVOKABLE QVariant clearTheLatestAppLog();

    // After the fixed operations above, so their indexes stay.
    // True when answer names a later version than current; both must be
    // three whole numbers joined by "." (blanks around are ignored).
    // (EasyFunctionReport.cpp)
    Q_INVOKABLE static bool isNewerVersion(const QString &answer, const QString &current);

    // Shown texts in the window's script (0 简体, 1 繁體), and a search key
    // that is equal for a text written in either script.
    // (EasyFunctionVocabulary.cpp)
    Q_INVOKABLE QString convertScript(const QString &text, int language);
    Q_INVOKABLE QString searchKey(const QString &text);

    // Chart export and print of a stored record, and import of a chart file
    // (EasyFunctionExport.cpp). `settings`: script, elementColours, school,
    // luckRule, hourShift, selectedLuck. Answers { ok, message, path } (and
    // userid after an import); the message is in the window's script.
    Q_INVOKABLE QString chartExportFolder();
    Q_INVOKABLE QString chartExportPath(const QString &userid, const QString &kind);
    Q_INVOKABLE QStringList chartFilesIn(const QString &folder);
    Q_INVOKABLE QVariantMap exportChart(const QString &userid, const QString &kind, const QString &path,
                                        const QVariantMap &settings);
    // luckRule: the window's luck-start rule setting.
    Q_INVOKABLE QVariantMap importChartFile(const QString &path, const QString &luckRule);
    // The default printer's name; empty when there is no printer.
    Q_INVOKABLE QString printerName();
    Q_INVOKABLE QVariantMap printChart(const QString &userid, const QVariantMap &settings);

    // The plain page loader of the start-up pages (EasyFunctionBooks.cpp).
    static QString loadHtmlPage(const QString &name);

private:
    QGuiApplication *m_app = nullptr;
    QPointer<QQmlEngine> m_engine;
    QTranslator *m_translator = nullptr;
};
