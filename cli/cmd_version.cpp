// SPDX-License-Identifier: GPL-3.0-or-later
#include "Command.h"

#include "AppContext.h"

static const CliCommand versionCommand{
    "version", "print the program version",
    [](const QStringList &args) {
        Cli::CommandLine line("version", "version", "Prints the program version.");
        int code = 0;
        if (!line.parseNoArguments(args, code))
            return code;
        cliWrite(AppContext::applicationVersion + QLatin1Char('\n'));
        return 0;
    }};
