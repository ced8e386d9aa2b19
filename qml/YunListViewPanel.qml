// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15

// The panel (grid) variant of YunListView.
PillarStrip {
    label: qsTr("运")
    panel: true
}
