// How long a program takes to its first window: each run starts a fresh X server, starts the
// program on it and waits until a top-level window of at least the given size is mapped. The
// bare Qt window, coursebook and wordbook run side by side (one run of each in turn), and the
// medians are reported with their ratio to the bare window and the resident memory at that
// moment.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Program {
  std::string Name;
  std::string Path;
  std::string Argument;  // passed when not empty
  int MinWidth = 0;
  int MinHeight = 0;
  bool BelowScreenSize = false;  // a window covering the whole screen does not count
  std::vector<double> Millis;
  std::vector<long> RssKb;
};

struct XServer {
  pid_t Pid = -1;
  std::string Display;
  int DisplayFd = -1;  // kept open while the server runs: it may still write to it
};

// Xvfb tells the display it took through -displayfd once it accepts connections.
std::optional<XServer> StartXServer() {
  int fds[2];
  if (pipe(fds) != 0) return std::nullopt;
  const pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    const std::string fd = std::to_string(fds[1]);
    freopen("/dev/null", "w", stderr);
    execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten",
           "tcp", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(fds[1]);
  char buffer[32] = {};
  const ssize_t got = read(fds[0], buffer, sizeof buffer - 1);
  if (got <= 0) {
    close(fds[0]);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return std::nullopt;
  }
  return XServer{pid, ":" + std::string(buffer, strcspn(buffer, "\n")), fds[0]};
}

void Stop(pid_t pid) {
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  for (int i = 0; i < 100; ++i) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

long ResidentKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  }
  return 0;
}

// One run: the time from starting the program to the mapping of its first big enough window.
bool RunOnce(Program& program, double timeoutSeconds) {
  const std::optional<XServer> server = StartXServer();
  if (!server) {
    std::fprintf(stderr, "Xvfb did not start\n");
    return false;
  }
  xcb_connection_t* x = xcb_connect(server->Display.c_str(), nullptr);
  for (int retry = 0; xcb_connection_has_error(x) && retry < 50; ++retry) {
    xcb_disconnect(x);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    x = xcb_connect(server->Display.c_str(), nullptr);
  }
  if (xcb_connection_has_error(x)) {
    std::fprintf(stderr, "cannot connect to %s (Xvfb %s)\n", server->Display.c_str(),
                 waitpid(server->Pid, nullptr, WNOHANG) == 0 ? "running" : "gone");
    Stop(server->Pid);
    close(server->DisplayFd);
    return false;
  }
  xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(x);

  const std::string dir = program.Path.substr(0, program.Path.rfind('/') + 1);
  const Clock::time_point start = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    setenv("DISPLAY", server->Display.c_str(), 1);
    if (!dir.empty() && chdir(dir.c_str()) != 0) _exit(126);
    freopen("/dev/null", "w", stdout);
    freopen("/dev/null", "w", stderr);
    if (program.Argument.empty()) {
      execl(program.Path.c_str(), program.Path.c_str(), static_cast<char*>(nullptr));
    } else {
      execl(program.Path.c_str(), program.Path.c_str(), program.Argument.c_str(),
            static_cast<char*>(nullptr));
    }
    _exit(127);
  }
  bool seen = false;
  const int fd = xcb_get_file_descriptor(x);
  while (!seen && std::chrono::duration<double>(Clock::now() - start).count() < timeoutSeconds) {
    xcb_generic_event_t* event = xcb_poll_for_event(x);
    if (!event) {
      fd_set read;
      FD_ZERO(&read);
      FD_SET(fd, &read);
      timeval wait{0, 10000};
      select(fd + 1, &read, nullptr, nullptr, &wait);
      continue;
    }
    if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
      const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
      xcb_get_geometry_reply_t* geometry =
          xcb_get_geometry_reply(x, xcb_get_geometry(x, map->window), nullptr);
      const bool coversScreen = geometry && geometry->width >= screen->width_in_pixels &&
                                geometry->height >= screen->height_in_pixels;
      if (geometry && geometry->width >= program.MinWidth &&
          geometry->height >= program.MinHeight && !(program.BelowScreenSize && coversScreen)) {
        program.Millis.push_back(
            std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        program.RssKb.push_back(ResidentKb(pid));
        seen = true;
      }
      std::free(geometry);
    }
    std::free(event);
  }
  Stop(pid);
  xcb_disconnect(x);
  Stop(server->Pid);
  close(server->DisplayFd);
  if (!seen)
    std::fprintf(stderr, "%s: no window within %.0f s\n", program.Name.c_str(), timeoutSeconds);
  return seen;
}

template <class T>
T Median(std::vector<T> values) {
  if (values.empty()) return T{};
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr,
                 "usage: %s <bare window> <coursebook> <wordbook> [runs]\n"
                 "Starts each program on a fresh Xvfb, [runs] times (7), and reports the median\n"
                 "time to its first window and the ratio to the bare Qt window, and to the\n"
                 "bare window showing a label and a line edit.\n",
                 argv[0]);
    return 2;
  }
  const int runs = argc > 4 ? std::max(1, std::atoi(argv[4])) : 7;
  // Each program starts in its own folder, so the paths must not be relative.
  const auto absolute = [](const char* path) {
    char* resolved = realpath(path, nullptr);
    std::string result = resolved ? resolved : path;
    std::free(resolved);
    return result;
  };
  // The second yardstick also lays out text, so it pays for the fonts as every real window
  // does.
  std::vector<Program> programs = {
      {"bare Qt window", absolute(argv[1]), {}, 300, 200, false, {}, {}},
      {"bare with text", absolute(argv[1]), "--text", 300, 200, false, {}, {}},
      // The login window, not the black backdrop that covers the screen a moment before it.
      {"coursebook", absolute(argv[2]), {}, 250, 150, true, {}, {}},
      {"wordbook", absolute(argv[3]), {}, 400, 300, false, {}, {}},
  };
  for (int run = 0; run < runs; ++run) {
    for (Program& program : programs) {
      if (!RunOnce(program, 20)) return 1;
    }
  }
  const double bare = Median(programs[0].Millis);
  const double withText = Median(programs[1].Millis);
  std::printf("%-16s %10s %8s %10s %10s   (median of %d runs)\n", "program", "window", "ratio",
              "to text", "memory", runs);
  for (const Program& program : programs) {
    const double millis = Median(program.Millis);
    std::printf("%-16s %7.0f ms %7.2fx %9.2fx %7ld MB\n", program.Name.c_str(), millis,
                bare > 0 ? millis / bare : 0.0, withText > 0 ? millis / withText : 0.0,
                Median(program.RssKb) / 1024);
  }
  return 0;
}
