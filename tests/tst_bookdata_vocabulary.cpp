// SPDX-License-Identifier: GPL-3.0-or-later
// The book paragraphs state facts that the program also computes: the twelve
// stage of the day master, the ten god of a stem, the hidden stems of a branch
// and the NaYin of a pillar. The paragraphs are generated apart from the
// program, so every row is checked against the shared vocabulary.

#include "BookScriptFixture.h"
#include "Vocabulary.h"

#include <QtTest>

using namespace Vocabulary;

namespace {

const QString kConnection = QStringLiteral("bookvocabularytest");

QString stem(int s) { return qs(ganNames[normStem(s)]); }
QString branch(int z) { return qs(zhiNames[normBranch(z)]); }
QString stage(int d, int z) { return qs(yun12Names[yun12Code(d, z)]); }
QString god(int d, int g) { return qs(shen10Full(d, g).name); }

// "寅藏甲、丙、戊，分别为日主的比肩、食神、偏财" or "子中只藏癸，为日主的正印".
QString hiddenText(int day, int z)
{
    const Text digits = zhiCangGanTable[normBranch(z)].digits;
    QStringList stems, gods;
    for (char c : digits) {
        stems << stem(c - '0');
        gods << god(day, c - '0');
    }
    if (stems.size() == 1)
        return branch(z) + QStringLiteral("中只藏") + stems.first() + QStringLiteral("，为日主的") + gods.first();
    return branch(z) + QStringLiteral("藏") + stems.join(QStringLiteral("、")) + QStringLiteral("，分别为日主的")
        + gods.join(QStringLiteral("、"));
}

struct Row {
    int i1 = -1, i2 = -1, i3 = -1;
    QString text;
};

QList<Row> rowsOf(const QString &book)
{
    QList<Row> rows;
    QSqlQuery q(QSqlDatabase::database(kConnection));
    q.prepare(QStringLiteral("SELECT idx01, idx02, idx03, content01 FROM bookData WHERE bookname = ? ORDER BY seqid"));
    q.addBindValue(book);
    if (!q.exec())
        return rows;
    while (q.next()) {
        Row r;
        r.i1 = q.value(0).toInt();
        r.i2 = q.value(1).isNull() ? -1 : q.value(1).toInt();
        r.i3 = q.value(2).isNull() ? -1 : q.value(2).toInt();
        r.text = q.value(3).toString();
        rows << r;
    }
    return rows;
}

} // namespace

