// SPDX-License-Identifier: GPL-3.0-or-later
pragma Singleton
import QtQuick 2.15
import chattutorial 1.0
import "qrc:/js/rsaPublicKey.js" as Key

// Script facade of the native digest and signature check, with the
// program's public key.
QtObject {
    readonly property string publicKeyPem: Key.publicKeyPem

    function sha256Hex(text) {
        return SignatureCheck.sha256Hex(text)
    }

    // The text recovered from a signature with the built-in key, or null.
    function recoverMessage(signatureHex) {
        return SignatureCheck.recoverMessage(signatureHex, Key.publicKeyPem)
    }

    // 1 incomplete, 2 digest mismatch, 3 signature refused, 4 verified.
    function verifyAnnouncement(text, digest, signature) {
        return SignatureCheck.verifyAnnouncement(text, digest, signature, Key.publicKeyPem)
    }
}
