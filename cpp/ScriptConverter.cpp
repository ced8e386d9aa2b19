// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptConverter.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <QStringView>
#include <QVector>

// The table is the engine's own resource (cpp/scriptConversion.qrc), so the
// command-line tool and the tests have it without the window's resources.
static void initEngineResources()
{
    Q_INIT_RESOURCE(scriptConversion);
}

namespace {

struct Tables
{
    QString storage; // every key and value; the hashes view into it
    QHash<QStringView, QStringView> toTrad;
    QHash<QChar, int> longestFrom; // longest key (in UTF-16 units) by first unit
    QHash<uint, uint> fold;
    QSet<uint> simplifiedOnly;
    QSet<uint> traditionalOnly;
    bool loaded = false;
};

QVector<uint> codePoints(QStringView s)
{
    return s.toUcs4();
}

Tables load()
{
    Tables t;
    initEngineResources();
    QFile f(QStringLiteral(":/engine/scriptConversion.txt"));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qWarning("ScriptConverter: %s", qPrintable(f.errorString()));
        return t;
    }
    t.storage = QString::fromUtf8(f.readAll());
    const QStringView all(t.storage);
    int pos = 0;
    while (pos < all.size()) {
        int end = all.indexOf(QLatin1Char('\n'), pos);
        if (end < 0)
            end = all.size();
        const QStringView line = all.mid(pos, end - pos);
        pos = end + 1;
        if (line.size() < 3 || line.at(1) != QLatin1Char('\t'))
            continue;
        const QChar tag = line.at(0);
        const QStringView rest = line.mid(2);
        const int tab = rest.indexOf(QLatin1Char('\t'));
        if (tag == QLatin1Char('s') && tab > 0) {
            const QStringView key = rest.left(tab);
            t.toTrad.insert(key, rest.mid(tab + 1));
            int &longest = t.longestFrom[key.at(0)];
            longest = qMax(longest, int(key.size()));
        } else if (tag == QLatin1Char('f') && tab > 0) {
            const QVector<uint> from = codePoints(rest.left(tab));
            const QVector<uint> to = codePoints(rest.mid(tab + 1));
            if (from.size() == 1 && to.size() == 1)
                t.fold.insert(from.first(), to.first());
        } else if (tag == QLatin1Char('S') || tag == QLatin1Char('T')) {
            QSet<uint> &set = tag == QLatin1Char('S') ? t.simplifiedOnly : t.traditionalOnly;
            for (uint c : codePoints(rest))
                set.insert(c);
        }
    }
    t.loaded = !t.toTrad.isEmpty();
    return t;
}

const Tables &tables()
{
    static const Tables t = load();
    return t;
}

} // namespace

namespace ScriptConverter {

QString toTraditional(const QString &text)
{
    const Tables &t = tables();
    if (!t.loaded)
        return text;
    QString out;
    out.reserve(text.size());
    const QStringView in(text);
    int i = 0;
    while (i < in.size()) {
        const int longest = qMin(t.longestFrom.value(in.at(i), 0), int(in.size()) - i);
        int taken = 0;
        for (int n = longest; n > 0; --n) {
            const auto hit = t.toTrad.constFind(in.mid(i, n));
            if (hit != t.toTrad.constEnd()) {
                out += *hit;
                taken = n;
                break;
            }
        }
        if (taken == 0) {
            // No entry: copy one code point (both halves of a surrogate pair).
            taken = in.at(i).isHighSurrogate() && i + 1 < in.size() && in.at(i + 1).isLowSurrogate() ? 2 : 1;
            out += in.mid(i, taken);
        }
        i += taken;
    }
    return out;
}

QString toSimplified(const QString &text)
{
    const Tables &t = tables();
    QVector<uint> cps = text.toUcs4();
    for (uint &c : cps) {
        if (t.traditionalOnly.contains(c))
            c = t.fold.value(c, c);
    }
    return QString::fromUcs4(cps.constData(), cps.size());
}

QString toScript(const QString &text, int language)
{
    return language == 1 ? toTraditional(text) : toSimplified(text);
}

QString fold(const QString &text)
{
    const Tables &t = tables();
    QVector<uint> cps = text.toUcs4();
    for (uint &c : cps)
        c = t.fold.value(c, c);
    return QString::fromUcs4(cps.constData(), cps.size());
}

QString foreignCharacters(const QString &text, int language)
{
    const Tables &t = tables();
    const QSet<uint> &foreign = language == 1 ? t.simplifiedOnly : t.traditionalOnly;
    QVector<uint> found;
    for (uint c : text.toUcs4()) {
        if (foreign.contains(c) && !found.contains(c))
            found << c;
    }
    return QString::fromUcs4(found.constData(), found.size());
}

bool isLoaded()
{
    return tables().loaded;
}

} // namespace ScriptConverter
