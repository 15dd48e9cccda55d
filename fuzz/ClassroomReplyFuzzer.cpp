// What a classroom server sends back: the login line and the lesson lists, in pieces of any
// size. Nothing a server sends may make the lists grow past what they hold.
#include "FuzzSupport.h"
#include "classroom/ServerProtocol.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  const std::string_view bytes = fuzz::AsText(data, size);
  std::string received(bytes);
  while (std::optional<std::string> line = TakeReplyLine(received)) ParseLoginReply(*line);
  ParseLoginReply(bytes);

  LessonsReader reader;
  const std::size_t piece = size == 0 ? 1 : 1 + data[0] % 64;
  for (std::size_t at = 0; at < size; at += piece) reader.Feed(bytes.substr(at, piece));
  const ClassroomLessons& lessons = reader.Lessons();
  TESS_FUZZ_CHECK(lessons.Lessons.size() <= kMaxClassroomRecords);
  TESS_FUZZ_CHECK(lessons.Assignments.size() <= kMaxClassroomRecords);
  for (const ServerLesson& lesson : lessons.Lessons) {
    TESS_FUZZ_CHECK(lesson.Name.size() <= 191 && lesson.Positions.size() <= 100);
  }
  return 0;
}
