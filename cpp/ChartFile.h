// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChartCalculation.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVariantMap>

class InSight;
class QSqlDatabase;

// A shared chart as a file that carries its own provenance: the record's
// stored fields, the settings that shaped the chart and the pillars it gave,
// so whoever opens it can recompute and check. Also the one place where a
// record and settings become a cast chart for export (window and command line).
namespace ChartFile {

inline const QString formatName = QStringLiteral("qingyao-chart");
constexpr int formatVersion = 1;

struct Settings {
    QString luckRule = QStringLiteral("described"); // the settings' rule; a record's own "luck:" word wins
    QString luckDirection = QStringLiteral("yang-male");
    int monthCommanderSchool = 0; // 0 子平真诠, 1 网传盲派, 2 渊海子平
    int script = 0;               // 0 简体, 1 繁體
    bool elementColours = true;
    int hourShift = 0;            // double-hours, as "调前一时"/"调后一时" leave it
    int selectedLuck = 0;         // luck pillar whose flow years are shown, 0..9
};

struct Cast {
    bool ok = false;
    QString reason;
    ChartCalculation::Input input;
    ChartCalculation::Result result;
    QString luckRule; // the rule in effect
};

// Casts the record with the settings into `engine`.
Cast cast(const QVariantMap &record, const Settings &settings, InSight &engine);

// The luck pillar (0..9) running in `year`: the first before it starts, the
// last after the tenth.
int luckIndexOfYear(const InSight &engine, int year);

// A new record's stored fields for a moment given without a record (the
// command line), as the birth form would store it.
QVariantMap newRecord(const ChartCalculation::Input &input, const QString &name, const QString &place,
                      const QString &luckRule, const QDateTime &now);

// The file for a cast chart; keys sorted and numbers as the JSON writer
// prints them, so the same chart gives the same bytes apart from `created`.
QByteArray toJson(const QVariantMap &record, const Settings &settings, InSight &engine, const QDateTime &created);

// Why a file was refused, for a message in the window's words.
enum class Problem { None, Unreadable, Pillars, LuckPillars, Exists };

struct Loaded {
    bool ok = false;
    QString reason;
    Problem problem = Problem::None;
    QString carried;    // the pillars the file carries, on Pillars and LuckPillars
    QString recomputed; // and those its record gives now
    QVariantMap record;
    Settings settings;
};

// Reads and checks a file: its format and version, the record and settings,
// and that recomputing gives the pillars the file carries.
Loaded read(const QByteArray &json);

// The stored fields of one record, by userid or seqno; empty with a reason
// when there is none.
QVariantMap storedRecord(const QSqlDatabase &db, const QString &id, QString *reason);

struct Imported {
    bool ok = false;
    QString reason;
    Problem problem = Problem::None;
    QString carried;
    QString recomputed;
    QString userid;
    Settings settings;
};

// Checks the file and adds its record; a record already present (same
// userid) is refused, nothing is written then. `localLuckRule`: the rule the
// importing window uses for records without their own; when the file's
// differs, the record keeps the file's as its own, so it shows the same chart.
Imported importFile(const QSqlDatabase &db, const QByteArray &json, const QString &localLuckRule = QString());

} // namespace ChartFile
