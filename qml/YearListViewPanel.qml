// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15

// The panel (grid) variant of YearListView.
PillarStrip {
    label: qsTr("流年")
    panel: true
}
