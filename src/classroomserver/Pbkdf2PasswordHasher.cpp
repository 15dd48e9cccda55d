#include "classroomserver/Pbkdf2PasswordHasher.h"

#include <QCryptographicHash>
#include <QList>
#include <QMessageAuthenticationCode>
#include <QPasswordDigestor>
#include <QRandomGenerator>

namespace tess {
namespace {

constexpr char kScheme[] = "pbkdf2-sha256";
constexpr int kSaltBytes = 16;
constexpr int kKeyBytes = 32;
// A damaged or hostile stored hash must not make one check run for minutes.
constexpr int kMostIterations = 10'000'000;
constexpr std::size_t kMostRemembered = 10000;

QByteArray RandomBytes(int count) {
  QByteArray bytes(count, '\0');
  QRandomGenerator* random = QRandomGenerator::system();
  for (char& byte : bytes) byte = static_cast<char>(random->generate() & 0xFF);
  return bytes;
}

QByteArray Derive(std::string_view password, const QByteArray& salt, int iterations) {
  return QPasswordDigestor::deriveKeyPbkdf2(
      QCryptographicHash::Sha256,
      QByteArray(password.data(), static_cast<qsizetype>(password.size())), salt, iterations,
      kKeyBytes);
}

bool SameBytes(const QByteArray& a, const QByteArray& b) {
  if (a.size() != b.size()) return false;
  unsigned char difference = 0;
  for (qsizetype i = 0; i < a.size(); ++i) difference |= static_cast<unsigned char>(a[i] ^ b[i]);
  return difference == 0;
}

}  // namespace

Pbkdf2PasswordHasher::Pbkdf2PasswordHasher(int iterations)
    : iterations_(iterations), runKey_(RandomBytes(32)) {}

std::string Pbkdf2PasswordHasher::Hash(std::string_view password) {
  const QByteArray salt = RandomBytes(kSaltBytes);
  const QByteArray key = Derive(password, salt, iterations_);
  return std::string(kScheme) + "$" + std::to_string(iterations_) + "$" +
         salt.toBase64().toStdString() + "$" + key.toBase64().toStdString();
}

QByteArray Pbkdf2PasswordHasher::Remembered(std::string_view password,
                                            std::string_view stored) const {
  QMessageAuthenticationCode mac(QCryptographicHash::Sha256, runKey_);
  mac.addData(QByteArray(stored.data(), static_cast<qsizetype>(stored.size())));
  mac.addData(QByteArray(1, '\0'));
  mac.addData(QByteArray(password.data(), static_cast<qsizetype>(password.size())));
  return mac.result();
}

bool Pbkdf2PasswordHasher::Verify(std::string_view password, std::string_view stored) {
  const QByteArray remembered = Remembered(password, stored);
  {
    std::lock_guard lock(mutex_);
    if (verified_.count(remembered) != 0) return true;
  }
  const QList<QByteArray> parts =
      QByteArray(stored.data(), static_cast<qsizetype>(stored.size())).split('$');
  if (parts.size() != 4 || parts[0] != kScheme) return false;
  bool number = false;
  const int iterations = parts[1].toInt(&number);
  if (!number || iterations < 1 || iterations > kMostIterations) return false;
  const QByteArray salt = QByteArray::fromBase64(parts[2]);
  const QByteArray key = QByteArray::fromBase64(parts[3]);
  if (salt.isEmpty() || key.size() != kKeyBytes) return false;
  if (!SameBytes(Derive(password, salt, iterations), key)) return false;
  std::lock_guard lock(mutex_);
  if (verified_.size() >= kMostRemembered) verified_.clear();
  verified_.insert(remembered);
  return true;
}

}  // namespace tess