class TestBookDataVocabulary : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QString error = BookScriptFixture::load(kConnection);
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }

    void cleanupTestCase() { BookScriptFixture::unload(kConnection); }

    // baojian: month position 0 is the 寅 month.
    void seasonalParagraphs()
    {
        const QList<Row> rows = rowsOf(QStringLiteral("baojian"));
        QCOMPARE(rows.size(), 120);
        for (const Row &r : rows) {
            const int z = (r.i2 + 2) % 12;
            const int mainStem = zhiCangGanTable[z].digits[0] - '0';
            const QString month = branch(z) + QStringLiteral("月");
            QVERIFY2(r.text.contains(stem(r.i1) + QStringLiteral("木火土金水").mid(r.i1 / 2, 1)
                                     + QStringLiteral("生于") + month), qPrintable(r.text.left(30)));
            QVERIFY2(r.text.contains(QStringLiteral("为日主的") + god(r.i1, mainStem)), qPrintable(r.text.left(60)));
            QVERIFY2(r.text.contains(QStringLiteral("的十二长生为") + stage(r.i1, z)), qPrintable(r.text.left(60)));
        }
    }

    void strengthParagraphs()
    {
        const QList<Row> rows = rowsOf(QStringLiteral("WQLTiYao"));
        QCOMPARE(rows.size(), 1440);
        for (const Row &r : rows) {
            const QString key = QStringLiteral("%1,%2,%3").arg(r.i1).arg(r.i2).arg(r.i3);
            QVERIFY2(r.text.contains(hiddenText(r.i1, r.i2)), qPrintable(key));
            QVERIFY2(r.text.contains(hiddenText(r.i1, r.i3)), qPrintable(key));
            QVERIFY2(r.text.contains(branch(r.i2) + QStringLiteral("的十二长生为") + stage(r.i1, r.i2)), qPrintable(key));
            QVERIFY2(r.text.contains(branch(r.i3) + QStringLiteral("的十二长生为") + stage(r.i1, r.i3)), qPrintable(key));
        }
    }

    void dayHourParagraphs()
    {
        const QList<Row> rows = rowsOf(QStringLiteral("SanMingRiShiOne"));
        QCOMPARE(rows.size(), 720);
        for (const Row &r : rows) {
            const int day = stemOf(r.i1);
            const int hourStem = stemOf(r.i2), hourBranch = branchOf(r.i2);
            const QString key = jiaziName(r.i1) + jiaziName(r.i2);
            QVERIFY2(r.text.startsWith(QStringLiteral("s1p1") + jiaziName(r.i1) + QStringLiteral("日")
                                       + jiaziName(r.i2) + QStringLiteral("时")), qPrintable(key));
            QVERIFY2(r.text.contains(QStringLiteral("纳音") + qs(nayinOf(r.i1))), qPrintable(key));
            QVERIFY2(r.text.contains(QStringLiteral("纳音") + qs(nayinOf(r.i2))), qPrintable(key));
            QVERIFY2(r.text.contains(QStringLiteral("时干") + stem(hourStem)), qPrintable(key));
            QVERIFY2(r.text.contains(QStringLiteral("为日主的") + god(day, hourStem)), qPrintable(key));
            QVERIFY2(r.text.contains(hiddenText(day, hourBranch)), qPrintable(key));
        }
    }

    void dayStemHourParagraphs()
    {
        const QList<Row> rows = rowsOf(QStringLiteral("SanMingRiShiTwo"));
        QCOMPARE(rows.size(), 120);
        for (const Row &r : rows) {
            const QString key = stem(r.i1) + jiaziName(r.i2);
            QVERIFY2(r.text.startsWith(QStringLiteral("s1p1") + stem(r.i1) + QStringLiteral("日")
                                       + jiaziName(r.i2) + QStringLiteral("时")), qPrintable(key));
            QVERIFY2(r.text.contains(QStringLiteral("为日主的") + god(r.i1, stemOf(r.i2))), qPrintable(key));
            QVERIFY2(r.text.contains(branch(branchOf(r.i2)) + QStringLiteral("的十二长生为")
                                     + stage(r.i1, branchOf(r.i2))), qPrintable(key));
        }
    }

    void monthStructureParagraphs()
    {
        const QList<Row> rows = rowsOf(QStringLiteral("JinBuHuan"));
        QCOMPARE(rows.size(), 120);
        for (const Row &r : rows)
            QVERIFY2(r.text.contains(hiddenText(r.i1, r.i2)), qPrintable(QStringLiteral("%1,%2").arg(r.i1).arg(r.i2)));
    }

    void branchParagraphs()
    {
        const QList<Row> rows = rowsOf(QStringLiteral("ShiErZhiYong"));
        QCOMPARE(rows.size(), 12);
        for (const Row &r : rows) {
            const QString stems = qs(zhiCangGanTable[r.i1].stems);
            QStringList listed;
            for (const QChar c : stems)
                listed << QString(c);
            QVERIFY2(r.text.startsWith(QStringLiteral("s1p1") + branch(r.i1) + QStringLiteral("，")), qPrintable(r.text));
            QVERIFY2(r.text.contains(listed.join(QStringLiteral("、"))), qPrintable(r.text));
        }
    }
};

QTEST_GUILESS_MAIN(TestBookDataVocabulary)
#include "tst_bookdata_vocabulary.moc"
