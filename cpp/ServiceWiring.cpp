// SPDX-License-Identifier: GPL-3.0-or-later
#include "ServiceWiring.h"

#include "AppContext.h"
#include "CalendarRules.h"
#include "DatabaseConnections.h"
#include "EasyFunction.h"
#include "GetShenShaRelations.h"
#include "ChartCalculation.h"
#include "InSight.h"
#include "SignatureCheck.h"
#include "SimpleHttpRequest.h"
#include "SqlBookDataModel.h"
#include "SqloneCustomerModel.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QQmlContext>
#include <QtQml>

namespace ServiceWiring {

// QML creates these without a parent; the default constructor arguments bind
// the models to their connections and give the request its time-outs.
void registerTypes()
{
    const char *uri = "chattutorial";
    qmlRegisterType<SqloneCustomerModel>(uri, 1, 0, "SqloneCustomerModel");
    qmlRegisterType<SqlBookDataModel>(uri, 1, 0, "SqlBookDataModel");
    qmlRegisterType<InSight>(uri, 1, 0, "InSight");
    qmlRegisterType<GetShenShaRelations>(uri, 1, 0, "GetShenShaRelations");
    qmlRegisterType<SimpleHttpRequest>(uri, 1, 0, "SimpleHttpRequest");
    qmlRegisterType<ChartCalculation>(uri, 1, 0, "ChartCalculation");
    qmlRegisterSingletonType<CalendarRules>(uri, 1, 0, "CalendarRules",
                                            [](QQmlEngine *, QJSEngine *) -> QObject * { return new CalendarRules; });
    qmlRegisterSingletonType<SignatureCheck>(uri, 1, 0, "SignatureCheck",
                                             [](QQmlEngine *, QJSEngine *) -> QObject * { return new SignatureCheck; });
}

// The result codes are only logged by the procedures themselves: a run
// without a user database file keeps going in memory.
void openDatabases()
{
    DatabaseConnections::openUserDatabase();
    // The book database is built by the first book model (the chart page).
}

void publishContext(QQmlContext *context)
{
    context->setContextProperty(QStringLiteral("userdatafile"), AppContext::userDatabasePath);
    context->setContextProperty(QStringLiteral("userdatafileIsinAppDir"), AppContext::userDatabaseInAppDir);
    context->setContextProperty(QStringLiteral("webviewHtml"), EasyFunction::loadHtmlPage(QString()));
    context->setContextProperty(QStringLiteral("webviewHtml_test"),
                                EasyFunction::loadHtmlPage(QStringLiteral("section_richtext2.html")));
    context->setContextProperty(QStringLiteral("webviewHtml_Geocoder"),
                                EasyFunction::loadHtmlPage(QStringLiteral("mapboxgl.Geocoder.html")));
    // The drawer pages' documents by file name; QML may not read resources
    // through its request object without a warning.
    QVariantMap documents;
    QDirIterator it(QStringLiteral(":/datafiles/docs"), {QStringLiteral("*.html"), QStringLiteral("*.txt")},
                    QDir::Files);
    QStringList files;
    while (it.hasNext())
        files << it.next();
    // The credits page shows the attribution list kept beside the sources.
    files << QStringLiteral(":/docs/THIRD-PARTY.md");
    for (const QString &path : qAsConst(files)) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            documents.insert(QFileInfo(file).fileName(), QString::fromUtf8(file.readAll()));
    }
    context->setContextProperty(QStringLiteral("documentPages"), documents);
}

void applyFirstStartLanguage(EasyFunction *service)
{
    if (service->isNotInZhongHuaMainLandArea().toBool() && AppContext::startCount == 1)
        service->changLanguageIndex(1);
}

// Lives until teardown; nothing sends a request through it.
QObject *createRequestObject()
{
    return new SimpleHttpRequest(20000, 30000);
}

} // namespace ServiceWiring
