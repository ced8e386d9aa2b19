// SPDX-License-Identifier: GPL-3.0-or-later
// The native signature check against blocks signed here with the test key
// pair (tests/data/signature): the 00 02 block rules, the reading of the
// hexadecimal signature and of the key, and the committed fixtures.
#include "SignatureCheck.h"

#include <QtTest>

#include <openssl/bio.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rsa.h>

namespace {

QByteArray readFixture(const QString &name)
{
    QFile file(qEnvironmentVariable("QINGYAO_TEST_DATA") + QStringLiteral("/signature/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return file.readAll();
}

// Raw private-key operation on a whole block, as the signer does; the hex
// text of the result.
QString signBlock(const QByteArray &block)
{
    const QByteArray pem = readFixture(QStringLiteral("test_private_key.pem"));
    BIO *bio = BIO_new_mem_buf(pem.constData(), pem.size());
    EVP_PKEY *key = PEM_read_bio_PrivateKey(bio, nullptr, nullptr, nullptr);
    BIO_free(bio);
    EVP_PKEY_CTX *ctx = EVP_PKEY_CTX_new(key, nullptr);
    QByteArray out(EVP_PKEY_get_size(key), '\0');
    size_t length = out.size();
    const bool ok = ctx && EVP_PKEY_decrypt_init(ctx) > 0 && EVP_PKEY_CTX_set_rsa_padding(ctx, RSA_NO_PADDING) > 0
        && EVP_PKEY_decrypt(ctx, reinterpret_cast<unsigned char *>(out.data()), &length,
                            reinterpret_cast<const unsigned char *>(block.constData()), block.size()) > 0;
    EVP_PKEY_CTX_free(ctx);
    EVP_PKEY_free(key);
    if (!ok)
        qFatal("signing a test block failed");
    return QString::fromLatin1(out.left(int(length)).toHex());
}

constexpr int kBlockSize = 512; // 4096-bit test key

// 00 <type> <padding nonzero bytes> 00 <message>, filled out to the key size
// by lengthening the padding (or, with padding < 0, by repeating the message).
QByteArray makeBlock(char type, int padding, const QByteArray &message, bool separator = true)
{
    QByteArray block;
    block.append('\0').append(type).append(QByteArray(padding, '\x5a'));
    if (separator)
        block.append('\0');
    block.append(message);
    if (block.size() < kBlockSize)
        block.insert(2, QByteArray(kBlockSize - block.size(), '\x33'));
    return block.left(kBlockSize);
}

} // namespace

class TestSignatureCheck : public QObject
{
    Q_OBJECT
private:
    QString m_publicKey;
    QByteArray m_digest;

private slots:
    void initTestCase()
    {
        m_publicKey = QString::fromLatin1(readFixture(QStringLiteral("public_key.pem")));
        m_digest = readFixture(QStringLiteral("announcement.sha256"));
    }

    void recoverMessage_data()
    {
        QTest::addColumn<QString>("signature");
        QTest::addColumn<QVariant>("expected");
        const QString digest = QString::fromLatin1(m_digest);
        const QVariant none = QVariant::fromValue(nullptr);

        auto block = [](char type, int padding, const QByteArray &message) {
            // Exactly `padding` nonzero bytes: the message is left-filled
            // with 'x' instead of widening the padding.
            QByteArray b;
            b.append('\0').append(type).append(QByteArray(padding, '\x5a')).append('\0');
            b.append(QByteArray(kBlockSize - b.size() - message.size(), 'x')).append(message);
            return b;
        };
        const QByteArray filled = QByteArray(kBlockSize - 3 - 8 - m_digest.size(), 'x') + m_digest;

        QTest::newRow("committed good signature")
            << QString::fromLatin1(readFixture(QStringLiteral("good.sig"))) << QVariant(digest);
        QTest::newRow("committed type 01 block")
            << QString::fromLatin1(readFixture(QStringLiteral("type1.sig"))) << none;
        QTest::newRow("eight padding bytes")
            << signBlock(block(2, 8, m_digest)) << QVariant(QString::fromLatin1(filled));
        QTest::newRow("seven padding bytes") << signBlock(block(2, 7, m_digest)) << none;
        QTest::newRow("no padding at all") << signBlock(block(2, 0, m_digest)) << none;
        QTest::newRow("no zero after the padding")
            << signBlock(makeBlock(2, 500, QByteArray(), false)) << none;
        QTest::newRow("message not UTF-8")
            << signBlock(makeBlock(2, 8, QByteArray("\xff\xfe") + m_digest)) << none;
        QTest::newRow("empty message") << signBlock(makeBlock(2, 509, QByteArray())) << QVariant(QString());
        const QString good = signBlock(makeBlock(2, 8, m_digest));
        QTest::newRow("good, capital hex") << good.toUpper() << QVariant(digest);
        QTest::newRow("good, leading zeros") << QStringLiteral("0000") + good << QVariant(digest);
        QTest::newRow("good, odd number of digits")
            << (good.startsWith(QLatin1Char('0')) ? good.mid(1) : good) << QVariant(digest);
        QTest::newRow("space inside") << good.left(40) + QLatin1Char(' ') + good.mid(40) << none;
        QTest::newRow("not hexadecimal") << QStringLiteral("xyz0123456789") << none;
        QTest::newRow("full-width digits") << QStringLiteral("０１２３４５６７８９") << none;
        QTest::newRow("empty") << QString() << none;
        QTest::newRow("not below the modulus") << QString(1024, QLatin1Char('f')) << none;
        QTest::newRow("longer than the modulus") << QStringLiteral("1") + QString(1024, QLatin1Char('0')) << none;
    }

    void recoverMessage()
    {
        QFETCH(QString, signature);
        QFETCH(QVariant, expected);
        const QVariant recovered = SignatureCheck::recoverMessage(signature, m_publicKey);
        QCOMPARE(recovered.userType(), expected.userType());
        QCOMPARE(recovered.toString(), expected.toString());
    }

    void unreadableKey_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("empty") << QString();
        QTest::newRow("not a key") << QStringLiteral("not a key");
        QString damaged = m_publicKey;
        damaged[100] = QLatin1Char('*');
        QTest::newRow("stray character in the base64") << damaged;
        QTest::newRow("cut short") << m_publicKey.left(m_publicKey.size() / 2) + QStringLiteral("\n-----END PUBLIC KEY-----\n");
    }

    void unreadableKey()
    {
        QFETCH(QString, key);
        const QString good = QString::fromLatin1(readFixture(QStringLiteral("good.sig")));
        QCOMPARE(SignatureCheck::recoverMessage(good, key).userType(), int(QMetaType::Nullptr));
        QCOMPARE(SignatureCheck::verifyAnnouncement(QString::fromUtf8(readFixture(QStringLiteral("announcement.txt"))),
                                                    QString::fromLatin1(m_digest), good, key),
                 int(SignatureCheck::SignatureRefused));
    }
};

QTEST_GUILESS_MAIN(TestSignatureCheck)

#include "tst_signature_check.moc"
