// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QUrl>

struct StartupOptions {
    // The root page; tests and the self-test swap in their own.
    QUrl rootPage = QUrl(QStringLiteral("qrc:/gallery.qml"));
    // Walk every dialog and page once; exit non-zero on any QML warning.
    bool selfTest = false;
    // When set, save a screenshot of each state of that walk into this folder.
    QString screenshotDir;
    // When set, the walk writes every shown text there ("script<TAB>state<TAB>text").
    QString textsFile;
    // When set, the walk shows the window at these sizes only.
    QList<QSize> walkSizes;
};

// The Quick Controls style start-up applies for the text stored under `style`:
// our own style for "Default" or a blank text, any other text as it stands.
QString styleToApply(const QString &stored);

// The program's own entry: prepares the application, settings, logging, font,
// style and engine, loads the root page and runs the event loop. Returns the
// event loop's exit code, or -1 when the root page yields no root object.
int runApplication(int argc, char *argv[], const StartupOptions &options = {});
