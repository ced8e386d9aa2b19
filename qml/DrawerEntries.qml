// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15

// The drawer's entries in their fixed order. special: 0 data-path dialog,
// 1 page, 2 page that counts numerology visits, 3 privacy popup. The two
// hidden entries are appended once, when their switch first reaches 1.
ListModel {
    id: entries

    property int verifySwitch: 0
    property int logSwitch: 0
    property string verifyTitle: QT_TRANSLATE_NOOP("DrawerEntries", "晴曜命盘公钥验证数字签名")

    ListElement { title: QT_TRANSLATE_NOOP("DrawerEntries", "软件许可及服务协议"); page: "LeftSheet/Agreement"; special: 1 }
    ListElement { title: QT_TRANSLATE_NOOP("DrawerEntries", "隐私政策"); page: "LeftSheet/PrivacyPopup"; special: 3 }
    ListElement { title: QT_TRANSLATE_NOOP("DrawerEntries", "功能介绍与版本更新说明"); page: "LeftSheet/Introduction"; special: 1 }
    ListElement { title: QT_TRANSLATE_NOOP("DrawerEntries", "用户数据的文件路径"); page: ""; special: 0 }
    ListElement { title: QT_TRANSLATE_NOOP("DrawerEntries", "测算往年事情"); page: "LeftSheet/AnalizethePast"; special: 1 }
    ListElement { title: QT_TRANSLATE_NOOP("DrawerEntries", "姓名之三才五格"); page: "LeftSheet/SanCaiWuGe"; special: 2 }
    ListElement { title: QT_TRANSLATE_NOOP("DrawerEntries", "贡献者荣誉榜"); page: "LeftSheet/ContributorHonorList"; special: 1 }
    ListElement { title: QT_TRANSLATE_NOOP("DrawerEntries", "软件开发者温馨提示"); page: "LeftSheet/DeveloperStar"; special: 1 }
    ListElement { title: QT_TRANSLATE_NOOP("DrawerEntries", "开源许可与数据来源"); page: "LeftSheet/Credits"; special: 1 }

    onVerifySwitchChanged: {
        if (verifySwitch === 1)
            append({title: verifyTitle, page: "qrc:/qml/LeftSheet/PublicKeyVerifyMd5.qml", special: 1});
    }
    onLogSwitchChanged: {
        if (logSwitch === 1)
            append({title: QT_TRANSLATE_NOOP("DrawerEntries", "AppLog"),
                    page: "qrc:/qml/LeftSheet/ShowLatestAppLog.qml", special: 1});
    }
}
