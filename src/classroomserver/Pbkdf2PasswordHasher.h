#pragma once
// Password hashes made with PBKDF2-HMAC-SHA256 (Qt Network), a random salt per hash, stored as
// "pbkdf2-sha256$iterations$salt$key" (salt and key in base64). Checks that succeeded are
// remembered for the run under a keyed digest, so the requests of a session do not pay the
// derivation each time; nothing remembered is the password.
#include <QByteArray>
#include <mutex>
#include <set>
#include <string>

#include "classroomserver/ClassroomStorage.h"

namespace tess {

class Pbkdf2PasswordHasher : public PasswordHasher {
 public:
  static constexpr int kIterations = 120000;

  explicit Pbkdf2PasswordHasher(int iterations = kIterations);

  std::string Hash(std::string_view password) override;
  bool Verify(std::string_view password, std::string_view stored) override;

 private:
  QByteArray Remembered(std::string_view password, std::string_view stored) const;

  int iterations_;
  QByteArray runKey_;
  std::mutex mutex_;
  std::set<QByteArray> verified_;
};

}  // namespace tess
