pragma Singleton
import QtQuick 2.15
import "qrc:/js/sha256.js" as Sha
import "qrc:/js/rsaVerify.js" as Rsa
import "qrc:/js/rsaPublicKey.js" as Key

// Script facade of the digest and signature modules.
QtObject {
    readonly property string publicKeyPem: Key.publicKeyPem

    function sha256Hex(text) {
        return Sha.sha256Hex(text)
    }

    // The text recovered from a signature with the built-in key, or null.
    function recoverMessage(signatureHex) {
        return Rsa.recoverMessage(signatureHex, Key.publicKeyPem)
    }

    // 1 incomplete, 2 digest mismatch, 3 signature refused, 4 verified.
    function verifyAnnouncement(text, digest, signature) {
        return Rsa.verifyAnnouncement(text, digest, signature, Key.publicKeyPem)
    }
}
