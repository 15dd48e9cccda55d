#include "classroomserver/AdminCommands.h"

#include <QCoreApplication>
#include <algorithm>
#include <tuple>

#include "classroomserver/ClassroomServer.h"
#include "classroomserver/Pbkdf2PasswordHasher.h"
#include "classroomserver/ResultsWebServer.h"
#include "classroomserver/ServerRequest.h"
#include "classroomserver/ServerResults.h"
#include "classroomserver/SqlClassroomStorage.h"
#include "shared/CodePage.h"

namespace tess {
namespace {

constexpr std::size_t kLessonNameBytes = 191;
constexpr std::size_t kLessonPositions = 100;
constexpr int kMostPosition = 1000;

const char kUsage[] =
    "usage:\n"
    "  classroom-server serve [--db PATH|--pg CONNSTRING] [--port 9099] [--http PORT]\n"
    "  classroom-server learner add NAME PASSWORD [--no-access] [--whole-material]\n"
    "  classroom-server learner list\n"
    "  classroom-server learner password NAME NEWPASSWORD\n"
    "  classroom-server lesson add NAME POSITIONS...\n"
    "  classroom-server lesson assign NAME LEARNER --from YYYY-MM-DD --to YYYY-MM-DD "
    "[--at-once]\n"
    "  classroom-server results export [LEARNER]\n"
    "  classroom-server teacher password NAME NEWPASSWORD\n"
    "Every command takes --db PATH (default classroom.sqlite) or --pg CONNSTRING.\n";

int Usage(std::ostream& err, const std::string& why) {
  err << "classroom-server: " << why << "\n" << kUsage;
  return kExitUsage;
}

int Failed(std::ostream& err, const std::string& why) {
  err << "classroom-server: " << why << "\n";
  return kExitFailed;
}

// A name or password as the course will send it: cp1250, and free of the bytes that end a
// field or a line.
bool ProtocolText(const std::string& utf8, const char* what, std::string& cp1250,
                  std::ostream& err) {
  cp1250 = FromUtf8(utf8, CodePage::Cp1250);
  if (utf8.empty()) {
    err << "classroom-server: the " << what << " is empty\n";
    return false;
  }
  if (ToUtf8(cp1250, CodePage::Cp1250) != utf8) {
    err << "classroom-server: the " << what << " has characters the course cannot send "
        << "(cp1250 lacks them)\n";
    return false;
  }
  if (cp1250.find_first_of("#\r\n") != std::string::npos) {
    err << "classroom-server: the " << what << " may not hold '#' or line breaks\n";
    return false;
  }
  return true;
}

std::string Quoted(const std::string& utf8) { return "\"" + utf8 + "\""; }

// Takes the flags out of `args`; false when an unknown one is left.
bool TakeFlag(std::vector<std::string>& args, const std::string& flag) {
  for (auto it = args.begin(); it != args.end(); ++it) {
    if (*it == flag) {
      args.erase(it);
      return true;
    }
  }
  return false;
}

// "--name VALUE"; empty optional when absent, error text when the value is missing.
bool TakeOption(std::vector<std::string>& args, const std::string& option,
                std::optional<std::string>& value) {
  for (auto it = args.begin(); it != args.end(); ++it) {
    if (*it != option) continue;
    if (it + 1 == args.end()) return false;
    value = *(it + 1);
    args.erase(it, it + 2);
    return true;
  }
  return true;
}

std::optional<std::string> UnknownOption(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    if (arg.size() > 1 && arg.rfind("--", 0) == 0) return arg;
  }
  return std::nullopt;
}

int LearnerAdd(std::vector<std::string> args, ClassroomStorage& storage, PasswordHasher& hasher,
               std::ostream& out, std::ostream& err) {
  LearnerAccount learner;
  learner.Access = !TakeFlag(args, "--no-access");
  learner.WholeMaterial = TakeFlag(args, "--whole-material");
  if (auto unknown = UnknownOption(args)) return Usage(err, "unknown option " + *unknown);
  if (args.size() != 2) return Usage(err, "learner add needs NAME and PASSWORD");
  std::string password;
  if (!ProtocolText(args[0], "name", learner.Name, err) ||
      !ProtocolText(args[1], "password", password, err)) {
    return kExitFailed;
  }
  learner.PasswordHash = hasher.Hash(password);
  switch (storage.AddLearner(learner)) {
    case StorageChange::Done:
      out << "learner " << Quoted(args[0]) << " added\n";
      return kExitOk;
    case StorageChange::Exists:
      return Failed(err, "a learner " + Quoted(args[0]) + " exists already");
    default:
      return Failed(err, "database: " + storage.LastError());
  }
}

int LearnerList(const std::vector<std::string>& args, ClassroomStorage& storage,
                std::ostream& out, std::ostream& err) {
  if (!args.empty()) return Usage(err, "learner list takes no arguments");
  std::vector<LearnerAccount> learners;
  if (!storage.Learners(learners)) return Failed(err, "database: " + storage.LastError());
  out << "name\taccess\twhole material\n";
  for (const LearnerAccount& learner : learners) {
    out << ToUtf8(learner.Name, CodePage::Cp1250) << '\t' << (learner.Access ? "yes" : "no")
        << '\t' << (learner.WholeMaterial ? "yes" : "no") << '\n';
  }
  return kExitOk;
}

int LearnerPassword(const std::vector<std::string>& args, ClassroomStorage& storage,
                    PasswordHasher& hasher, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) return Usage(err, "learner password needs NAME and NEWPASSWORD");
  std::string name;
  std::string password;
  if (!ProtocolText(args[0], "name", name, err) ||
      !ProtocolText(args[1], "password", password, err)) {
    return kExitFailed;
  }
  switch (storage.SetPasswordHash(name, hasher.Hash(password))) {
    case StorageChange::Done:
      out << "password of " << Quoted(args[0]) << " changed\n";
      return kExitOk;
    case StorageChange::NotFound:
      return Failed(err, "no learner " + Quoted(args[0]));
    default:
      return Failed(err, "database: " + storage.LastError());
  }
}

