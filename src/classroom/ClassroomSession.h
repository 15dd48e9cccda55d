#pragma once
// A classroom session: the login steps in their order (the server's verdict, the folder of the
// computer's classroom users, the results up or down, the user block and the lessons, and
// whether there is anything the learner may work on), then every recorded result sent, with
// the ones the server did not take kept for later.
#include <string>
#include <string_view>
#include <vector>

#include "classroom/ClassroomClient.h"
#include "classroom/ResultQueue.h"
#include "core/ClassroomLessons.h"
#include "core/CourseState.h"
#include "results/CourseMaterial.h"
#include "results/ResultsStore.h"

namespace tess {

class Clock;

/// The folder every classroom user of the computer shares: data folder + "0_tmp\".
std::string ClassroomUserDir(const std::string& programDir);

struct ClassroomLoginOutcome {
  bool LoggedIn = false;
  /// What the learner is shown, in order: those of the login steps in the program's message
  /// window, the others (`Plain`) in a plain message box. cp1250.
  struct Message {
    std::string Text;
    bool Plain = false;
  };
  std::vector<Message> Messages;
};

class ClassroomSession {
 public:
  ClassroomSession(ServerLink& link, const CourseMaterial& material, Clock& clock)
      : material_(material), clock_(clock), client_(link, {}) {}

  /// The login window's OK with the typed texts (blank-only texts count as empty, which the
  /// window catches before). On success the state holds the user and the folder "0_tmp".
  /// `store` receives freshly built records when the server has none.
  ClassroomLoginOutcome LogIn(CourseState& state, std::string_view typedName,
                              std::string_view typedPassword, ResultsStore& store);

  const ClassroomLessons& Lessons() const { return lessons_; }
  const std::string& UserInfo() const { return userInfo_; }
  ClassroomClient& Client() { return client_; }

  /// A recorded attempt, sent after any that still wait; kept when it does not reach the
  /// server. The outcome's message is for a plain message box.
  RequestOutcome SendResult(const std::string& userDir, const ResultRecord& record);
  /// The queue of the logged-in user.
  std::string QueuePath(const std::string& userDir) const;

 private:
  const CourseMaterial& material_;
  Clock& clock_;
  ClassroomClient client_;
  ClassroomLessons lessons_;
  std::string userInfo_;
};

/// The message when a server login leaves nothing to work on (cp1250).
std::string NothingToWorkOnMessage();

}  // namespace tess
