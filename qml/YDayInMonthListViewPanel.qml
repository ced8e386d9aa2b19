// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15

// The panel (grid) variant of YDayInMonthListView.
PillarStrip {
    label: qsTr("流日")
    panel: true
}
