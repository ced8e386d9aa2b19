// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFile>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

// The translation sources: every text has a finished Traditional form, and
// the stem, branch and clash characters keep their calendar meaning.
class TstTranslations : public QObject
{
    Q_OBJECT

    struct Message {
        QString context;
        QString source;
        QString translation;
        bool finished = false;
    };

    static QList<Message> read(const QString &fileName)
    {
        QList<Message> out;
        QFile f(QStringLiteral(QINGYAO_SOURCE_DIR "/lang/") + fileName);
        if (!f.open(QIODevice::ReadOnly))
            return out;
        QXmlStreamReader xml(&f);
        QString context;
        Message m;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("message")) {
                m = Message{context, {}, {}, false};
            } else if (xml.name() == QLatin1String("source")) {
                m.source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const QString type = xml.attributes().value(QLatin1String("type")).toString();
                m.finished = type.isEmpty();
                m.translation = xml.readElementText();
                out << m;
            }
        }
        return out;
    }

private slots:
    void everyTextTranslated_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("Simplified") << QStringLiteral("lang_Chinese_Simp.ts");
        QTest::newRow("Traditional") << QStringLiteral("lang_Chinese_Trad.ts");
    }

    void everyTextTranslated()
    {
        QFETCH(QString, file);
        const QList<Message> messages = read(file);
        // The pages hold a few hundred texts; an almost empty file means
        // the collection step was skipped.
        QVERIFY2(messages.size() > 200, qPrintable(QString::number(messages.size())));
        QStringList missing;
        for (const Message &m : messages) {
            if (!m.finished || m.translation.isEmpty())
                missing << m.context + QLatin1String(": ") + m.source.left(30);
        }
        QVERIFY2(missing.isEmpty(), qPrintable(QString::number(missing.size()) + QLatin1String(" untranslated, e.g. ")
                                                 + missing.mid(0, 5).join(QLatin1String(" | "))));
    }

    void simplifiedIsIdentity()
    {
        for (const Message &m : read(QStringLiteral("lang_Chinese_Simp.ts")))
            QCOMPARE(m.translation, m.source);
    }

    void bothFilesHoldTheSameTexts()
    {
        QSet<QString> simp, trad;
        for (const Message &m : read(QStringLiteral("lang_Chinese_Simp.ts")))
            simp.insert(m.context + QLatin1Char('\n') + m.source);
        for (const Message &m : read(QStringLiteral("lang_Chinese_Trad.ts")))
            trad.insert(m.context + QLatin1Char('\n') + m.source);
        QCOMPARE(trad, simp);
    }

    // OpenCC reads 干 as 幹/乾, 丑 as 醜 and 冲 as 衝 by phrase; in this
    // program they are the stem word, the branch 丑 and the clash 沖, so
    // each Traditional text has as many of them as its source.
    void calendarCharacters_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("traditional");
        QTest::newRow("stem") << QStringLiteral("干") << QStringLiteral("干");
        QTest::newRow("branch") << QStringLiteral("丑") << QStringLiteral("丑");
        QTest::newRow("clash") << QStringLiteral("冲") << QStringLiteral("沖");
    }

    void calendarCharacters()
    {
        QFETCH(QString, source);
        QFETCH(QString, traditional);
        QStringList wrong;
        for (const Message &m : read(QStringLiteral("lang_Chinese_Trad.ts"))) {
            if (m.source.count(source) != m.translation.count(traditional))
                wrong << m.source.left(40);
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1String(" | "))));
    }
};

QTEST_GUILESS_MAIN(TstTranslations)
#include "tst_translations.moc"
