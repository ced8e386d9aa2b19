// SPDX-License-Identifier: GPL-3.0-or-later
#include "Startup.h"

#include "AppContext.h"
#include "EasyFunction.h"
#include "QmlNetworkGuard.h"
#include "SelfTest.h"
#include "ServiceWiring.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QIcon>
#include <QLibrary>
#include <QQmlAbstractUrlInterceptor>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QScreen>
#include <QSet>
#include <QSettings>
#include <QThread>
#include <QSslSocket>
#include <QUuid>

#include <atomic>

namespace {

const QString kMobileFontFamily = QStringLiteral("MI LANTING");

// Software rendering: Qt Quick has no GL context to share with the web engine.
bool softwareScene()
{
    const QByteArray backend = qgetenv("QT_QUICK_BACKEND");
    return backend == "software" || backend == "softwarecontext";
}

// The web engine starts with the first page that imports QtWebView: the Qt
// WebView library prepares it as it is loaded, and that must happen on the
// GUI thread, before the QML loader thread reaches the module's plugin. A page
// is requested on the GUI thread, so that is where its file is looked at.
class WebViewOnFirstUse : public QQmlAbstractUrlInterceptor
{
public:
    QUrl intercept(const QUrl &url, DataType type) override
    {
        if (m_loaded || type != QmlFile || QThread::currentThread() != qApp->thread() || m_checked.contains(url))
            return url;
        m_checked.insert(url);
        QFile file(url.scheme() == QLatin1String("qrc") ? QLatin1Char(':') + url.path() : url.toLocalFile());
        if (file.open(QIODevice::ReadOnly) && file.readAll().contains("import QtWebView")) {
            m_loaded = true;
            QLibrary webView(QStringLiteral("Qt5WebView"), 5);
            if (!webView.load())
                qWarning("Cannot load Qt WebView: %s", qPrintable(webView.errorString()));
        }
        return url;
    }

private:
    QSet<QUrl> m_checked;            // GUI thread only
    std::atomic<bool> m_loaded{false}; // read by the loader thread too
};

void applyFont()
{
    const QString platform = QGuiApplication::platformName();
    QFont font;
    if (platform == QLatin1String("android") || platform == QLatin1String("ios")) {
        font.setFamily(kMobileFontFamily);
        font.setPixelSize(12);
    } else {
        const QString family = QStringLiteral("微软雅黑");
#if defined(Q_OS_LINUX)
        // The Windows family is not installed here; send it to the CJK fonts
        // fontconfig knows, so Chinese text never falls back to boxes.
        QFont::insertSubstitutions(family, {QStringLiteral("Noto Sans CJK SC"),
                                            QStringLiteral("Noto Sans CJK TC"),
                                            QStringLiteral("WenQuanYi Micro Hei")});
#endif
        font.setFamily(family);
        font.setPixelSize(12);
        font.setStyleHint(QFont::AnyStyle, QFont::PreferAntialias);
    }
    QGuiApplication::setFont(font);
}

void applyStyle()
{
    QSettings settings;
    const QString stored = settings.value(QStringLiteral("style")).toString();
    const QString current = QQuickStyle::name();
    if (!current.isEmpty())
        settings.setValue(QStringLiteral("style"), current);
    else if (!settings.contains(QStringLiteral("style")))
        settings.setValue(QStringLiteral("style"), QStringLiteral("Default")); // the library's own default
    QQuickStyle::setStyle(styleToApply(stored));
}

} // namespace

QString styleToApply(const QString &stored)
{
    if (stored == QLatin1String("Default") || stored.trimmed().isEmpty())
        return QStringLiteral(":/qml/MyFusion");
    return stored;
}

