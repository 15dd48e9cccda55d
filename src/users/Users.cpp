#include "users/Users.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <optional>

#include "shared/Paths.h"
#include "shared/Text.h"
#include "shared/TextFile.h"

namespace tess {

namespace {

// Digits only: the file writes ids without sign or blanks, and anything else is not a line
// this system wrote, so it is skipped rather than guessed at.
std::optional<int> ParseUserId(std::string_view text) {
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > INT_MAX) return std::nullopt;
  }
  return static_cast<int>(value);
}

unsigned char FoldCp1250(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  // Capitals 0xC0 to 0xDE lie 0x20 below their small letters; 0xD7 is the multiplication sign.
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 0x20);
  switch (c) {
    case 0x8A:  // Š
    case 0x8C:  // Ś
    case 0x8D:  // Ť
    case 0x8E:  // Ž
    case 0x8F:  // Ź
      return static_cast<unsigned char>(c + 0x10);
    case 0xA3:  // Ł
      return 0xB3;
    case 0xA5:  // Ą
      return 0xB9;
    case 0xAA:  // Ş
      return 0xBA;
    case 0xAF:  // Ż
      return 0xBF;
    case 0xBC:  // Ľ
      return 0xBE;
    default:
      return c;
  }
}

int LargestId(const std::vector<LocalUser>& users) {
  int largest = 0;
  for (const LocalUser& user : users) largest = std::max(largest, user.Id);
  return largest;
}

std::optional<LocalUser> ParseUserLine(std::string_view raw) {
  const std::string line = Trim(raw);
  const size_t equals = line.find('=');
  if (equals == std::string::npos) return std::nullopt;
  const std::optional<int> id = ParseUserId(std::string_view(line).substr(0, equals));
  if (!id) return std::nullopt;
  return LocalUser{*id, Trim(std::string_view(line).substr(equals + 1))};
}

constexpr std::int64_t kBeyondLargestId = std::int64_t{INT_MAX} + 1;

// The number a line starts with, as someone editing the file would read it, whatever blanks
// or sign stand before it or whatever follows: a line the reader skips may still name a
// user's folder, so a new id must lie above it too. Saturates just above INT_MAX.
std::optional<std::int64_t> IdMentioned(std::string_view line) {
  size_t at = 0;
  while (at < line.size() &&
         (static_cast<unsigned char>(line[at]) <= ' ' || line[at] == '+' || line[at] == '-')) {
    ++at;
  }
  if (at == line.size() || line[at] < '0' || line[at] > '9') return std::nullopt;
  std::int64_t value = 0;
  for (; at < line.size() && line[at] >= '0' && line[at] <= '9'; ++at) {
    value = std::min(value * 10 + (line[at] - '0'), kBeyondLargestId);
  }
  return value;
}

struct UserFileContents {
  std::string Bytes;
  std::vector<LocalUser> Users;
  std::int64_t LargestIdMentioned = 0;
};

enum class FileRead { Read, Missing, Failed };

FileRead ReadUserFile(const std::string& dataDir, UserFileContents& contents,
                      std::string* error) {
  contents = {};
  const std::string path = UserFilePath(dataDir);
  if (!FileExists(path)) return FileRead::Missing;
  FileBytes read = ReadFileBytes(path);
  if (read.Result != FileBytes::Outcome::Read) {
    if (error) *error = "Nie można odczytać listy użytkowników z pliku " + path + ".";
    return FileRead::Failed;
  }
  contents.Bytes = std::move(read.Bytes);
  for (const std::string& line : SplitLines(contents.Bytes)) {
    if (std::optional<LocalUser> user = ParseUserLine(line)) contents.Users.push_back(*user);
    if (std::optional<std::int64_t> id = IdMentioned(line)) {
      contents.LargestIdMentioned = std::max(contents.LargestIdMentioned, *id);
    }
  }
  return FileRead::Read;
}

// The first id above `largest` whose name is free in the folder: a folder left by a user whose
// line is gone must not hand that user's results to a newcomer.
std::optional<int> FreeIdAbove(const std::string& dataDir, std::int64_t largest) {
  for (std::int64_t id = largest + 1; id <= INT_MAX; ++id) {
    struct stat info;
    const std::string path = ResolvePath(dataDir + std::to_string(id));
    if (::lstat(path.c_str(), &info) != 0) return static_cast<int>(id);
  }
  return std::nullopt;
}

