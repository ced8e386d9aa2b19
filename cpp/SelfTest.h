// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTcpServer>
#include <QVariant>

#include <functional>

class QQmlApplicationEngine;
class QQuickItem;
class QQuickWindow;

// Walks the loaded window, in both languages and at a phone and a desktop
// size, through every dialog and page file, and opens every popup, menu and
// drop-down list each of them holds. In check mode the process exits non-zero
// when the QML engine or a page reported any error or warning, a text shows a
// character of the other script, a text that neither elides nor wraps is wider
// than its box, or anything was fetched over the network (the sample record
// carries markup pointing at a loopback server of the walk). With a texts file
// every shown text is written as "script<TAB>state<TAB>text"; with a
// screenshot folder each state is saved as PNG.
class SelfTest : public QObject
{
    Q_OBJECT
public:
    struct Options {
        bool check = false;
        QString screenshotDir;
        QString textsFile;
        // The window sizes to walk; empty for all of them (phone and desktop).
        QList<QSize> sizes;
    };

    SelfTest(QQmlApplicationEngine *engine, const Options &options);
    ~SelfTest() override;

    // Page files of the resources that the walk opens, in a fixed order.
    static QStringList pageFiles();

    // How many pixels a text item that neither elides, wraps nor shrinks its
    // font needs beyond its width; 0 when it fits or fits itself.
    static qreal textOverflow(const QQuickItem *text);

    // "WIDTHxHEIGHT" as a size; an invalid size for any other text.
    static QSize parseSize(const QString &text);

private:
    struct Step {
        QString kind; // "main", "dialog", "page" or "chart"
        QString name;
    };

    void run();
    void walk(QSize size, int language);
    QObject *show(QObject *root, const Step &step);
    QObject *showChart(QObject *root, const QString &view);
    void inspect(const QString &state, QQuickItem *from);
    void collect(QQuickItem *item, const QString &state, int language);
    void openPopupsUnder(QObject *scope, const QString &state);
    void capture(const QString &state);
    void settle(int ms);
    void settleFrames();
    bool waitUntil(const std::function<bool()> &done, int timeoutMs);
    void finish();
    QQuickWindow *window() const;
    int language() const;

    QQmlApplicationEngine *m_engine;
    Options m_options;
    QFile m_texts;
    QTcpServer m_loopback;
    int m_fetches = 0;
    int m_states = 0;
    QSet<QObject *> m_opened;
    QStringList m_problems;
    QSet<QString> m_reported;
    QString m_sampleUserid;
    QString m_sampleName;
    QString m_samplePlace;
    bool m_sampleNameShown = false;
    QString m_boundarySampleUserid;
};
