#include "ServiceWiring.h"

#include "AppContext.h"
#include "EasyFunction.h"

#include <QQmlContext>
#include <QtQml>

// The native types join as their classes land; each is registered only when
// its header is part of the build, always in the fixed order below.
#if __has_include("SqloneCustomerModel.h")
#include "SqloneCustomerModel.h"
#define QINGYAO_HAS_CUSTOMER_MODEL 1
#endif
#if __has_include("SqlBookDataModel.h")
#include "SqlBookDataModel.h"
#define QINGYAO_HAS_BOOK_MODEL 1
#endif
#if __has_include("InSight.h")
#include "InSight.h"
#define QINGYAO_HAS_INSIGHT 1
#endif
#if __has_include("GetShenShaRelations.h")
#include "GetShenShaRelations.h"
#define QINGYAO_HAS_RELATIONS 1
#endif
#if __has_include("SimpleHttpRequest.h")
#include "SimpleHttpRequest.h"
#define QINGYAO_HAS_HTTP_REQUEST 1
#endif

namespace ServiceWiring {

void registerTypes()
{
    const char *uri = "chattutorial";
#ifdef QINGYAO_HAS_CUSTOMER_MODEL
    qmlRegisterType<SqloneCustomerModel>(uri, 1, 0, "SqloneCustomerModel");
#endif
#ifdef QINGYAO_HAS_BOOK_MODEL
    qmlRegisterType<SqlBookDataModel>(uri, 1, 0, "SqlBookDataModel");
#endif
#ifdef QINGYAO_HAS_INSIGHT
    qmlRegisterType<InSight>(uri, 1, 0, "InSight");
#endif
#ifdef QINGYAO_HAS_RELATIONS
    qmlRegisterType<GetShenShaRelations>(uri, 1, 0, "GetShenShaRelations");
#endif
#ifdef QINGYAO_HAS_HTTP_REQUEST
    qmlRegisterType<SimpleHttpRequest>(uri, 1, 0, "SimpleHttpRequest");
#endif
    Q_UNUSED(uri)
}

// TODO(issue 6/9): user database opening and book database building.
void openDatabases()
{
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
}

void applyFirstStartLanguage(EasyFunction *service)
{
    if (service->isNotInZhongHuaMainLandArea().toBool() && AppContext::startCount == 1)
        service->changLanguageIndex(1);
}

// One request object lives for the whole run; nothing sends through it.
QObject *createRequestObject()
{
#ifdef QINGYAO_HAS_HTTP_REQUEST
    return new SimpleHttpRequest(20000, 30000);
#else
    return nullptr;
#endif
}

} // namespace ServiceWiring
