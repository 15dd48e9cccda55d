#include "classroom/ClassroomSession.h"

#include "platform/Clock.h"
#include "shared/Paths.h"
#include "shared/Text.h"

namespace tess {

std::string ClassroomUserDir(const std::string& programDir) { return programDir + "0_tmp\\"; }

std::string NothingToWorkOnMessage() {
  return "Nie ma \xBF"
         "adnych przygotowanych lekcji, nie masz mozliwosci korzystania z wersji lokalnej lub "
         "pracy na calym materiale!";
}

ClassroomLoginOutcome ClassroomSession::LogIn(CourseState& state, std::string_view typedName,
                                              std::string_view typedPassword, ResultsStore& store) {
  ClassroomLoginOutcome outcome;
  const auto say = [&](const std::string& text, bool plain) {
    if (!text.empty()) outcome.Messages.push_back({text, plain});
  };
  state.UserName = Trim(typedName);
  client_.SetWho({state.UserName, Trim(typedPassword), state.Install.SettingsTag});

  const LoginOutcome login = client_.Login();
  if (!login.Request.Ok) {
    say(login.Request.Message, false);
    return outcome;
  }
  const std::string userDir = ClassroomUserDir(state.Install.DataFolder());
  MakeDirectory(userDir);
  const std::string resultsFile = ResultsFilePath(userDir, state.Install.SettingsTag);
  if (!login.Reply.ServerHasResults) {
    store.Clear();
    BuildResults(material_, clock_.Now(), store);
    std::string error;
    if (!SaveResults(resultsFile, store, &error)) {
      say("Nie mo\xBFna zapisa\xE6 wynik\xF3w w pliku " + resultsFile + ": " + error, true);
    }
    say(client_.UploadResults(resultsFile).Message, true);
  } else {
    const RequestOutcome download = client_.DownloadResults(resultsFile);
    if (!download.Ok) {
      say(download.Message, false);
      return outcome;
    }
  }
  state.UserDir = userDir;

  userInfo_.clear();
  say(client_.GetUserInfo(userInfo_).Message, true);
  lessons_ = {};
  say(client_.GetLessons(lessons_).Message, true);
  lessons_.WholeMaterial = WholeMaterialOf(userInfo_);

  if (lessons_.Assignments.empty() && !lessons_.WholeMaterial && !state.Classroom.LocalAllowed) {
    say(NothingToWorkOnMessage(), false);
    return outcome;
  }
  // Results that waited from an earlier session go out first.
  ResultQueue(QueuePath(userDir)).Flush(client_);
  outcome.LoggedIn = true;
  return outcome;
}

RequestOutcome ClassroomSession::SendResult(const std::string& userDir,
                                            const ResultRecord& record) {
  return ResultQueue(QueuePath(userDir)).SendOrKeep(client_, record);
}

std::string ClassroomSession::QueuePath(const std::string& userDir) const {
  return ResultQueuePath(userDir, client_.Who().UserName);
}

}  // namespace tess