// The bytes as read, untouched, and the new line after them.
std::string WithLineAppended(std::string bytes, const LocalUser& user) {
  if (!bytes.empty() && bytes.back() == '\r') {
    bytes += '\n';
  } else if (!bytes.empty() && bytes.back() != '\n') {
    bytes += "\r\n";
  }
  bytes += std::to_string(user.Id) + "=" + user.Name + "\r\n";
  return bytes;
}

// flock on `fd`, waiting for it; the descriptor when held, -1 (and closed) otherwise.
int LockedOrClosed(int fd) {
  if (fd < 0) return -1;
  while (::flock(fd, LOCK_EX) != 0) {
    if (errno != EINTR) {
      ::close(fd);
      return -1;
    }
  }
  return fd;
}

// An advisory lock that both programs take around reading and rewriting usr.t. usr.t itself
// cannot carry it, because the atomic rewrite replaces the file and a lock on the old one
// would not stop a program that opens the new one. So it is held on "usr.t.lock" and on the
// folder, both of which stay: the lock file for programs that know only it, the folder so that
// accounts that cannot open the lock file (another account made it, without rights for
// others) still exclude each other. Both are taken in one order, so two writers never wait
// on each other crosswise.
class UserFileLock {
 public:
  explicit UserFileLock(const std::string& dataDir) {
    const std::string lockPath = ResolvePath(dataDir + "usr.t.lock");
    folderFd_ =
        LockedOrClosed(::open(ResolvePath(dataDir).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    // No link is followed: a planted one must not make us create or open up another file.
    int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0) {
      OpenToEveryAccount(fd);
    } else {
      // A lock does not need write access; a file we may only read locks as well.
      fd = ::open(lockPath.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    }
    fileFd_ = LockedOrClosed(fd);
  }
  ~UserFileLock() {
    // Closing releases the locks.
    if (fileFd_ >= 0) ::close(fileFd_);
    if (folderFd_ >= 0) ::close(folderFd_);
  }
  UserFileLock(const UserFileLock&) = delete;
  UserFileLock& operator=(const UserFileLock&) = delete;

  bool Held() const { return folderFd_ >= 0 || fileFd_ >= 0; }

 private:
  // Every account that may write the folder must be able to take the lock, whatever the umask
  // of the program that made the file.
  static void OpenToEveryAccount(int fd) {
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) return;
    if ((info.st_mode & 0666) != 0666) ::fchmod(fd, (info.st_mode & 07777) | 0666);
  }

  int folderFd_ = -1;
  int fileFd_ = -1;
};

}  // namespace

std::string UserFilePath(const std::string& dataDir) { return dataDir + "usr.t"; }

std::string UserDirOf(const std::string& dataDir, int id) {
  return dataDir + std::to_string(id) + "\\";
}

std::vector<LocalUser> ParseUserLines(const std::vector<std::string>& lines) {
  std::vector<LocalUser> users;
  for (const std::string& line : lines) {
    if (std::optional<LocalUser> user = ParseUserLine(line)) users.push_back(*user);
  }
  return users;
}

std::string FormatUserFile(const std::vector<LocalUser>& users) {
  std::vector<std::string> lines;
  lines.reserve(users.size());
  for (const LocalUser& user : users)
    lines.push_back(std::to_string(user.Id) + "=" + Trim(user.Name));
  return JoinCrLf(lines);
}

std::string FoldUserNameCase(std::string_view name) {
  std::string folded(name);
  for (char& c : folded) c = static_cast<char>(FoldCp1250(static_cast<unsigned char>(c)));
  return folded;
}

bool SameUserName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && FoldUserNameCase(a) == FoldUserNameCase(b);
}

bool UserNameLongEnough(std::string_view name) {
  return static_cast<int>(Trim(name).size()) >= kMinUserNameLength;
}

int UserList::NextId() const {
  const int largest = LargestId(users_);
  return largest == INT_MAX ? 0 : largest + 1;
}

int UserList::Find(std::string_view name) const {
  for (int position = 1; position <= Count(); ++position) {
    if (SameUserName(At(position).Name, name)) return position;
  }
  return 0;
}

void UserList::Assign(std::vector<LocalUser> users) {
  if (static_cast<int>(users.size()) > limit_) users.resize(static_cast<size_t>(limit_));
  users_ = std::move(users);
}

bool LoadUsers(const std::string& dataDir, UserList& list, std::string* error) {
  UserFileContents contents;
  const FileRead read = ReadUserFile(dataDir, contents, error);
  list.Assign(std::move(contents.Users));
  return read != FileRead::Failed;
}

std::string LoadUsersForWindow(const std::string& dataDir, UserList& list) {
  std::string error;
  if (!LoadUsers(dataDir, list, &error) && error.empty()) {
    error = "Nie można odczytać listy użytkowników.";
  }
  return error;
}

