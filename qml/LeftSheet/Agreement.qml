// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import "qrc:/qml"

DocumentPage {
    title: qsTr("软件许可及服务协议")
    documentFile: "agreement.html"
    fallback: qsTr("<h3>软件许可及服务协议</h3>"
               + "<p>晴曜命盘供个人学习与研究子平八字之用，可免费安装与使用。</p>"
               + "<p>排盘结果依传统历法规则计算，古籍参考与解说只供参考，不构成任何医疗、法律、投资或人生决定的依据。</p>"
               + "<p>排盘记录保存在您自己的设备上，由您自行保管与备份。</p>"
               + "<p>本软件按现状提供，开发者不对使用本软件所产生的任何后果承担责任。</p>"
               + "<p>使用本软件即表示您同意本协议及隐私政策。</p>")
}
