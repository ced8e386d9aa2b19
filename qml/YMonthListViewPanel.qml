// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15

// The panel (grid) variant of YMonthListView.
PillarStrip {
    label: qsTr("流月")
    panel: true
}
