// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptConverter.h"

#include <QByteArray>
#include <QResource>
#include <QVector>

#include <array>
#include <bitset>
#include <cstring>

// The table is the engine's own resource (cpp/scriptConversion.qrc), so the
// command-line tool and the tests have it without the window's resources.
static void initEngineResources()
{
    Q_INIT_RESOURCE(scriptConversion);
}

namespace {

// The table's rows, sorted by tag and key as bytes, read where the resource
// lies in the program: a search converts a few characters, and building
// hashes of the 57,000 rows cost more than the rest of its start.
struct Table
{
    QByteArray text; // raw view of the resource, or its unpacked copy
    const char *rows = nullptr; // first row after the comment lines
    const char *end = nullptr;
    // By tag: the first byte of its lowest key; text below it has no row
    // (ASCII, most punctuation), so it is passed without a search.
    std::array<unsigned char, 128> lowestLead{};
    // The first bytes that start an `s` key (phrases begin with "SQL", "PN" ...).
    std::bitset<256> phraseLeads;
};

Table load()
{
    Table t;
    initEngineResources();
    const QResource resource(QStringLiteral(":/engine/scriptConversion.txt"));
    if (!resource.isValid()) {
        qWarning("ScriptConverter: the conversion table is missing");
        return t;
    }
    t.text = resource.compressionAlgorithm() == QResource::NoCompression
                     ? QByteArray::fromRawData(reinterpret_cast<const char *>(resource.data()), int(resource.size()))
                     : resource.uncompressedData();
    const char *p = t.text.constData();
    t.end = p + t.text.size();
    while (p < t.end && *p == '#') {
        p = static_cast<const char *>(std::memchr(p, '\n', size_t(t.end - p)));
        p = p ? p + 1 : t.end;
    }
    t.rows = p;
    return t;
}

Table loadIndexed();

const Table &table()
{
    static const Table t = loadIndexed();
    return t;
}

struct Bytes
{
    const char *data = nullptr;
    int size = 0;
};

// The key of the row that starts at `line` ("tag<TAB>key<TAB>value" or
// "tag<TAB>key"); its tag is line[0].
Bytes rowKey(const char *line, const char *end)
{
    const char *key = qMin(line + 2, end);
    const char *p = key;
    while (p < end && *p != '\n' && *p != '\t')
        ++p;
    return {key, int(p - key)};
}

// Rows order by tag, then key bytes.
int compareRow(const char *line, const char *end, char tag, Bytes key)
{
    if (line[0] != tag)
        return static_cast<unsigned char>(line[0]) < static_cast<unsigned char>(tag) ? -1 : 1;
    const Bytes k = rowKey(line, end);
    const int c = std::memcmp(k.data, key.data, size_t(qMin(k.size, key.size)));
    return c != 0 ? c : (k.size < key.size ? -1 : k.size > key.size ? 1 : 0);
}

// The last row not above (tag, key), or null.
const char *floorRow(const Table &t, char tag, Bytes key)
{
    const char *lo = t.rows; // rows before lo are not above
    const char *hi = t.end; // rows from hi on are above
    while (lo < hi) {
        const char *mid = lo + (hi - lo) / 2;
        while (mid > lo && mid[-1] != '\n')
            --mid;
        const char *next = static_cast<const char *>(std::memchr(mid, '\n', size_t(hi - mid)));
        next = next ? next + 1 : hi;
        if (compareRow(mid, t.end, tag, key) <= 0)
            lo = next;
        else
            hi = mid;
    }
    if (lo == t.rows)
        return nullptr;
    const char *row = lo - 1;
    while (row > t.rows && row[-1] != '\n')
        --row;
    return row;
}

// The value after `key` in its row (empty for a set row).
Bytes rowValue(Bytes key, const char *end)
{
    const char *value = key.data + key.size;
    if (value >= end || *value != '\t')
        return {value, 0};
    ++value;
    const char *eol = static_cast<const char *>(std::memchr(value, '\n', size_t(end - value)));
    return {value, int((eol ? eol : end) - value)};
}

// The value of the row (tag, key), or null data when there is none.
Bytes lookup(const Table &t, char tag, Bytes key)
{
    if (key.size == 0 || static_cast<unsigned char>(key.data[0]) < t.lowestLead[size_t(tag)])
        return {};
    const char *row = floorRow(t, tag, key);
    if (!row || compareRow(row, t.end, tag, key) != 0)
        return {};
    return rowValue(rowKey(row, t.end), t.end);
}

// The longest `s` key that starts `text`: bisect for the greatest key not
// above the text; when it is no prefix, every key that is one is no longer
// than what the two share, so bisect again for that much.
int longestPhrase(const Table &t, Bytes text, Bytes *value)
{
    int length = text.size;
    while (length > 0) {
        const char *row = floorRow(t, 's', {text.data, length});
        if (!row || row[0] != 's')
            return 0;
        const Bytes k = rowKey(row, t.end);
        int shared = 0;
        while (shared < k.size && shared < length && k.data[shared] == text.data[shared])
            ++shared;
        if (shared == k.size && k.size > 0) {
            *value = rowValue(k, t.end);
            return k.size;
        }
        length = shared;
    }
    return 0;
}

Table loadIndexed()
{
    Table t = load();
    t.lowestLead.fill(0xFF);
    if (!t.rows)
        return t;
    for (const char tag : {'S', 'T', 'f', 's'}) {
        const char *before = floorRow(t, tag, {"", 0});
        const char *first = t.rows;
        if (before) {
            first = static_cast<const char *>(std::memchr(before, '\n', size_t(t.end - before)));
            first = first ? first + 1 : t.end;
        }
        if (t.end - first > 2 && first[0] == tag)
            t.lowestLead[size_t(tag)] = static_cast<unsigned char>(first[2]);
    }
    // Keys are UTF-8, which never holds 0xFF: the greatest key below
    // (lead, 0xFF) starts with `lead` when any does.
    for (int lead = 0; lead < 256; ++lead) {
        const char probe[2] = {char(lead), char(0xFF)};
        const char *row = floorRow(t, 's', {probe, 2});
        if (row && row[0] == 's' && t.end - row > 2 && static_cast<unsigned char>(row[2]) == lead)
            t.phraseLeads.set(size_t(lead));
    }
    return t;
}

int utf8Length(unsigned char lead)
{
    return lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

// Valid UTF-16 text through the table in UTF-8.
void appendTraditional(const Table &t, QStringView text, QString &out)
{
    const QByteArray in = text.toUtf8();
    QByteArray converted;
    converted.reserve(in.size() + in.size() / 4);
    const char *p = in.constData();
    const char *end = p + in.size();
    while (p < end) {
        if (!t.phraseLeads.test(static_cast<unsigned char>(*p))) {
            const char *from = p;
            while (p < end && !t.phraseLeads.test(static_cast<unsigned char>(*p)))
                p += qMin(utf8Length(static_cast<unsigned char>(*p)), int(end - p));
            converted.append(from, int(p - from));
            continue;
        }
        Bytes value;
        const int taken = longestPhrase(t, {p, int(end - p)}, &value);
        if (taken > 0) {
            converted.append(value.data, value.size);
            p += taken;
        } else {
            const int n = qMin(utf8Length(static_cast<unsigned char>(*p)), int(end - p));
            converted.append(p, n);
            p += n;
        }
    }
    out += QString::fromUtf8(converted);
}

// Each code point of `text` through `map`, which sees it as UTF-8 and answers
// the replacement's UTF-8 or null data to keep it.
template<typename Map>
QString mapCodePoints(const QString &text, Map map)
{
    QString out;
    out.reserve(text.size());
    const QStringView in(text);
    for (int i = 0; i < in.size();) {
        const int n = in.at(i).isHighSurrogate() && i + 1 < in.size() && in.at(i + 1).isLowSurrogate() ? 2 : 1;
        const QStringView c = in.mid(i, n);
        i += n;
        if (c.at(0).isSurrogate() && n == 1) {
            out += c;
            continue;
        }
        const uint u = n == 2 ? QChar::surrogateToUcs4(c.at(0), c.at(1)) : c.at(0).unicode();
        char utf8[4];
        int size = 0;
        if (u < 0x80) {
            utf8[size++] = char(u);
        } else {
            static const unsigned char prefix[] = {0, 0xC0, 0xE0, 0xF0};
            const int more = u < 0x800 ? 1 : u < 0x10000 ? 2 : 3;
            utf8[size++] = char(prefix[more] | (u >> (6 * more)));
            for (int k = more - 1; k >= 0; --k)
                utf8[size++] = char(0x80 | ((u >> (6 * k)) & 0x3F));
        }
        const Bytes to = map(Bytes{utf8, size});
        if (to.data)
            out += QString::fromUtf8(to.data, to.size);
        else
            out += c;
    }
    return out;
}

} // namespace

namespace ScriptConverter {

QString toTraditional(const QString &text)
{
    const Table &t = table();
    if (!t.rows)
        return text;
    QString out;
    out.reserve(text.size());
    const QStringView in(text);
    // Lone surrogates have no UTF-8 form: they pass unchanged and split the
    // text into the parts that are converted.
    int from = 0;
    for (int i = 0; i < in.size(); ++i) {
        const QChar c = in.at(i);
        if (c.isHighSurrogate() && i + 1 < in.size() && in.at(i + 1).isLowSurrogate()) {
            ++i;
        } else if (c.isSurrogate()) {
            appendTraditional(t, in.mid(from, i - from), out);
            out += c;
            from = i + 1;
        }
    }
    appendTraditional(t, in.mid(from), out);
    return out;
}

QString toSimplified(const QString &text)
{
    const Table &t = table();
    if (!t.rows)
        return text;
    return mapCodePoints(text, [&](Bytes c) {
        return lookup(t, 'T', c).data ? lookup(t, 'f', c) : Bytes{};
    });
}

QString toScript(const QString &text, int language)
{
    return language == 1 ? toTraditional(text) : toSimplified(text);
}

QString fold(const QString &text)
{
    const Table &t = table();
    if (!t.rows)
        return text;
    return mapCodePoints(text, [&](Bytes c) { return lookup(t, 'f', c); });
}

QString foreignCharacters(const QString &text, int language)
{
    const Table &t = table();
    QVector<uint> found;
    if (!t.rows)
        return QString();
    const char tag = language == 1 ? 'S' : 'T';
    mapCodePoints(text, [&](Bytes c) {
        if (lookup(t, tag, c).data) {
            const uint u = QString::fromUtf8(c.data, c.size).toUcs4().value(0);
            if (!found.contains(u))
                found << u;
        }
        return Bytes{};
    });
    return QString::fromUcs4(found.constData(), found.size());
}

bool isLoaded()
{
    return table().rows != nullptr && table().rows < table().end;
}

} // namespace ScriptConverter
