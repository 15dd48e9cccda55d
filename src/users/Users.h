#pragma once
// Local users: the user file usr.t in the learners' data folder (ProgramDir, or its place under
// XDG_DATA_HOME for a read-only installation; one "id=name" line per user, cp1250) and the user
// folders there, data folder + id + "\". Both programs read and extend the same file, so
// nothing here depends on the course; the caller passes the data folder and its list's limit.
#include <string>
#include <string_view>
#include <vector>

namespace tess {

struct LocalUser {
  int Id = 0;
  std::string Name;  ///< cp1250 bytes, trimmed

  friend bool operator==(const LocalUser&, const LocalUser&) = default;
};

constexpr int kCourseUserLimit = 250;
constexpr int kMinUserNameLength = 2;
constexpr int kMaxUserNameLength = 30;

/// Data folder + "usr.t".
std::string UserFilePath(const std::string& dataDir);
/// Data folder + id + "\".
std::string UserDirOf(const std::string& dataDir, int id);

/// Users of the file's lines: every line trimmed; a line without "=" is skipped, and so is
/// one whose text before the first "=" is not a non-negative decimal number (digits only);
/// the name is the rest of the line, trimmed.
std::vector<LocalUser> ParseUserLines(const std::vector<std::string>& lines);
/// The whole file: id + "=" + trimmed name + CR LF per user, in list order.
std::string FormatUserFile(const std::vector<LocalUser>& users);

/// Names compare without regard to case: "A" to "Z" and every capital letter of cp1250 (the
/// Polish Ą Ć Ę Ł Ń Ó Ś Ź Ż and the other Central European ones) fold to their small forms.
std::string FoldUserNameCase(std::string_view name);
bool SameUserName(std::string_view a, std::string_view b);

/// Whether a typed name, trimmed, is long enough to be confirmed.
bool UserNameLongEnough(std::string_view name);

/// The users in file order, at most `Limit()` of them.
class UserList {
 public:
  explicit UserList(int limit = kCourseUserLimit) : limit_(limit) {}

  int Limit() const { return limit_; }
  int Count() const { return static_cast<int>(users_.size()); }
  bool Empty() const { return users_.empty(); }
  /// User at position 1 to Count().
  const LocalUser& At(int position) const { return users_[static_cast<size_t>(position - 1)]; }
  const std::vector<LocalUser>& Users() const { return users_; }

  /// Largest id plus 1; 1 for an empty list; 0 when the largest id is INT_MAX.
  int NextId() const;
  /// Position of the user whose name equals `name` without regard to case; 0 when none.
  int Find(std::string_view name) const;

  /// Replaces the users; those beyond the limit are left out.
  void Assign(std::vector<LocalUser> users);

 private:
  int limit_;
  std::vector<LocalUser> users_;
};

/// Empties the list and reads usr.t from `dataDir`; a missing file leaves it empty. False
/// (with `error`) when the file exists but cannot be read.
bool LoadUsers(const std::string& dataDir, UserList& list, std::string* error = nullptr);
/// LoadUsers for a window: the message to show when usr.t cannot be read, empty when it can.
std::string LoadUsersForWindow(const std::string& dataDir, UserList& list);

enum class AddUserStatus {
  Added,
  NameTooShort,     ///< fewer than 2 characters after trimming
  NameTooLong,      ///< more than 30 characters after trimming
  NameHasControls,  ///< a character below code 32 would break the line structure
  NameTaken,        ///< some user has the name without regard to case
  ListFull,         ///< the file already holds as many users as the list may
  NoIdLeft,         ///< the list is full another way: no id is left above those in the file
  FileError         ///< usr.t could not be read or written; `Error` says why
};

struct AddUserResult {
  AddUserStatus Status = AddUserStatus::FileError;
  int Id = 0;        ///< the new user's id when added
  int Position = 0;  ///< the new user's position in the list when added
  std::string Error;
};

/// Appends a user to usr.t. Another program may have added users since the list was read, so
/// under a lock this re-reads usr.t, checks the name and the limit against what it found and
/// replaces the file atomically with its bytes as read plus the new line: lines it did not
/// write stay byte for byte, also those the reader skips. The new id lies above every number a
/// line of the file starts with (skipped lines too) and names no entry in `dataDir` yet.
/// The lock is "usr.t.lock" beside the file (made writable for every account) and the folder
/// itself; with neither this refuses (FileError) rather than write unlocked. The list is
/// refreshed from the re-read whenever that succeeded, also when the name is refused.
AddUserResult AddUser(const std::string& dataDir, UserList& list, std::string_view name);

/// The Polish message (UTF-8) for a refusal; empty for Added and NameTaken, whose message is
/// the caller's own (an interface text in the course, a fixed text in the dictionary).
std::string AddUserMessage(const AddUserResult& result, int limit);

/// Makes the user's folder data folder + id + "\" (one level) when it does not exist and gives
/// its name in `userDir`. False (with `error`, a Polish message) when it cannot be made.
bool MakeUserFolder(const std::string& dataDir, int id, std::string& userDir,
                    std::string* error = nullptr);

/// Logging in `user`: its folder is made when missing, then `userName` (trimmed) and `userDir`
/// are set. False, with nothing set, when the folder cannot be made.
bool ChooseUser(const std::string& dataDir, const LocalUser& user, std::string& userName,
                std::string& userDir, std::string* error = nullptr);

}  // namespace tess
