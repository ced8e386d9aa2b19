// SPDX-License-Identifier: GPL-3.0-or-later
// The two models as the pages use them: created by the QML engine with no
// arguments, invokable operations called from script with two, three or four
// arguments, and the userid property set from script.
#include "DatabaseConnections.h"
#include "SqlBookDataModel.h"
#include "SqloneCustomerModel.h"
#include "TestSupport.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QtTest>

namespace {

const char *const kPage = R"(
import QtQml 2.15
import datastores.test 1.0
QtObject {
    property SqloneCustomerModel customers: SqloneCustomerModel {}
    property SqlBookDataModel book: SqlBookDataModel {}
    property string id: customers.newCustomer(1, 0, "2019年7月16日9时5分", "公历 2019年7月16日", "116.4",
                                             "北京", "王五", "同事", "", "1", "0", "0", "0", "2", "120")
    function nameOf(uid) { customers.userid = uid; return customers.getCustInfoByStrName(uid, "name") }
    function two() { return book.getContentByFieldFilter("ShiGanTiXiang", "0") }
    function three() { return book.getContentByFieldFilter("baojian", "0", "0") }
    function four() { return book.getContentByFieldFilter("baojian", "0", "0", "5") }
}
)";

} // namespace

class TestDataModelsQml : public QObject
{
    Q_OBJECT
private slots:
    void pageUsesBothModels()
    {
        QTemporaryDir dir;
        TestSupport::openFreshUserDatabase(dir);
        QCOMPARE(DatabaseConnections::buildBookDatabase(), 0);
        qmlRegisterType<SqloneCustomerModel>("datastores.test", 1, 0, "SqloneCustomerModel");
        qmlRegisterType<SqlBookDataModel>("datastores.test", 1, 0, "SqlBookDataModel");

        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData(kPage, QUrl());
        QScopedPointer<QObject> page(component.create());
        QVERIFY2(page, qPrintable(component.errorString()));

        const QString id = page->property("id").toString();
        QVERIFY(id.startsWith(QLatin1Char('{')));
        QVariant result;
        QVERIFY(QMetaObject::invokeMethod(page.data(), "nameOf", Q_RETURN_ARG(QVariant, result), Q_ARG(QVariant, id)));
        QCOMPARE(result.toString(), QStringLiteral("王五"));
        auto *customers = page->property("customers").value<SqloneCustomerModel *>();
        QVERIFY(customers);
        QCOMPARE(customers->userid(), id);
        QCOMPARE(customers->rowCount(), 1);

        QVERIFY(QMetaObject::invokeMethod(page.data(), "two", Q_RETURN_ARG(QVariant, result)));
        QCOMPARE(result.toString(), QStringLiteral("s1p1甲木参天p2s2"));
        QVERIFY(QMetaObject::invokeMethod(page.data(), "three", Q_RETURN_ARG(QVariant, result)));
        QCOMPARE(result.toString(), QStringLiteral("s1p1甲木生于寅月p2s2"));
        TestSupport::LogCapture log;
        QVERIFY(QMetaObject::invokeMethod(page.data(), "four", Q_RETURN_ARG(QVariant, result)));
        QCOMPARE(result.toString(), QStringLiteral("不适用")); // baojian has no third index
        QCOMPARE(log.lines(), QStringList{QStringLiteral("rowCount() != 1 (0), need to re-select by filter.")});
    }
};

QTEST_GUILESS_MAIN(TestDataModelsQml)
#include "tst_datamodels_qml.moc"
