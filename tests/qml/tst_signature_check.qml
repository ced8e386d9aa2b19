// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtTest 1.15
import "qrc:/qml"
import "qrc:/qml/LeftSheet"
import "../data/signature/fixtures.js" as Fx

// The announcement check: digests, recovery of the signed block with the
// built-in key, the order of the checks, and the page's four messages (from
// an injected verifier, plus one real verification through the page).
TestCase {
    name: "SignatureCheck"
    when: windowShown
    width: 480
    height: 800

    Component {
        id: pageComponent
        PublicKeyVerifyMd5 {
            width: 480
            height: 800
        }
    }

    // Digests from openssl dgst -sha256.
    function test_sha256_data() {
        return [
            {tag: "empty", text: "", hex: "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
            {tag: "abc", text: "abc", hex: "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
            {tag: "Chinese", text: "晴曜命盘", hex: "a0038f4625f6b1ec03902bdb05326f889e9a0b424ee8b63ce9885a1c7b82f0a2"},
            {tag: "outside the basic plane", text: "𝄞 clef", hex: "c85c1f7e115a0202a8a31e14aaf609c265ea8ac3d9d6d5f37e782a8247dcb5a5"},
            {tag: "announcement", text: Fx.text, hex: Fx.digest}
        ];
    }
    function test_sha256(row) {
        compare(RsaSingleton.sha256Hex(row.text), row.hex);
    }

    function test_recover() {
        compare(RsaSingleton.recoverMessage(Fx.goodSig), Fx.digest);
        compare(RsaSingleton.recoverMessage(Fx.type1Sig), null);
        verify(RsaSingleton.recoverMessage(Fx.otherdigestSig) !== Fx.digest);
        // Not hexadecimal, and a number not below the modulus.
        compare(RsaSingleton.recoverMessage("xyz0123456789"), null);
        compare(RsaSingleton.recoverMessage(new Array(1026).join("f")), null);
    }

    function test_verify_data() {
        return [
            {tag: "all correct", text: Fx.text, digest: Fx.digest, sig: Fx.goodSig, code: 4},
            {tag: "spaces around are trimmed", text: "  " + Fx.text + "\n", digest: " " + Fx.digest + " ",
             sig: "\n" + Fx.goodSig + "  ", code: 4},
            {tag: "text too short", text: "晴曜", digest: Fx.digest, sig: Fx.goodSig, code: 1},
            {tag: "digest one short", text: Fx.text, digest: Fx.digest.substring(1), sig: Fx.goodSig, code: 1},
            {tag: "signature too short", text: Fx.text, digest: Fx.digest, sig: "123456789", code: 1},
            {tag: "text changed", text: Fx.text + "。", digest: Fx.digest, sig: Fx.goodSig, code: 2},
            {tag: "digest in capitals", text: Fx.text, digest: Fx.digest.toUpperCase(), sig: Fx.goodSig, code: 2},
            {tag: "signature cut", text: Fx.text, digest: Fx.digest, sig: Fx.goodSig.substring(0, 900), code: 3},
            {tag: "signature changed", text: Fx.text, digest: Fx.digest,
             sig: Fx.goodSig.substring(0, 100) + (Fx.goodSig.charAt(100) === "0" ? "1" : "0") + Fx.goodSig.substring(101),
             code: 3},
            {tag: "signature padding type 1", text: Fx.text, digest: Fx.digest, sig: Fx.type1Sig, code: 3},
            {tag: "signature of another digest", text: Fx.text, digest: Fx.digest, sig: Fx.otherdigestSig, code: 3},
            {tag: "signature not hexadecimal", text: Fx.text, digest: Fx.digest, sig: "签名签名签名签名签名签名", code: 3}
        ];
    }

    function test_verify(row) {
        compare(RsaSingleton.verifyAnnouncement(row.text, row.digest, row.sig), row.code);
    }

    // A stand-in verifier: the page must show the message of whatever code
    // it returns, and hand over the fields as typed.
    Component {
        id: fakeVerifier
        QtObject {
            property int code: 0
            property var received: []
            function verifyAnnouncement(text, digest, signature) {
                received = [text, digest, signature];
                return code;
            }
        }
    }

    function test_messages_data() {
        var failed = "数字签名验证不通过，可能原因：";
        return [
            {tag: "verified", code: 4,
             message: "数字签名验证通过。<br/>\n“原通告、声明、文书或信息”应为晴曜命盘软件开发者本人所发表。"},
            {tag: "incomplete", code: 1, message: "尚未完整输入，请核对检查后，修正或补充输入内容。"},
            {tag: "digest mismatch", code: 2, message: "数字摘要码与原文不对应，请检查原文、以及数字摘要码是否完整正确。"},
            {tag: "signature refused", code: 3, prefix: failed}
        ];
    }

    function showResult(page, text, digest, sig) {
        waitForRendering(page);
        page.textField.text = text;
        page.digestField.text = digest;
        page.signatureField.text = sig;
        findChild(page, "verifyButton").clicked();
        var dialog = findChild(page, "resultDialog");
        tryVerify(function () { return dialog.opened; });
        compare(dialog.title, "数字签名验证提示");
    }

    function test_messages(row) {
        var page = createTemporaryObject(pageComponent, this);
        var verifier = createTemporaryObject(fakeVerifier, this, {code: row.code});
        page.rsa = verifier;
        showResult(page, " a\n", "b ", "c");
        compare(verifier.received, [" a\n", "b ", "c"]);
        if (row.message !== undefined)
            compare(page.resultMessage, row.message);
        else
            compare(page.resultMessage.indexOf(row.prefix), 0);
    }

    // The page with the real check, once.
    function test_real_verification() {
        var page = createTemporaryObject(pageComponent, this);
        page.rsa = RsaSingleton;
        showResult(page, Fx.text, Fx.digest, Fx.goodSig);
        compare(page.resultMessage, "数字签名验证通过。<br/>\n“原通告、声明、文书或信息”应为晴曜命盘软件开发者本人所发表。");
    }
}
