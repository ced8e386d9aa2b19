// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

class QQmlApplicationEngine;
class QQuickWindow;

// Walks the loaded window through every dialog and every page file once.
// In check mode the process exits non-zero when the QML engine reported any
// error or warning; with a screenshot folder each state is saved as PNG.
class SelfTest : public QObject
{
    Q_OBJECT
public:
    SelfTest(QQmlApplicationEngine *engine, bool check, const QString &screenshotDir);

    // Page files of the resources that the walk opens, in a fixed order.
    static QStringList pageFiles();

private:
    struct Step {
        QString kind; // "main", "dialog" or "page"
        QString name;
    };

    void start();
    void showNext();
    void capture();
    QVariant showChart(QObject *root, const QString &view);
    void finish();

    QQmlApplicationEngine *m_engine;
    bool m_check;
    QString m_dir;
    QList<Step> m_steps;
    int m_index = -1;
    QObject *m_shown = nullptr;
    QStringList m_problems;
    QString m_sampleUserid;
    QString m_boundarySampleUserid;
};
