#ifndef PASSWORDHASH_H
#define PASSWORDHASH_H

#include <QString>

// Salted password hashes for tblUsers.PASSWORD, stored as
// "pbkdf2-sha256$<iterations>$<base64 16-byte salt>$<base64 32-byte key>".
// Typed passwords that parse as such a value are refused by the user editor, so an old
// plain-text row can never be mistaken for a hash.
namespace PasswordHash {

inline constexpr char PREFIX[] = "pbkdf2-sha256";
// About 80 ms per derivation on a small shop PC, so a login stays quick.
inline constexpr int DEFAULT_ITERATIONS = 30000;
inline constexpr int MIN_ITERATIONS = 1000;
inline constexpr int MAX_ITERATIONS = 1000000;
inline constexpr int SALT_BYTES = 16;
inline constexpr int KEY_BYTES = 32;

// A new hash of the password with a fresh random salt.
QString Hash(const QString& plain, int iterations = DEFAULT_ITERATIONS);

// True only when the value has exactly the stored hash structure: prefix, iterations within
// [MIN_ITERATIONS, MAX_ITERATIONS], canonical base64 salt and key of the right sizes.
bool IsHashed(const QString& stored);

// True when the stored value is a hash and the password derives the same key (constant-time
// comparison).
bool Verify(const QString& plain, const QString& stored);

// Checks a password against a PASSWORD column value: hashes are verified, anything else is an
// old plain-text value compared exactly. An empty stored value never matches.
bool Matches(const QString& plain, const QString& stored);

} // namespace PasswordHash

#endif // PASSWORDHASH_H
