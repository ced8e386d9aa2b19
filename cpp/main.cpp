// SPDX-License-Identifier: GPL-3.0-or-later
#include "SelfTest.h"
#include "Startup.h"

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    // Checks of the build, not user options: "--self-test" walks every page
    // and fails on QML warnings; "--screenshots DIR" saves each state;
    // "--texts FILE" writes every shown text; "--size WIDTHxHEIGHT" (again for
    // more) walks at that window size only, so the walk can run in parts.
    StartupOptions options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--self-test") == 0)
            options.selfTest = true;
        else if (std::strcmp(argv[i], "--screenshots") == 0 && i + 1 < argc)
            options.screenshotDir = QString::fromLocal8Bit(argv[++i]);
        else if (std::strcmp(argv[i], "--texts") == 0 && i + 1 < argc)
            options.textsFile = QString::fromLocal8Bit(argv[++i]);
        else if (std::strcmp(argv[i], "--size") == 0 && i + 1 < argc) {
            const QSize size = SelfTest::parseSize(QString::fromLocal8Bit(argv[++i]));
            if (!size.isValid()) {
                std::fprintf(stderr, "--size wants WIDTHxHEIGHT, such as 480x860, not \"%s\"\n", argv[i]);
                return 2;
            }
            options.walkSizes << size;
        }
    }
    return runApplication(argc, argv, options);
}
