// The user file "usr.t": read, written back, and extended by a new user as both programs do.
#include "FuzzSupport.h"
#include "shared/Text.h"
#include "shared/TextFile.h"
#include "users/Users.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  const std::string_view input = fuzz::AsText(data, size);
  const std::string path = fuzz::WriteFile("usr.t", input);
  const auto lines = ReadTextLines(path);
  TESS_FUZZ_CHECK(lines.has_value());
  const std::vector<LocalUser> users = ParseUserLines(*lines);

  // What the programs write back reads as the same users.
  const std::string written = FormatUserFile(users);
  const std::string copy = fuzz::WriteFile("copy.t", written);
  TESS_FUZZ_CHECK(ParseUserLines(*ReadTextLines(copy)) == users);

  for (int limit : {kCourseUserLimit, 50}) {
    UserList list(limit);
    TESS_FUZZ_CHECK(LoadUsers(fuzz::Folder(), list));
    TESS_FUZZ_CHECK(list.Count() <= limit);
    TESS_FUZZ_CHECK(list.NextId() >= 1);
    for (const LocalUser& user : list.Users()) TESS_FUZZ_CHECK(list.Find(user.Name) >= 1);
  }

  // A new user named by the input's first line.
  UserList list;
  const std::string name = lines->empty() ? std::string("nowy") : Trim(lines->front());
  const AddUserResult added = AddUser(fuzz::Folder(), list, name);
  if (added.Status == AddUserStatus::Added) {
    UserList reread;
    TESS_FUZZ_CHECK(LoadUsers(fuzz::Folder(), reread));
    TESS_FUZZ_CHECK(reread.Find(name) >= 1);
  } else {
    AddUserMessage(added, list.Limit());
  }
  return 0;
}
