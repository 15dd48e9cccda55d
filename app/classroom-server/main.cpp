// The classroom server that ships with the course: "serve" answers the course's requests,
// the other commands let a teacher manage learners, lessons and results from a terminal.
#include <QCoreApplication>
#include <iostream>
#include <string>
#include <vector>

#include "classroomserver/AdminCommands.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("classroom-server"));
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  return tess::RunClassroomServerProgram(args, std::cout, std::cerr);
}
