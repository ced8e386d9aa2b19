#include <QtQuickTest>

#include <QQmlEngine>

// Script and page tests run against the program's own resources (qrc:/js,
// qrc:/qml) in the real QML engine.
class Setup : public QObject
{
    Q_OBJECT
public slots:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        engine->addImportPath(QStringLiteral("qrc:/"));
    }
};

QUICK_TEST_MAIN_WITH_SETUP(qmltests, Setup)

#include "QmlTestMain.moc"
