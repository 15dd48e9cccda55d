#include "classroom/ServerProtocol.h"

#include <algorithm>
#include <cstring>

#include "shared/DateTime.h"

namespace tess {
namespace {

constexpr std::size_t kLessonNameLimit = 191;
constexpr std::size_t kLessonRecordLimit = 100;
constexpr std::size_t kLessonCountOffset = 192;
constexpr std::size_t kLessonRecordsOffset = 196;

std::string Fields(std::string_view command, std::initializer_list<std::string_view> fields) {
  std::string line(command);
  for (std::string_view field : fields) {
    line += field;
    line += '#';
  }
  return line;
}

std::string WithLineEnd(std::string line) { return line + "\r\n"; }

std::string Standard(std::string_view command, const ServerCredentials& who) {
  return WithLineEnd(Fields(command, {who.UserName, who.Password, who.SettingsTag}));
}

std::uint32_t BigEndian32(const char* bytes) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes);
  return (std::uint32_t{b[0]} << 24) | (std::uint32_t{b[1]} << 16) | (std::uint32_t{b[2]} << 8) |
         std::uint32_t{b[3]};
}

std::int32_t LittleEndian32(const char* bytes) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes);
  return static_cast<std::int32_t>(std::uint32_t{b[0]} | (std::uint32_t{b[1]} << 8) |
                                   (std::uint32_t{b[2]} << 16) | (std::uint32_t{b[3]} << 24));
}

double LittleEndianDouble(const char* bytes) {
  std::uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = (bits << 8) | static_cast<unsigned char>(bytes[i]);
  double value = 0;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

ServerLesson ReadLesson(const char* record) {
  ServerLesson lesson;
  const std::size_t length =
      std::min<std::size_t>(static_cast<unsigned char>(record[0]), kLessonNameLimit);
  lesson.Name.assign(record + 1, length);
  const std::int32_t count = LittleEndian32(record + kLessonCountOffset);
  const std::size_t used =
      count <= 0 ? 0 : std::min<std::size_t>(static_cast<std::size_t>(count), kLessonRecordLimit);
  for (std::size_t i = 0; i < used; ++i) {
    lesson.Positions.push_back(LittleEndian32(record + kLessonRecordsOffset + 4 * i));
  }
  return lesson;
}

LessonAssignment ReadAssignment(const char* record) {
  LessonAssignment assignment;
  assignment.ID = LittleEndian32(record);
  assignment.OD = LittleEndianDouble(record + 4);
  assignment.OdRazu = record[12] != 0;
  assignment.DO = LittleEndianDouble(record + 16);
  return assignment;
}

void PutBigEndian32(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>(value >> shift));
}

void PutLittleEndian(char* at, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) at[i] = static_cast<char>(value >> (8 * i));
}

void PutLittleEndianDouble(char* at, double value) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  PutLittleEndian(at, bits, 8);
}

}  // namespace

std::string LoginRequest(const ServerCredentials& who) { return Standard("LOG:", who); }
std::string UploadResultsRequest(const ServerCredentials& who) { return Standard("PCW:", who); }
std::string DownloadResultsRequest(const ServerCredentials& who) { return Standard("GCW:", who); }
std::string UserInfoRequest(const ServerCredentials& who) { return Standard("GUI:", who); }
std::string LessonsRequest(const ServerCredentials& who) { return Standard("GIL:", who); }

std::string ChangePasswordRequest(std::string_view user, std::string_view oldPassword,
                                  std::string_view newPassword) {
  return WithLineEnd(Fields("CHP:", {user, oldPassword, newPassword}));
}

std::string ResultRecordText(const ResultRecord& record) {
  return Fields(
      "", {record.Name, record.Title, std::to_string(record.Kind), std::to_string(record.Item),
           std::to_string(record.Level), FormatDate(record.LastDate), std::to_string(record.Score),
           std::to_string(record.Attempts), std::to_string(record.Finished), record.Group});
}

