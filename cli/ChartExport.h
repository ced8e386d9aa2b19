// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChartFile.h"
#include "Options.h"

#include <QString>
#include <QStringList>
#include <QVariantMap>

// Image, PDF and chart-file output of `chart`, and `records import-chart`.
struct ChartExportOptions {
    QString png;
    QString pdf;
    QString chartFile;
    QString name;
    QString place;
    bool luckGiven = false;
    ChartFile::Settings settings;
    bool any() const { return !png.isEmpty() || !pdf.isEmpty() || !chartFile.isEmpty(); }
};

// The options of `chart` that export: --png, --pdf, --chart-file, --name,
// --place, --script, --colours, --school and --luck-index.
void addChartExportOptions(Cli::CommandLine &line);
// Empty on success, else the usage problem.
QString readChartExportOptions(const Cli::CommandLine &line, ChartExportOptions &o);

// Casts the record as the chart file's import will and writes the asked
// files; the exit code.
int writeChartExports(const ChartExportOptions &o, const QVariantMap &record);

// Checks a chart file and adds its record to the open user database; the exit code.
int importChartFile(const QString &path);
