// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <functional>

// Subcommands of qingyao-cli register themselves from their own source file:
//   static const CliCommand terms{"terms", "terms", "solar-term table", runTerms};
// A command returns the process exit code; bad arguments give 2 with one line
// on standard error (see cliUsageError).
struct CliCommand {
    using Handler = std::function<int(const QStringList &args)>;
    CliCommand(const char *name, const char *usage, const char *summary, Handler run);
};

// Prints "qingyao-cli: <message>" on standard error and returns 2.
int cliUsageError(const QString &message);
// Standard output as UTF-8 text.
void cliWrite(const QString &text);
