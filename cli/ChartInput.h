// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// Tab-separated numbers: JDs with six decimals, ages as the shortest decimal.
QByteArray jdText(double jd);
QByteArray ageText(double age);