int LessonAdd(const std::vector<std::string>& args, ClassroomStorage& storage, std::ostream& out,
              std::ostream& err) {
  if (args.size() < 2) return Usage(err, "lesson add needs NAME and at least one position");
  std::string name;
  if (!ProtocolText(args[0], "lesson name", name, err)) return kExitFailed;
  if (name.size() > kLessonNameBytes) {
    return Failed(err, "the lesson name is longer than " + std::to_string(kLessonNameBytes) +
                           " characters");
  }
  if (args.size() - 1 > kLessonPositions) {
    return Failed(err, "a lesson holds at most " + std::to_string(kLessonPositions) +
                           " positions");
  }
  std::vector<int> positions;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& text = args[i];
    int value = 0;
    bool ok = !text.empty() && text.size() <= 4;
    for (char c : text) {
      ok = ok && c >= '0' && c <= '9';
      value = value * 10 + (c - '0');
    }
    if (!ok || value < 1 || value > kMostPosition) {
      return Failed(err, "position " + Quoted(text) + " is not a number from 1 to " +
                             std::to_string(kMostPosition));
    }
    positions.push_back(value);
  }
  switch (storage.AddLesson(name, positions)) {
    case StorageChange::Done:
      out << "lesson " << Quoted(args[0]) << " added with " << positions.size()
          << " position(s)\n";
      return kExitOk;
    case StorageChange::Exists:
      return Failed(err, "a lesson " + Quoted(args[0]) + " exists already");
    default:
      return Failed(err, "database: " + storage.LastError());
  }
}

