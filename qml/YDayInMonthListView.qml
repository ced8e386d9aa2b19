// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15

// The row view of the chart page's YDayInMonthListView list.
PillarStrip {
    label: qsTr("流日")
}
