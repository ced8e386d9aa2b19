// SPDX-License-Identifier: GPL-3.0-or-later
#include "Command.h"

#include "AppContext.h"

static const CliCommand versionCommand{
    "version", "version", "print the program version",
    [](const QStringList &args) {
        if (!args.isEmpty())
            return cliUsageError(QStringLiteral("version takes no arguments"));
        cliWrite(AppContext::applicationVersion + QLatin1Char('\n'));
        return 0;
    }};
