#include "users/Users.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
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

enum class FileRead { Read, Missing, Failed };

FileRead ReadUserFile(const std::string& programDir, std::vector<LocalUser>& users,
                      std::string* error) {
  users.clear();
  const std::string path = UserFilePath(programDir);
  if (!FileExists(path)) return FileRead::Missing;
  const std::optional<std::vector<std::string>> lines = ReadTextLines(path);
  if (!lines) {
    if (error) *error = "Nie można odczytać listy użytkowników z pliku " + path + ".";
    return FileRead::Failed;
  }
  users = ParseUserLines(*lines);
  return FileRead::Read;
}

// An advisory lock that both programs take around reading and rewriting usr.t. It lives on a
// file of its own because the atomic rewrite replaces usr.t, and a lock on the old file
// would not stop a program that opens the new one.
class UserFileLock {
 public:
  explicit UserFileLock(const std::string& programDir) {
    const std::string path = ResolvePath(programDir + "usr.t.lock");
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    // Without a lock file (a read-only folder) the rewrite fails on its own and says why.
    if (fd_ < 0) return;
    while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
    }
  }
  ~UserFileLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
  }
  UserFileLock(const UserFileLock&) = delete;
  UserFileLock& operator=(const UserFileLock&) = delete;

 private:
  int fd_ = -1;
};

}  // namespace

std::string UserFilePath(const std::string& programDir) { return programDir + "usr.t"; }

std::string UserDirOf(const std::string& programDir, int id) {
  return programDir + std::to_string(id) + "\\";
}

std::vector<LocalUser> ParseUserLines(const std::vector<std::string>& lines) {
  std::vector<LocalUser> users;
  for (const std::string& raw : lines) {
    const std::string line = Trim(raw);
    const size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::optional<int> id = ParseUserId(std::string_view(line).substr(0, equals));
    if (!id) continue;
    users.push_back({*id, Trim(std::string_view(line).substr(equals + 1))});
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

int UserList::NextId() const { return LargestId(users_) + 1; }

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

bool LoadUsers(const std::string& programDir, UserList& list, std::string* error) {
  std::vector<LocalUser> users;
  const FileRead read = ReadUserFile(programDir, users, error);
  list.Assign(std::move(users));
  return read != FileRead::Failed;
}

AddUserResult AddUser(const std::string& programDir, UserList& list, std::string_view name) {
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

  const UserFileLock lock(programDir);
  // Everything in the file counts, also users beyond this program's limit, so that the
  // rewrite never drops a line another program wrote.
  std::vector<LocalUser> users;
  if (ReadUserFile(programDir, users, &result.Error) == FileRead::Failed) {
    return refuse(AddUserStatus::FileError);
  }
  list.Assign(users);
  for (const LocalUser& user : users) {
    if (SameUserName(user.Name, trimmed)) return refuse(AddUserStatus::NameTaken);
  }
  if (static_cast<int>(users.size()) >= list.Limit()) return refuse(AddUserStatus::ListFull);
  const int largest = LargestId(users);
  if (largest == INT_MAX) {
    result.Error = "Plik " + UserFilePath(programDir) +
                   " zawiera największy możliwy identyfikator użytkownika.";
    return refuse(AddUserStatus::FileError);
  }

  users.push_back({largest + 1, trimmed});
  std::string reason;
  if (!WriteFileAtomically(UserFilePath(programDir), FormatUserFile(users), &reason)) {
    result.Error =
        "Nie można zapisać listy użytkowników w pliku " + UserFilePath(programDir) + ": " + reason;
    return refuse(AddUserStatus::FileError);
  }
  list.Assign(users);
  result.Status = AddUserStatus::Added;
  result.Id = largest + 1;
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
    case AddUserStatus::FileError:
      return result.Error;
  }
  return {};
}

bool MakeUserFolder(const std::string& programDir, int id, std::string& userDir,
                    std::string* error) {
  userDir = UserDirOf(programDir, id);
  if (DirectoryExists(userDir) || MakeDirectory(userDir)) return true;
  if (error) *error = "Nie można utworzyć folderu użytkownika " + userDir + ".";
  return false;
}

bool ChooseUser(const std::string& programDir, const LocalUser& user, std::string& userName,
                std::string& userDir, std::string* error) {
  std::string folder;
  if (!MakeUserFolder(programDir, user.Id, folder, error)) return false;
  userName = Trim(user.Name);
  userDir = folder;
  return true;
}

}  // namespace tess
