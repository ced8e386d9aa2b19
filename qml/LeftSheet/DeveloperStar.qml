import QtQuick 2.15
import "qrc:/qml"
import "qrc:/js/windowRules.js" as Rules
import "qrc:/js/documents.js" as Docs

// Developer tips. Pressing the text many times reveals more and, later, the
// hidden drawer entries.
DocumentPage {
    id: dev
    title: qsTr("软件开发者温馨提示")
    property int pressCnt: 0
    property bool showMore: false

    body: shown(Docs.bodyOf(Docs.readResource("qrc:/datafiles/docs/developer_tips.html")))
          + (showMore ? qsTr("<p>开发者联系方式：%1</p>").arg(windowRoot.legalEmail.length > 0
                                                              ? windowRoot.legalContactName + " " + windowRoot.legalEmail
                                                              : qsTr("（尚未设置）")) : "")

    onTextPressed: {
        pressCnt += 1;
        if (pressCnt >= Rules.developerMoreAt)
            showMore = true;
        if (pressCnt >= Rules.developerVerifyFrom)
            windowRoot.toViewTheVerifySignPage += 1;
        if (pressCnt >= Rules.developerLogFrom)
            windowRoot.toViewTheLatestAppLogPage += 1;
    }
}
