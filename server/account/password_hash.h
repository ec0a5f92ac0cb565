#pragma once
// Passwords are kept as salted PBKDF2-HMAC-SHA256 hashes, never as sent:
// "pbkdf2-sha256$ITERATIONS$SALT$HASH" (salt and hash in hex). The iteration count
// is part of the stored text, so it can be raised later without breaking old hashes.

#include <string>

namespace tavik::server {

inline constexpr int kPasswordIterations = 100000;

// A new hash of the password with a fresh random salt.
std::string HashPassword(const std::string& password, int iterations = kPasswordIterations);

// True when the password matches the stored hash (compared in constant time); false
// for a malformed stored text.
bool VerifyPassword(const std::string& password, const std::string& stored);

// VerifyPassword with a memory of recent successes: a match already proven for the
// same stored hash is confirmed by a keyed SHA-256 of the password (a key made at
// start, never stored) instead of the slow hash again. Holds no state another process
// would need; a changed stored hash never matches an old entry. Thread-safe.
bool VerifyPasswordCached(const std::string& password, const std::string& stored);

}  // namespace tavik::server
