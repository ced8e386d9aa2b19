// SPDX-License-Identifier: GPL-3.0-or-later
#include "SignatureCheck.h"

#include <QCryptographicHash>
#include <QTextCodec>

#include <openssl/bio.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rsa.h>

#include <cctype>
#include <memory>

namespace {

// PKCS #1 v1.5 asks for at least eight padding bytes; fewer would let a
// forger pick most of the block.
constexpr int kMinPadding = 8;

template<typename T, void (*Free)(T *)>
struct Deleter {
    void operator()(T *p) const { Free(p); }
};
using KeyPtr = std::unique_ptr<EVP_PKEY, Deleter<EVP_PKEY, EVP_PKEY_free>>;
using ContextPtr = std::unique_ptr<EVP_PKEY_CTX, Deleter<EVP_PKEY_CTX, EVP_PKEY_CTX_free>>;
using BioPtr = std::unique_ptr<BIO, Deleter<BIO, BIO_free_all>>;

KeyPtr readPublicKey(const QString &pem)
{
    const QByteArray bytes = pem.toLatin1();
    BioPtr bio(BIO_new_mem_buf(bytes.constData(), bytes.size()));
    if (!bio)
        return nullptr;
    KeyPtr key(PEM_read_bio_PUBKEY(bio.get(), nullptr, nullptr, nullptr));
    if (!key || EVP_PKEY_base_id(key.get()) != EVP_PKEY_RSA)
        return nullptr;
    return key;
}

// The signature as a big-endian number without leading zero bytes; empty
// when the text is not hexadecimal.
QByteArray signatureBytes(const QString &hex)
{
    QByteArray digits = hex.toLatin1();
    if (digits.isEmpty() || hex.size() != digits.size())
        return {};
    for (const char c : digits) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return {};
    }
    if (digits.size() % 2)
        digits.prepend('0');
    QByteArray bytes = QByteArray::fromHex(digits);
    int lead = 0;
    while (lead < bytes.size() - 1 && bytes.at(lead) == 0)
        ++lead;
    return bytes.mid(lead);
}

// Script code sees null, not undefined.
QVariant noMessage()
{
    return QVariant::fromValue(nullptr);
}

} // namespace

QString SignatureCheck::sha256Hex(const QString &text)
{
    return QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toHex());
}

QVariant SignatureCheck::recoverMessage(const QString &signatureHex, const QString &publicKeyPem)
{
    const KeyPtr key = readPublicKey(publicKeyPem);
    const QByteArray signature = signatureBytes(signatureHex);
    if (!key || signature.isEmpty())
        return noMessage();
    ContextPtr context(EVP_PKEY_CTX_new(key.get(), nullptr));
    if (!context || EVP_PKEY_verify_recover_init(context.get()) <= 0
        || EVP_PKEY_CTX_set_rsa_padding(context.get(), RSA_NO_PADDING) <= 0)
        return noMessage();
    // With no padding the output is s^e mod n as k bytes; OpenSSL refuses
    // a signature that is not below the modulus.
    const int k = EVP_PKEY_get_size(key.get());
    if (signature.size() > k)
        return noMessage();
    QByteArray input(k - signature.size(), '\0');
    input += signature;
    QByteArray block(k, '\0');
    size_t length = block.size();
    if (EVP_PKEY_verify_recover(context.get(), reinterpret_cast<unsigned char *>(block.data()), &length,
                                reinterpret_cast<const unsigned char *>(input.constData()), input.size()) <= 0
        || length != size_t(k))
        return noMessage();

    if (block.at(0) != 0 || block.at(1) != 2)
        return noMessage();
    const int end = block.indexOf('\0', 2);
    if (end < 0 || end - 2 < kMinPadding)
        return noMessage();
    const QByteArray message = block.mid(end + 1);
    QTextCodec::ConverterState state;
    const QString text = QTextCodec::codecForName("UTF-8")->toUnicode(message.constData(), message.size(), &state);
    if (state.invalidChars > 0 || state.remainingChars > 0)
        return noMessage();
    return text;
}

int SignatureCheck::verifyAnnouncement(const QString &text, const QString &digest, const QString &signatureHex,
                                       const QString &publicKeyPem)
{
    const QString t = text.trimmed();
    const QString d = digest.trimmed();
    const QString s = signatureHex.trimmed();
    if (t.size() < 3 || d.size() != 64 || s.size() < 10)
        return Incomplete;
    if (sha256Hex(t) != d)
        return DigestMismatch;
    const QVariant recovered = recoverMessage(s, publicKeyPem);
    if (recovered.userType() != QMetaType::QString || recovered.toString() != d)
        return SignatureRefused;
    return Verified;
}
