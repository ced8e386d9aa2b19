// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Options.h"

#include <QStringList>

// Subcommands of qingyao-cli register themselves from their own source file:
//   static const CliCommand terms{"terms", "the solar-term table", runTerms};
// The summary is the command's line in "qingyao-cli --help". A command reads
// its arguments with a Cli::CommandLine and returns the process exit code;
// bad arguments give 2 with one line on standard error (Cli::usageError).
struct CliCommand {
    using Handler = int (*)(const QStringList &args);
    CliCommand(const char *name, const char *summary, Handler run);
};

// Standard output as UTF-8 text.
void cliWrite(const QString &text);
