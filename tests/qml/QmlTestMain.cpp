// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtQuickTest>

#include "AppContext.h"
#include "EasyFunction.h"
#include "ServiceWiring.h"
#include "TestSupport.h"

#include <QGuiApplication>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickStyle>
#include <QTemporaryDir>

// Script and page tests run against the program's own resources (qrc:/js,
// qrc:/qml) in the real QML engine, with the program's style, the service
// object and its context properties, and settings in a temporary folder.
class Setup : public QObject
{
    Q_OBJECT
public slots:
    void applicationAvailable()
    {
        TestSupport::isolateUserFolders(m_home);
        QCoreApplication::setOrganizationName(QStringLiteral("Solquist"));
        QCoreApplication::setApplicationName(QStringLiteral("晴曜命盘"));
        QQuickStyle::setStyle(QStringLiteral(":/qml/MyFusion"));
        // The native types and the databases, as at start-up.
        ServiceWiring::registerTypes();
        ServiceWiring::openDatabases();
    }

    void qmlEngineAvailable(QQmlEngine *engine)
    {
        engine->addImportPath(QStringLiteral("qrc:/"));
        auto *service = new EasyFunction(qobject_cast<QGuiApplication *>(QCoreApplication::instance()), engine);
        service->setParent(engine);
        QQmlContext *context = engine->rootContext();
        context->setContextProperty(QStringLiteral("availableStyles"), QQuickStyle::availableStyles());
        context->setContextProperty(QStringLiteral("easyfunction"), service);
        context->setContextProperty(QStringLiteral("MI_LANTING"), QStringLiteral("MI LANTING"));
        context->setContextProperty(QStringLiteral("applicationLanguage"), QVariant(0));
        context->setContextProperty(QStringLiteral("applicationVersion"), AppContext::applicationVersion);
        ServiceWiring::publishContext(context);
    }

private:
    QTemporaryDir m_home;
};

QUICK_TEST_MAIN_WITH_SETUP(qmltests, Setup)

#include "QmlTestMain.moc"
