// SPDX-License-Identifier: GPL-3.0-or-later
#include "Options.h"

#include <cstdio>

namespace Cli {

namespace {

int report(const QString &message, int code)
{
    const QByteArray bytes = (QStringLiteral("qingyao-cli: ") + message + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    return code;
}

// "-5" and "-0.5" are values (relations takes -1 for "no pillar"), not options.
bool isNegativeNumber(const QString &text)
{
    return text.size() > 1 && text[0] == QLatin1Char('-') && (text[1].isDigit() || text[1] == QLatin1Char('.'));
}

template <typename Text>
bool readIntFrom(const Text &text, int min, int max, int &value)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok || v < min || v > max)
        return false;
    value = v;
    return true;
}

template <typename Text>
bool readNumberFrom(const Text &text, double min, double max, double &value)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !(v >= min && v <= max)) // NaN fails both
        return false;
    value = v;
    return true;
}

bool digits(const char *p, int count, int &value)
{
    value = 0;
    for (int i = 0; i < count; ++i) {
        if (p[i] < '0' || p[i] > '9')
            return false;
        value = value * 10 + (p[i] - '0');
    }
    return true;
}

// "YYYY-MM-DD" at p.
bool dateFields(const char *p, int fields[3])
{
    return digits(p, 4, fields[0]) && p[4] == '-' && digits(p + 5, 2, fields[1]) && p[7] == '-'
        && digits(p + 8, 2, fields[2]);
}

} // namespace

CommandLine::CommandLine(const char *command, const char *synopsis, const char *description)
    : m_command(QString::fromUtf8(command))
    , m_synopsis(QString::fromUtf8(synopsis))
{
    m_parser.setApplicationDescription(QString::fromUtf8(description));
    // "-json" reads as "--json", as the older hand-made parsing allowed nothing
    // else; compacted short options are of no use with long option names.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                                          QStringLiteral("display this help and exit")));
}

void CommandLine::addFlag(const char *name, const char *help)
{
    m_parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString::fromUtf8(help)));
}

void CommandLine::addValue(const char *name, const char *valueName, const char *help)
{
    m_valueNames << QString::fromLatin1(name);
    m_parser.addOption(
        QCommandLineOption(m_valueNames.last(), QString::fromUtf8(help), QString::fromUtf8(valueName)));
}

bool CommandLine::parse(const QStringList &args, int &exitCode)
{
    // Options (with their values) first, then the positional arguments after
    // "--", so that a negative number is never read as an option.
    QStringList options;
    QStringList positional;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--")) {
            positional += args.mid(i + 1);
            break;
        }
        if (a.size() < 2 || !a.startsWith(QLatin1Char('-')) || isNegativeNumber(a)) {
            positional << a;
            continue;
        }
        options << a;
        const QString name = a.mid(a.startsWith(QLatin1String("--")) ? 2 : 1);
        if (!m_valueNames.contains(name))
            continue;
        if (i + 1 == args.size()) {
            exitCode = usageError(QStringLiteral("%1: missing value after '%2' (try qingyao-cli %1 --help)")
                                      .arg(m_command, a));
            return false;
        }
        options << args[++i];
    }
    if (!m_parser.parse(QStringList{m_command} + options + QStringList{QStringLiteral("--")} + positional)) {
        QString why = m_parser.errorText();
        if (why.endsWith(QLatin1Char('.')))
            why.chop(1);
        if (!why.isEmpty())
            why[0] = why[0].toLower();
        exitCode = usageError(QStringLiteral("%1: %2 (try qingyao-cli %1 --help)").arg(m_command, why));
        return false;
    }
    if (m_parser.isSet(QStringLiteral("help"))) {
        const QByteArray bytes = helpText().toUtf8();
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
        exitCode = 0;
        return false;
    }
    return true;
}

bool CommandLine::parseNoArguments(const QStringList &args, int &exitCode, const QString &refusal)
{
    if (!parse(args, exitCode))
        return false;
    if (positional().isEmpty())
        return true;
    exitCode = usageError(refusal.isEmpty() ? m_command + QStringLiteral(" takes no arguments") : refusal);
    return false;
}

bool CommandLine::isSet(const char *name) const
{
    return m_parser.isSet(QString::fromLatin1(name));
}

QString CommandLine::value(const char *name) const
{
    return m_parser.value(QString::fromLatin1(name));
}

QStringList CommandLine::positional() const
{
    return m_parser.positionalArguments();
}

QString CommandLine::helpText() const
{
    // Qt's option table under our own usage lines: Qt would name the program
    // by its path and leave the command out.
    QString usage;
    for (const QString &form : m_synopsis.split(QLatin1Char('\n')))
        usage += (usage.isEmpty() ? QStringLiteral("Usage: qingyao-cli ") : QStringLiteral("  or:  qingyao-cli "))
            + form + QLatin1Char('\n');
    // The description wrapped as Qt wraps the option texts.
    QString description;
    int lineLength = 0;
    for (const QString &word : m_parser.applicationDescription().split(QLatin1Char(' '))) {
        if (lineLength > 0 && lineLength + 1 + word.size() > 79) {
            description += QLatin1Char('\n');
            lineLength = 0;
        } else if (lineLength > 0) {
            description += QLatin1Char(' ');
            ++lineLength;
        }
        description += word;
        lineLength += word.size();
    }
    const QString qtHelp = m_parser.helpText();
    return usage + description + QStringLiteral("\n\n") + qtHelp.mid(qtHelp.indexOf(QLatin1String("Options:")));
}

bool readInt(const QString &text, int min, int max, int &value)
{
    return readIntFrom(text, min, max, value);
}

bool readInt(const QByteArray &text, int min, int max, int &value)
{
    return readIntFrom(text, min, max, value);
}

bool readNumber(const QString &text, double min, double max, double &value)
{
    return readNumberFrom(text, min, max, value);
}

bool readNumber(const QByteArray &text, double min, double max, double &value)
{
    return readNumberFrom(text, min, max, value);
}

bool readChoice(const QString &text, const QStringList &choices, int &index)
{
    const int at = choices.indexOf(text);
    if (at < 0)
        return false;
    index = at;
    return true;
}

bool readFilePath(const QString &text, QString &path)
{
    if (text.isEmpty())
        return false;
    path = text;
    return true;
}

bool readDate(const QString &text, QDate &date)
{
    const QByteArray bytes = text.trimmed().toLatin1();
    int fields[3];
    if (bytes.size() != 10 || !dateFields(bytes.constData(), fields))
        return false;
    date = QDate(fields[0], fields[1], fields[2]);
    return date.isValid();
}

bool readDateTime(const char *p, int length, int fields[5])
{
    if (length != 16 && length != 15)
        return false;
    const int hourDigits = length - 14;
    return dateFields(p, fields) && p[10] == ' ' && digits(p + 11, hourDigits, fields[3])
        && p[11 + hourDigits] == ':' && digits(p + 12 + hourDigits, 2, fields[4]);
}

bool readDateTime(const QString &text, int fields[5])
{
    const QByteArray bytes = text.trimmed().toLatin1();
    return readDateTime(bytes.constData(), bytes.size(), fields);
}

int usageError(const QString &message)
{
    return report(message, 2);
}

int failure(const QString &message)
{
    return report(message, 1);
}

} // namespace Cli
