#pragma once

#include <QUrl>

struct StartupOptions {
    // The root page; tests and the self-test swap in their own.
    QUrl rootPage = QUrl(QStringLiteral("qrc:/gallery.qml"));
};

// The program's own entry: prepares the application, settings, logging, font,
// style and engine, loads the root page and runs the event loop. Returns the
// event loop's exit code, or -1 when the root page yields no root object.
int runApplication(int argc, char *argv[], const StartupOptions &options = {});