int LessonAssign(std::vector<std::string> args, ClassroomStorage& storage, std::ostream& out,
                 std::ostream& err) {
  const bool atOnce = TakeFlag(args, "--at-once");
  std::optional<std::string> from;
  std::optional<std::string> to;
  if (!TakeOption(args, "--from", from) || !TakeOption(args, "--to", to)) {
    return Usage(err, "--from and --to need a date");
  }
  if (auto unknown = UnknownOption(args)) return Usage(err, "unknown option " + *unknown);
  if (args.size() != 2 || !from || !to) {
    return Usage(err, "lesson assign needs NAME, LEARNER, --from and --to");
  }
  const std::optional<CivilDateTime> first = ParseIsoDate(*from);
  const std::optional<CivilDateTime> last = ParseIsoDate(*to);
  if (!first || !last) return Failed(err, "dates are written YYYY-MM-DD, e.g. 2024-09-02");
  if (std::tie(last->year, last->month, last->day) <
      std::tie(first->year, first->month, first->day)) {
    return Failed(err, "--to is before --from");
  }
  std::string lesson;
  std::string learner;
  if (!ProtocolText(args[0], "lesson name", lesson, err) ||
      !ProtocolText(args[1], "name", learner, err)) {
    return kExitFailed;
  }
  switch (storage.AssignLesson(lesson, learner, *from, *to, atOnce)) {
    case StorageChange::Done:
      out << "lesson " << Quoted(args[0]) << " assigned to " << Quoted(args[1]) << " from "
          << *from << " to " << *to << (atOnce ? ", available at once" : "") << "\n";
      return kExitOk;
    case StorageChange::NotFound:
      return Failed(err, storage.LastError() == "no such lesson"
                             ? "no lesson " + Quoted(args[0])
                             : "no learner " + Quoted(args[1]));
    default:
      return Failed(err, "database: " + storage.LastError());
  }
}

// Teachers log in to the results page from a browser, which sends UTF-8; they never meet the
// course's protocol, so cp1250 does not bind them.
int TeacherPassword(const std::vector<std::string>& args, ClassroomStorage& storage,
                    PasswordHasher& hasher, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) return Usage(err, "teacher password needs NAME and NEWPASSWORD");
  const std::string& name = args[0];
  const std::string& password = args[1];
  const auto control = [](const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
      return static_cast<unsigned char>(c) < 0x20 || c == '\x7F';
    });
  };
  if (name.empty() || password.empty()) {
    return Failed(err, "the name and the password may not be empty");
  }
  // HTTP Basic authentication ends the name at the first colon.
  if (name.find(':') != std::string::npos || control(name)) {
    return Failed(err, "the teacher's name may not hold ':' or control characters");
  }
  if (control(password)) return Failed(err, "the password may not hold control characters");
  switch (storage.SetTeacherPasswordHash(name, hasher.Hash(password))) {
    case StorageChange::Done:
      out << "teacher " << Quoted(name) << " may read the results page with this password\n";
      return kExitOk;
    default:
      return Failed(err, "database: " + storage.LastError());
  }
}

int ResultsExport(const std::vector<std::string>& args, ClassroomStorage& storage,
                  std::ostream& out, std::ostream& err) {
  if (args.size() > 1) return Usage(err, "results export takes at most one LEARNER");
  std::optional<std::string> learner;
  if (!args.empty()) {
    std::string name;
    if (!ProtocolText(args[0], "name", name, err)) return kExitFailed;
    std::optional<LearnerAccount> found;
    if (!storage.FindLearner(name, found)) return Failed(err, "database: " + storage.LastError());
    if (!found) return Failed(err, "no learner " + Quoted(args[0]));
    learner = name;
  }
  std::vector<StoredResults> results;
  if (!storage.AllResults(learner, results)) {
    return Failed(err, "database: " + storage.LastError());
  }
  out << ResultsCsv(results, [](std::string_view text) { return ToUtf8(text, CodePage::Cp1250); });
  return kExitOk;
}

// 0 takes any free port (the one taken is printed).
bool PortOf(const std::string& text, int& port) {
  bool ok = false;
  port = QString::fromStdString(text).toInt(&ok);
  return ok && port >= 0 && port <= 65535;
}

