// SPDX-License-Identifier: GPL-3.0-or-later
#include "SelfTest.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QtTest>

// The whole-window walk's checks on single items, so a check that never fires
// shows here and not only as a quiet walk.
class TstSelfTestChecks : public QObject
{
    Q_OBJECT
private slots:
    void textWiderThanItsBox_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("overflows");
        // The probe sits in a 30 px box; its text needs several times that.
        QTest::newRow("label filling its box") << "Label { anchors.fill: parent }" << true;
        QTest::newRow("text of a set width") << "Text { width: 30 }" << true;
        QTest::newRow("label eliding at the right") << "Label { anchors.fill: parent; elide: Text.ElideRight }" << false;
        QTest::newRow("text eliding at the left") << "Text { width: 30; elide: Text.ElideLeft }" << false;
        QTest::newRow("text eliding in the middle") << "Text { width: 30; elide: Text.ElideMiddle }" << false;
        QTest::newRow("wrapping text") << "Text { width: 30; wrapMode: Text.Wrap }" << false;
        QTest::newRow("text shrinking its font")
            << "Text { width: 30; fontSizeMode: Text.HorizontalFit; minimumPixelSize: 1 }" << false;
        QTest::newRow("text of its own width") << "Text { visible: true }" << false;
        QTest::newRow("text of a wide enough box") << "Text { width: 2000 }" << false;
    }

    void textWiderThanItsBox()
    {
        QFETCH(QString, text);
        QFETCH(bool, overflows);
        QQmlEngine engine;
        QQmlComponent component(&engine);
        const QString probe = text.chopped(1) + QStringLiteral("; objectName: \"probe\"; text: \"%1\" }")
                                                    .arg(QStringLiteral("晴曜命盘显示一段很长的文字"));
        component.setData(("import QtQuick 2.15\nimport QtQuick.Controls 2.15\nItem { width: 30; height: 20; "
                           + probe + " }").toUtf8(),
                          QUrl());
        QScopedPointer<QObject> root(component.create());
        QVERIFY2(root, qPrintable(component.errorString()));
        auto *item = root->findChild<QQuickItem *>(QStringLiteral("probe"));
        QVERIFY(item);
        QCOMPARE(SelfTest::textOverflow(item) > 0, overflows);
    }
};

QTEST_MAIN(TstSelfTestChecks)
#include "tst_self_test_checks.moc"
