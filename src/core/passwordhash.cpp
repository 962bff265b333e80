#include "core/passwordhash.h"

#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QStringList>

namespace PasswordHash {

namespace {

struct Parts
{
    int iterations = 0;
    QByteArray salt;
    QByteArray key;
};

// Strict base64: only the canonical encoding of a value of the given size is accepted.
bool DecodeExact(const QString& text, int size, QByteArray* out)
{
    const QByteArray encoded = text.toLatin1();
    if (QString::fromLatin1(encoded) != text)
        return false;
    const auto result =
        QByteArray::fromBase64Encoding(encoded, QByteArray::AbortOnBase64DecodingErrors);
    if (!result || result.decoded.size() != size || result.decoded.toBase64() != encoded)
        return false;
    *out = result.decoded;
    return true;
}

bool Parse(const QString& stored, Parts* parts)
{
    const QStringList fields = stored.split(QLatin1Char('$'));
    if (fields.size() != 4 || fields.at(0) != QLatin1String(PREFIX))
        return false;

    // Plain decimal digits only: no sign, blanks or leading zero.
    const QString& count = fields.at(1);
    if (count.isEmpty() || count.size() > 7 || count.at(0) == QLatin1Char('0'))
        return false;
    for (const QChar c : count) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    const int iterations = count.toInt();
    if (iterations < MIN_ITERATIONS || iterations > MAX_ITERATIONS)
        return false;

    Parts result;
    result.iterations = iterations;
    if (!DecodeExact(fields.at(2), SALT_BYTES, &result.salt) ||
        !DecodeExact(fields.at(3), KEY_BYTES, &result.key))
        return false;
    *parts = result;
    return true;
}

QByteArray DeriveKey(const QString& plain, const QByteArray& salt, int iterations)
{
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, plain.toUtf8(), salt,
                                              iterations, KEY_BYTES);
}

// Runs over the whole length whatever the contents, so timing tells nothing about a match.
bool ConstantTimeEquals(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return false;
    unsigned char difference = 0;
    for (int i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a.at(i) ^ b.at(i));
    return difference == 0;
}

} // namespace

QString Hash(const QString& plain, int iterations)
{
    iterations = qBound(MIN_ITERATIONS, iterations, MAX_ITERATIONS);
    quint32 words[SALT_BYTES / sizeof(quint32)];
    QRandomGenerator::system()->fillRange(words);
    const QByteArray salt(reinterpret_cast<const char*>(words), SALT_BYTES);
    const QByteArray key = DeriveKey(plain, salt, iterations);
    const QLatin1Char separator('$');
    return QLatin1String(PREFIX) + separator + QString::number(iterations) + separator +
           QString::fromLatin1(salt.toBase64()) + separator + QString::fromLatin1(key.toBase64());
}

bool IsHashed(const QString& stored)
{
    Parts parts;
    return Parse(stored, &parts);
}

bool Verify(const QString& plain, const QString& stored)
{
    Parts parts;
    if (!Parse(stored, &parts))
        return false;
    return ConstantTimeEquals(DeriveKey(plain, parts.salt, parts.iterations), parts.key);
}

bool Matches(const QString& plain, const QString& stored)
{
    if (stored.isEmpty())
        return false;
    if (IsHashed(stored))
        return Verify(plain, stored);
    return ConstantTimeEquals(plain.toUtf8(), stored.toUtf8());
}

} // namespace PasswordHash
