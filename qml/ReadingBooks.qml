// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Controls 2.15
import QtWebView 1.1
import "qrc:/js/bookReader.js" as Reader

// The book reader: the frame page with the first volume, then volumes 2..7
// injected once the page has loaded.
Page {
    id: readingPage
    title: qsTr("子平法入门（七卷，本程序自编）")

    property int bookIndex: 0
    readonly property int language: AppState.language
    property int injectedCount: 0

    function injectParagraphs() {
        var statements = Reader.paragraphStatements(function (i) {
            return easyfunction.getBookParagraph(i, readingPage.language);
        });
        for (var i = 0; i < statements.length; i++)
            webView.runJavaScript(statements[i]);
        injectedCount = statements.length;
    }

    function load() {
        injectedCount = 0;
        webView.url = Reader.frameDataUrl(easyfunction.getBookFrame(bookIndex, language));
    }

    WebView {
        id: webView
        anchors.fill: parent
        onLoadingChanged: {
            if (loadRequest.status === WebView.LoadSucceededStatus)
                readingPage.injectParagraphs();
        }
    }

    // A language switch reloads the book in the other script.
    onLanguageChanged: load()
    Component.onCompleted: load()
}