AddUserResult AddUser(const std::string& dataDir, UserList& list, std::string_view name) {
  AddUserResult result;
  const std::string trimmed = Trim(name);
  const auto refuse = [&](AddUserStatus status) {
    result.Status = status;
    return result;
  };
  if (static_cast<int>(trimmed.size()) < kMinUserNameLength) {
    return refuse(AddUserStatus::NameTooShort);
  }
  if (static_cast<int>(trimmed.size()) > kMaxUserNameLength) {
    return refuse(AddUserStatus::NameTooLong);
  }
  for (const char c : trimmed) {
    if (static_cast<unsigned char>(c) < 32) return refuse(AddUserStatus::NameHasControls);
  }

  const UserFileLock lock(dataDir);
  if (!lock.Held()) {
    // Without the lock another program's rewrite could silently undo this one.
    result.Error = "Nie można dodać użytkownika: nie udało się zablokować listy użytkowników " +
                   UserFilePath(dataDir) +
                   " (nie można otworzyć ani pliku usr.t.lock, ani folderu programu). Proszę "
                   "sprawdzić uprawnienia do folderu programu.";
    return refuse(AddUserStatus::FileError);
  }
  // Everything in the file counts, also users beyond this program's limit and lines the reader
  // skips: they stay as they are, and the new line only goes after them.
  UserFileContents contents;
  if (ReadUserFile(dataDir, contents, &result.Error) == FileRead::Failed) {
    return refuse(AddUserStatus::FileError);
  }
  std::vector<LocalUser>& users = contents.Users;
  list.Assign(users);
  for (const LocalUser& user : users) {
    if (SameUserName(user.Name, trimmed)) return refuse(AddUserStatus::NameTaken);
  }
  if (static_cast<int>(users.size()) >= list.Limit()) return refuse(AddUserStatus::ListFull);
  const std::optional<int> id = FreeIdAbove(
      dataDir, std::max<std::int64_t>(contents.LargestIdMentioned, LargestId(users)));
  if (!id) return refuse(AddUserStatus::NoIdLeft);

  const LocalUser added{*id, trimmed};
  std::string reason;
  if (!WriteFileAtomically(UserFilePath(dataDir), WithLineAppended(contents.Bytes, added),
                           &reason)) {
    result.Error =
        "Nie można zapisać listy użytkowników w pliku " + UserFilePath(dataDir) + ": " + reason;
    return refuse(AddUserStatus::FileError);
  }
  users.push_back(added);
  list.Assign(users);
  result.Status = AddUserStatus::Added;
  result.Id = *id;
  result.Position = list.Count();
  return result;
}

std::string AddUserMessage(const AddUserResult& result, int limit) {
  switch (result.Status) {
    case AddUserStatus::Added:
    case AddUserStatus::NameTaken:
      return {};
    case AddUserStatus::NameTooShort:
      return "Nazwa użytkownika musi mieć co najmniej " + std::to_string(kMinUserNameLength) +
             " znaki.";
    case AddUserStatus::NameTooLong:
      return "Nazwa użytkownika może mieć najwyżej " + std::to_string(kMaxUserNameLength) +
             " znaków.";
    case AddUserStatus::NameHasControls:
      return "Nazwa użytkownika zawiera niedozwolone znaki sterujące.";
    case AddUserStatus::ListFull:
      return "Nie można dodać nowego użytkownika: lista jest pełna (" + std::to_string(limit) +
             " użytkowników). Proszę zalogować się jako jeden z istniejących użytkowników.";
    case AddUserStatus::NoIdLeft:
      return "Nie można dodać nowego użytkownika: lista jest pełna (nie ma już wolnego "
             "identyfikatora powyżej tych, które zawiera plik usr.t). Proszę zalogować się jako "
             "jeden z istniejących użytkowników.";
    case AddUserStatus::FileError:
      return result.Error;
  }
  return {};
}

bool MakeUserFolder(const std::string& dataDir, int id, std::string& userDir,
                    std::string* error) {
  userDir = UserDirOf(dataDir, id);
  if (DirectoryExists(userDir) || MakeDirectory(userDir)) return true;
  if (error) *error = "Nie można utworzyć folderu użytkownika " + userDir + ".";
  return false;
}

bool ChooseUser(const std::string& dataDir, const LocalUser& user, std::string& userName,
                std::string& userDir, std::string* error) {
  std::string folder;
  if (!MakeUserFolder(dataDir, user.Id, folder, error)) return false;
  userName = Trim(user.Name);
  userDir = folder;
  return true;
}

}  // namespace tess
