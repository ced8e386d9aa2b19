// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

// Digest and signature check of the program's announcements, for the
// signature page (through the script facade RsaSingleton). SHA-256 comes
// from QCryptographicHash, the RSA public-key operation from OpenSSL.
class SignatureCheck : public QObject
{
    Q_OBJECT
public:
    // Result of verifyAnnouncement, in the order the checks run.
    enum Result { Incomplete = 1, DigestMismatch = 2, SignatureRefused = 3, Verified = 4 };
    Q_ENUM(Result)

    using QObject::QObject;

    // Lower-case hexadecimal SHA-256 of the text as UTF-8.
    Q_INVOKABLE static QString sha256Hex(const QString &text);

    // The text a signature carries: s^e mod n with the PEM public key, read
    // as a block 00 02 <at least 8 nonzero bytes> 00 <UTF-8 text>. A null
    // QVariant (std::nullptr_t) when the signature is not hexadecimal, not below the modulus,
    // not such a block, or the key cannot be read (null in script code).
    Q_INVOKABLE static QVariant recoverMessage(const QString &signatureHex, const QString &publicKeyPem);

    // Trims the three inputs, then: fewer than 3 text characters, a digest
    // not of 64 characters or fewer than 10 signature characters gives
    // Incomplete; a digest other than the text's gives DigestMismatch; a
    // signature that does not carry the digest gives SignatureRefused.
    Q_INVOKABLE static int verifyAnnouncement(const QString &text, const QString &digest,
                                              const QString &signatureHex, const QString &publicKeyPem);
};
