#pragma once
// The command line of the classroom server: "serve" and the teacher's commands for learners,
// lessons and results. Arguments and output are UTF-8; the storage gets cp1250, as the course
// sends it.
#include <ostream>
#include <string>
#include <vector>

#include "classroomserver/ClassroomStorage.h"

namespace tess {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  ///< the command could not be done (told on stderr)
inline constexpr int kExitUsage = 2;   ///< the command line was wrong

/// One teacher's command (the words after the program name, database options taken off):
/// learner add|list|password, lesson add|assign, results export, teacher password.
int RunAdminCommand(const std::vector<std::string>& args, ClassroomStorage& storage,
                    PasswordHasher& hasher, std::ostream& out, std::ostream& err);

/// The whole program: takes --db PATH or --pg CONNSTRING off the arguments, opens the
/// storage and runs "serve" (needs a QCoreApplication; returns when it quits; with --http PORT
/// it also serves the teacher's results page) or a command.
int RunClassroomServerProgram(const std::vector<std::string>& args, std::ostream& out,
                              std::ostream& err);

}  // namespace tess