int runApplication(int argc, char *argv[], const StartupOptions &options)
{
    // 1. Identity and global attributes. The name goes through tr() although no
    // translator is installed yet, so it stays as written.
    QCoreApplication::setApplicationName(QObject::tr("晴曜命盘"));
    QCoreApplication::setOrganizationName(QStringLiteral("Solquist"));
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    // The web engine behind the web views shares GL contexts with Qt Quick.
    // It starts with the first page that imports QtWebView (the module's
    // plugin prepares it on loading), so a window that shows no web page pays
    // neither for it nor, under a software scene, for a GL context at all.
    if (!softwareScene())
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts, true);
    QQuickWindow::setTextRenderType(QQuickWindow::QtTextRendering);

    // 2.
    auto *app = new QGuiApplication(argc, argv);
    // The installed desktop entry's name, so desktops match the window to it.
    QGuiApplication::setDesktopFileName(QStringLiteral(QINGYAO_APP_ID));

    // 3. Per-install identifier.
    {
        QSettings settings;
        QString uuid = settings.value(QStringLiteral("localuuid")).toString();
        if (uuid.size() < 16) {
            uuid = QUuid::createUuid().toString(QUuid::WithBraces);
            settings.setValue(QStringLiteral("localuuid"), uuid);
        }
        AppContext::platformIdentity += QLatin1Char('/') + uuid;
    }

    // 4. The settings object that lives for the whole run; logging from here on.
    auto *settings = new QSettings;
    AppLog::setSaving(settings->value(QStringLiteral("allowtosavelog"), QStringLiteral("0")).toInt());
    AppLog::install();

    // 5.
    AppContext::startCount = settings->value(QStringLiteral("appStartupTimes"), QStringLiteral("0")).toInt() + 1;
    settings->setValue(QStringLiteral("appStartupTimes"), QString::number(AppContext::startCount));
    AppContext::languageIndex = settings->value(QStringLiteral("appLanguage"), QStringLiteral("0")).toInt();

    // 6.
    qWarning().noquote() << "applicationStartupTimes is :" << AppContext::startCount;
    qWarning().noquote() << "the name of platform is :" << AppContext::platformIdentity;

    // 7. and 8.
    applyFont();
    for (const QString &family : QFontDatabase().families(QFontDatabase::SimplifiedChinese))
        qWarning().noquote() << family;

    // 9. and 10.
    ServiceWiring::registerTypes();
    ServiceWiring::openDatabases();

    // 11.
    QIcon::setThemeName(QStringLiteral("gallery"));
    // The installed icon (hicolor theme); none when run from the build folder.
    QGuiApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(QINGYAO_APP_ID)));

    // 12. and 13.
    applyStyle();
    qWarning().noquote() << "theMiLanTingName using is:" << kMobileFontFamily;

    // 14.
    auto *engine = new QQmlApplicationEngine;
    WebViewOnFirstUse webViewOnFirstUse;
    engine->setUrlInterceptor(&webViewOnFirstUse);
    // Outlives the engine (deleted below); pages fetch only our own files and
    // the configured services.
    QmlNetworkGuard networkGuard(QmlNetworkGuard::configuredHosts());
    engine->setNetworkAccessManagerFactory(&networkGuard);
    auto *service = new EasyFunction(app, engine);
    if (options.selfTest || !options.screenshotDir.isEmpty() || !options.textsFile.isEmpty())
        new SelfTest(engine, {options.selfTest, options.screenshotDir, options.textsFile, options.walkSizes});

    // 15. Snapshots, set once before the root page loads.
    QQmlContext *context = engine->rootContext();
    context->setContextProperty(QStringLiteral("availableStyles"), QQuickStyle::availableStyles());
    context->setContextProperty(QStringLiteral("easyfunction"), service);
    context->setContextProperty(QStringLiteral("MI_LANTING"), kMobileFontFamily);
    context->setContextProperty(QStringLiteral("applicationLanguage"), AppContext::languageIndex);
    context->setContextProperty(QStringLiteral("applicationVersion"), AppContext::applicationVersion);
    ServiceWiring::publishContext(context);

    // 16.
    ServiceWiring::applyFirstStartLanguage(service);

    // 17.
    engine->load(options.rootPage);
    int result = -1;
    QObject *request = nullptr;
    if (!engine->rootObjects().isEmpty()) {
        // 18.
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            qWarning() << "primary size:" << screen->size().width() << "," << screen->size().height();
            qWarning() << "thisScree\nLDPIx:" << screen->logicalDotsPerInchX();
        }
        // 19.
        request = ServiceWiring::createRequestObject();
        // 20.
        qDebug().noquote() << "ssl build:" << QSslSocket::sslLibraryBuildVersionString();
        qDebug().noquote() << "ssl run:" << QSslSocket::sslLibraryVersionString();
        qDebug() << "ssl,supportsSsl:" << QSslSocket::supportsSsl();
        result = QGuiApplication::exec();
    }

    // 21. Reverse order of creation, except that the pages (with the engine)
    // go before the service object their bindings call until the end.
    delete request;
    delete engine;
    delete service;
    delete settings;
    delete app;
    return result;
}
