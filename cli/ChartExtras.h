// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "InSight.h"

#include <QJsonArray>
#include <QString>
#include <QStringList>

// The luck-start rules, the boundary warnings and the unknown-hour candidates
// of `chart`, kept apart from the option reading.
namespace ChartExtras {

// Sets the rule and direction named on the command line (empty: the
// default); the reason when a name is not known.
QString chooseLuckRule(InSight &engine, const QString &rule, const QString &direction);

QJsonArray luckStartsJson(const InSight &s);
// The clock time counts as corrected to solar time when the engine was given
// a solar-time offset.
QJsonArray warningsJson(const InSight &s, int switch11pm);
// Lines for the readable chart: the chosen rule's steps and the warnings.
QString readableLines(const InSight &s, int switch11pm);
// The twelve candidates of a day whose hour is unknown; empty when the date
// cannot be placed.
QString hourCandidatesText(const InSight &s, int gender, bool lunar, bool leap, const int date[3], double zty,
                           int switch11pm, bool json);

} // namespace ChartExtras