int Serve(std::vector<std::string> args, const StorageLocation& where, std::ostream& err) {
  std::optional<std::string> portText;
  std::optional<std::string> httpText;
  if (!TakeOption(args, "--port", portText)) return Usage(err, "--port needs a number");
  if (!TakeOption(args, "--http", httpText)) return Usage(err, "--http needs a port number");
  if (!args.empty()) return Usage(err, "serve: unexpected " + Quoted(args[0]));
  int port = 9099;
  if (portText && !PortOf(*portText, port)) {
    return Usage(err, "--port needs a number 0 to 65535");
  }
  int httpPort = 0;
  if (httpText && !PortOf(*httpText, httpPort)) {
    return Usage(err, "--http needs a port number 0 to 65535");
  }
  if (QCoreApplication::instance() == nullptr) return Failed(err, "serve needs an application");
  const auto openStorage = [where](std::string* error) -> std::unique_ptr<ClassroomStorage> {
    return SqlClassroomStorage::Open(where, error);
  };
  const auto makeHasher = []() -> std::unique_ptr<PasswordHasher> {
    return std::make_unique<Pbkdf2PasswordHasher>();
  };
  ClassroomServer server(openStorage, makeHasher);
  std::string error;
  if (!server.Start(QHostAddress::Any, static_cast<quint16>(port), &error)) {
    return Failed(err, error);
  }
  err << "classroom-server: listening on port " << server.Port() << " ("
      << (where.What == StorageLocation::Kind::Postgres ? "PostgreSQL" : where.Target) << ")"
      << std::endl;
  // Without --http nothing else listens.
  std::unique_ptr<ResultsWebServer> page;
  if (httpText) {
    page = std::make_unique<ResultsWebServer>(openStorage, makeHasher);
    int teachers = 0;
    if (!page->Start(QHostAddress::Any, static_cast<quint16>(httpPort), &error, &teachers)) {
      return Failed(err, error);
    }
    err << "classroom-server: results page on http port " << page->Port() << std::endl;
    if (teachers == 0) {
      err << "classroom-server: no teacher can log in to it yet; set a password with "
             "\"classroom-server teacher password NAME PASSWORD\"" << std::endl;
    }
  }
  return QCoreApplication::exec() == 0 ? kExitOk : kExitFailed;
}

}  // namespace

int RunAdminCommand(const std::vector<std::string>& args, ClassroomStorage& storage,
                    PasswordHasher& hasher, std::ostream& out, std::ostream& err) {
  if (args.empty()) return Usage(err, "no command");
  if (args.size() < 2) {
    const bool known = args[0] == "learner" || args[0] == "lesson" || args[0] == "results" ||
                       args[0] == "teacher";
    return Usage(err, known ? "incomplete command" : "unknown command " + Quoted(args[0]));
  }
  const std::string command = args[0] + " " + args[1];
  const std::vector<std::string> rest(args.begin() + 2, args.end());
  if (command == "learner add") return LearnerAdd(rest, storage, hasher, out, err);
  if (command == "learner list") return LearnerList(rest, storage, out, err);
  if (command == "learner password") return LearnerPassword(rest, storage, hasher, out, err);
  if (command == "lesson add") return LessonAdd(rest, storage, out, err);
  if (command == "lesson assign") return LessonAssign(rest, storage, out, err);
  if (command == "results export") return ResultsExport(rest, storage, out, err);
  if (command == "teacher password") return TeacherPassword(rest, storage, hasher, out, err);
  return Usage(err, "unknown command " + Quoted(command));
}

int RunClassroomServerProgram(const std::vector<std::string>& arguments, std::ostream& out,
                              std::ostream& err) {
  std::vector<std::string> args = arguments;
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    (args.empty() ? err : out) << kUsage;
    return args.empty() ? kExitUsage : kExitOk;
  }
  std::optional<std::string> db;
  std::optional<std::string> pg;
  if (!TakeOption(args, "--db", db) || !TakeOption(args, "--pg", pg)) {
    return Usage(err, "--db needs a path and --pg a connection string");
  }
  if (db && pg) return Usage(err, "give --db or --pg, not both");
  StorageLocation where;
  if (pg) {
    where = {StorageLocation::Kind::Postgres, *pg};
  } else if (db) {
    where.Target = *db;
  }
  if (args[0] == "serve") return Serve({args.begin() + 1, args.end()}, where, err);
  std::string error;
  std::unique_ptr<SqlClassroomStorage> storage = SqlClassroomStorage::Open(where, &error);
  if (!storage) return Failed(err, "cannot open the database: " + error);
  Pbkdf2PasswordHasher hasher;
  return RunAdminCommand(args, *storage, hasher, out, err);
}

}  // namespace tess
