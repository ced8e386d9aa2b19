// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import "qrc:/qml"

// The program's licence and the third-party data it ships, with the
// attribution their licences ask for (docs/THIRD-PARTY.md).
DocumentPage {
    title: qsTr("开源许可与数据来源")
    documentFile: "THIRD-PARTY.md"
    format: Text.MarkdownText
    fallback: qsTr("本程序依 GNU 通用公共许可证第 3 版或更新版本（GPL-3.0-or-later）发布。")
}
