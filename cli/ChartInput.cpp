// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartInput.h"

#include <cstdio>

QByteArray jdText(double jd)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", jd);
    return QByteArray(text);
}

QByteArray ageText(double age)
{
    return QByteArray::number(age, 'g', 15);
}