std::string SendRecordRequest(const ServerCredentials& who, const ResultRecord& record) {
  return SendRecordTextRequest(who, ResultRecordText(record));
}

std::string SendRecordTextRequest(const ServerCredentials& who, std::string_view recordText) {
  return WithLineEnd(Fields("RCW:", {who.UserName, who.Password, who.SettingsTag}) +
                     std::string(recordText));
}

std::string ReplyField(std::string_view line, int k) {
  std::size_t start = 0;
  for (int field = 1; field <= k; ++field) {
    const std::size_t hash = line.find('#', start);
    if (hash == std::string_view::npos) return {};
    if (field == k) return std::string(line.substr(start, hash - start));
    start = hash + 1;
  }
  return {};
}

LoginReply ParseLoginReply(std::string_view line) {
  LoginReply reply;
  const std::string verdict = ReplyField(line, 1);
  if (verdict == "0") {
    reply.Verdict = LoginVerdict::WrongNameOrPassword;
  } else if (verdict == "2") {
    reply.Verdict = LoginVerdict::NoAccess;
  } else {
    reply.ServerHasResults = ReplyField(line, 2) != "0";
  }
  return reply;
}

std::optional<std::string> TakeReplyLine(std::string& received) {
  const std::size_t lf = received.find('\n');
  if (lf == std::string::npos) return std::nullopt;
  std::string line = received.substr(0, lf);
  received.erase(0, lf + 1);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

bool WholeMaterialOf(std::string_view userInfo) {
  return userInfo.size() > kWholeMaterialOffset && userInfo[kWholeMaterialOffset] != 0;
}

void LessonsReader::Feed(std::string_view bytes) {
  pending_.append(bytes);
  while (Step()) {
  }
  // What was read is dropped now and then, so a long reply does not pile up.
  if (offset_ > 0 && offset_ * 2 >= pending_.size()) {
    pending_.erase(0, offset_);
    offset_ = 0;
  }
}

bool LessonsReader::Step() {
  const std::size_t available = pending_.size() - offset_;
  const char* at = pending_.data() + offset_;
  switch (stage_) {
    case Stage::LessonCount:
    case Stage::AssignmentCount: {
      if (available < 4) return false;
      remaining_ = BigEndian32(at);
      offset_ += 4;
      stage_ = stage_ == Stage::LessonCount ? Stage::Lessons : Stage::Assignments;
      return true;
    }
    case Stage::Lessons: {
      if (remaining_ == 0) {
        stage_ = Stage::AssignmentCount;
        return true;
      }
      if (available < kServerLessonSize) return false;
      if (lessons_.Lessons.size() < kMaxClassroomRecords)
        lessons_.Lessons.push_back(ReadLesson(at));
      offset_ += kServerLessonSize;
      --remaining_;
      return true;
    }
    case Stage::Assignments: {
      if (remaining_ == 0) {
        stage_ = Stage::Done;
        return true;
      }
      if (available < kAssignmentSize) return false;
      if (lessons_.Assignments.size() < kMaxClassroomRecords) {
        lessons_.Assignments.push_back(ReadAssignment(at));
      }
      offset_ += kAssignmentSize;
      --remaining_;
      return true;
    }
    case Stage::Done:
      return false;
  }
  return false;
}

std::string UserInfoBytes(bool wholeMaterial) {
  std::string block(kUserInfoSize, '\0');
  block[kWholeMaterialOffset] = wholeMaterial ? 1 : 0;
  return block;
}

std::string LessonsReplyBytes(const ClassroomLessons& lessons) {
  std::string out;
  out.reserve(8 + lessons.Lessons.size() * kServerLessonSize +
              lessons.Assignments.size() * kAssignmentSize);
  PutBigEndian32(out, static_cast<std::uint32_t>(lessons.Lessons.size()));
  for (const ServerLesson& lesson : lessons.Lessons) {
    std::string record(kServerLessonSize, '\0');
    const std::size_t length = std::min(lesson.Name.size(), kLessonNameLimit);
    record[0] = static_cast<char>(length);
    std::memcpy(record.data() + 1, lesson.Name.data(), length);
    const std::size_t used = std::min(lesson.Positions.size(), kLessonRecordLimit);
    PutLittleEndian(record.data() + kLessonCountOffset, used, 4);
    for (std::size_t i = 0; i < used; ++i) {
      PutLittleEndian(record.data() + kLessonRecordsOffset + 4 * i,
                      static_cast<std::uint32_t>(lesson.Positions[i]), 4);
    }
    out += record;
  }
  PutBigEndian32(out, static_cast<std::uint32_t>(lessons.Assignments.size()));
  for (const LessonAssignment& assignment : lessons.Assignments) {
    char record[kAssignmentSize] = {};
    PutLittleEndian(record, static_cast<std::uint32_t>(assignment.ID), 4);
    PutLittleEndianDouble(record + 4, assignment.OD);
    record[12] = assignment.OdRazu ? 1 : 0;
    PutLittleEndianDouble(record + 16, assignment.DO);
    out.append(record, kAssignmentSize);
  }
  return out;
}

namespace classroom_text {

std::string LoginRefused() {
  return "Pr\xF3"
         "ba logowania zako\xF1"
         "czy\xB3"
         "a si\xEA niepowodzeniem (podano b\xB3\xEA"
         "dny login i/lub password).\rSkontaktuj sie z administratorem.";
}

std::string LoginNoAccess() {
  return "Nie masz dost\xEApu do tego programu.\rSkontaktuj sie z administratorem.";
}

std::string LoginConnectionFailed(std::string_view failure) {
  return std::string(
             "B\xB3\xB9"
             "d podczas pr\xF3"
             "by po\xB3\xB9"
             "czenia z serwerem. (id: ") +
         std::string(failure) + "). Skontaktuj sie z administratorem.";
}

std::string UploadNoLocalFile() { return "Na komputerze klienta nie znaleziono struktury CW_Info"; }

std::string UploadFailed(std::string_view failure) {
  return std::string(
             "B\xB3"
             "ad serwera podczas przysy\xB3"
             "ania CW_Info. B\xB3\xB9"
             "d:") +
         std::string(failure);
}

std::string DownloadFailed() {
  return "B\xB3"
         "ad! Mozliwe przyczyny\r- serwer nie odpowiedzial na zadanie pobrania CwInfo\r- blad "
         "podczas zapisu CwInfo na komputerze klienta...\rSkontaktuj sie z administratorem.";
}

std::string UserInfoFailed() {
  return "B\xB3"
         "ad! Mozliwe przyczyny\r- serwer nie odpowiedzial na zadanie pobrania danych "
         "uzytkownika\rSkontaktuj sie z administratorem.";
}

std::string LessonsFailed() {
  return "B\xB3"
         "ad! Mozliwe przyczyny\r- serwer nie odpowiedzial na zadanie pobrania Lekcji\r- blad "
         "podczas zapisu Lekcji na komputerze klienta...\rSkontaktuj sie z administratorem.";
}

std::string PasswordChanged() { return "Has\xB3o zosta\xB3o zmienione!"; }

std::string PasswordRefused() {
  return "B\xB3"
         "ad - serwer odpowiedzial \"FALSE\" po otrzymaniu zadania zmiany hasla!\r\rMozliwe "
         "przyczyny:\r\r- zle podany user i/lub password\r\r- bark komunikacji z serverem.";
}

std::string PasswordConnectionFailed() {
  return "B\xB3"
         "ad!!!";
}

std::string RecordRefused() {
  return "Wys\xB3"
         "anie rekordu CW_Info nie powiod\xB3o si\xEA.";
}

std::string RecordConnectionFailed(std::string_view failure) {
  return std::string(
             "B\xB3\xB9"
             "d serwera: ") +
         std::string(failure) + " - skontaktuj si\xEA z administratorem";
}

}  // namespace classroom_text
}  // namespace tess
