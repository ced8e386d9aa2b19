// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCommandLineParser>
#include <QDate>
#include <QString>
#include <QStringList>

// Reading a command's arguments: one parser per command (QCommandLineParser
// with the command's synopsis and help), and the value readers every command
// shares. A reader returns false when the text is not a value of its kind.
namespace Cli {

class CommandLine
{
public:
    // synopsis: what follows "qingyao-cli " in the usage lines, one form a line.
    CommandLine(const char *command, const char *synopsis, const char *description);

    void addFlag(const char *name, const char *help);
    void addValue(const char *name, const char *valueName, const char *help);

    // False when the command is done already: its help went to standard
    // output (exitCode 0) or a usage error to standard error (exitCode 2).
    // A negative number stands as a positional argument, not as an option.
    bool parse(const QStringList &args, int &exitCode);
    // parse() for a command without positional arguments: one is a usage
    // error, with refusal or else "<command> takes no arguments".
    bool parseNoArguments(const QStringList &args, int &exitCode, const QString &refusal = QString());

    bool isSet(const char *name) const;
    QString value(const char *name) const;
    QStringList positional() const;
    QString helpText() const;

private:
    QCommandLineParser m_parser;
    QString m_command;
    QString m_synopsis;
    QStringList m_valueNames;
};

// A whole number in min..max (surrounding blanks allowed).
bool readInt(const QString &text, int min, int max, int &value);
bool readInt(const QByteArray &text, int min, int max, int &value);
// A finite number in min..max.
bool readNumber(const QString &text, double min, double max, double &value);
bool readNumber(const QByteArray &text, double min, double max, double &value);
// The index of text among choices.
bool readChoice(const QString &text, const QStringList &choices, int &index);
// A file path: any text but the empty one.
bool readFilePath(const QString &text, QString &path);
// "YYYY-MM-DD" as an existing Gregorian day.
bool readDate(const QString &text, QDate &date);
// "YYYY-MM-DD HH:MM", the hour may have one digit; fields are year, month,
// day, hour, minute. Ranges are left to the engine, which rejects what it
// cannot place.
bool readDateTime(const char *text, int length, int fields[5]);
bool readDateTime(const QString &text, int fields[5]);

// "qingyao-cli: <message>" on standard error; returns 2, the exit code of a
// usage error.
int usageError(const QString &message);
// The same line for a failure that is not the caller's wording; returns 1.
int failure(const QString &message);

} // namespace Cli
