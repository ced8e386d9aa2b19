.pragma library

// Reads a document of the resource bundle (qrc:/datafiles/docs/...);
// answers "" when it is missing.
function readResource(url) {
    var xhr = new XMLHttpRequest();
    try {
        xhr.open("GET", url, false);
        xhr.send();
    } catch (e) {
        return "";
    }
    return xhr.status === 200 || xhr.status === 0 ? String(xhr.responseText) : "";
}

// The body of an HTML document (Qt's rich text wants no head).
function bodyOf(html) {
    var s = String(html);
    var r = /<body[^>]*>([\s\S]*)<\/body>/i.exec(s);
    return r ? r[1] : s;
}
