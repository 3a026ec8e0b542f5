// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up as the player sees it, watched from outside the process: from the
// fork to the window being mapped and to its first frame drawn by the X
// server, and the process's peak memory at that moment and 2 s later (what
// start-up loads after the first frame). The game and an empty Qt window with a menu bar are started
// in turn, in many rounds, at 1x and 2x; each round gives the game's ratio to
// the empty window, so a machine busy with other work weighs on both alike.
//
// Needs an X server (run it under xvfb-run on a headless machine). The
// window's first frame is seen with the DAMAGE extension: the server reports
// the first drawing into the newly mapped window.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

double monotonicMs() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Peak resident memory so far of a running process, in MiB.
double peakMiB(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmHWM:", 0) == 0) return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
  return 0;
}

// CPU time so far of a running process's threads, in ms.
double cpuMs(pid_t pid) {
  double ns = 0;
  std::error_code ignored;
  for (const auto& task :
       fs::directory_iterator("/proc/" + std::to_string(pid) + "/task", ignored)) {
    std::ifstream stat(task.path() / "schedstat");
    double run = 0;
    if (stat >> run) ns += run;
  }
  return ns / 1e6;
}

volatile std::sig_atomic_t interrupted = 0;

struct Launch {
  double mappedMs = 0, frameMs = 0, frameCpuMs = 0, frameMiB = 0, settledMiB = 0;
};

class Watcher {
 public:
  bool open() {
    conn_ = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(conn_)) return false;
    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(conn_, &xcb_damage_id);
    if (!ext || !ext->present) return false;
    damageEvent_ = ext->first_event + XCB_DAMAGE_NOTIFY;
    free(xcb_damage_query_version_reply(conn_, xcb_damage_query_version(conn_, 1, 1), nullptr));
    root_ = xcb_setup_roots_iterator(xcb_get_setup(conn_)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(conn_, root_, XCB_CW_EVENT_MASK, &mask);
    pidAtom_ = atom("_NET_WM_PID");
    xcb_flush(conn_);
    return true;
  }
  ~Watcher() {
    if (conn_) xcb_disconnect(conn_);
  }

  // Starts a program in a folder and follows it up to its first frame;
  // settleMs later its peak memory is read again, then it is ended.
  std::optional<Launch> launch(const std::string& program, const fs::path& folder, double scale,
                               int settleMs) {
    drain();
    Launch result;
    const double start = monotonicMs();
    const pid_t pid = fork();
    if (pid < 0) return std::nullopt;
    if (pid == 0) {
      setenv("QT_QPA_PLATFORM", "xcb", 1);
      setenv("QT_SCALE_FACTOR", std::to_string(scale).c_str(), 1);
      if (chdir(folder.c_str()) != 0) _exit(127);
      const int null = ::open("/dev/null", O_WRONLY);
      dup2(null, STDOUT_FILENO);
      dup2(null, STDERR_FILENO);
      execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    std::set<xcb_window_t> created;
    xcb_window_t shown = XCB_NONE;
    bool framed = false;
    while (!framed && !interrupted && monotonicMs() - start < 20000) {
      xcb_generic_event_t* event = next(100);
      if (!event) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return std::nullopt;  // died early
        continue;
      }
      const uint8_t type = event->response_type & 0x7f;
      if (type == XCB_CREATE_NOTIFY) {
        // Watched from birth, so no drawing can slip past before the map.
        auto* e = reinterpret_cast<xcb_create_notify_event_t*>(event);
        if (e->parent == root_ && created.insert(e->window).second)
          xcb_damage_create(conn_, xcb_generate_id(conn_), e->window,
                            XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
        xcb_flush(conn_);
      } else if (type == XCB_MAP_NOTIFY && shown == XCB_NONE) {
        auto* e = reinterpret_cast<xcb_map_notify_event_t*>(event);
        if (!e->override_redirect && created.count(e->window) && windowPid(e->window) == pid) {
          shown = e->window;
          result.mappedMs = monotonicMs() - start;
        }
      } else if (type == damageEvent_ && shown != XCB_NONE) {
        auto* e = reinterpret_cast<xcb_damage_notify_event_t*>(event);
        if (e->drawable == shown) {
          result.frameMs = monotonicMs() - start;
          result.frameMiB = peakMiB(pid);
          result.frameCpuMs = cpuMs(pid);
          framed = true;
        }
      }
      free(event);
    }
    if (framed && settleMs > 0) {
      const double until = monotonicMs() + settleMs;
      while (monotonicMs() < until && !interrupted) free(next(int(until - monotonicMs()) + 1));
      result.settledMiB = peakMiB(pid);
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    if (!framed) return std::nullopt;
    return result;
  }

 private:
  xcb_atom_t atom(const char* name) {
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(conn_, xcb_intern_atom(conn_, 0, strlen(name), name), nullptr);
    const xcb_atom_t a = r ? r->atom : XCB_NONE;
    free(r);
    return a;
  }

  pid_t windowPid(xcb_window_t window) {
    xcb_get_property_reply_t* r = xcb_get_property_reply(
        conn_, xcb_get_property(conn_, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    pid_t pid = -1;
    if (r && xcb_get_property_value_length(r) == 4)
      pid = static_cast<pid_t>(*static_cast<uint32_t*>(xcb_get_property_value(r)));
    free(r);
    return pid;
  }

  // The next event, or none after timeoutMs.
  xcb_generic_event_t* next(int timeoutMs) {
    if (xcb_generic_event_t* e = xcb_poll_for_event(conn_)) return e;
    pollfd fd{xcb_get_file_descriptor(conn_), POLLIN, 0};
    if (poll(&fd, 1, timeoutMs) <= 0) return nullptr;
    return xcb_poll_for_event(conn_);
  }

  void drain() {
    while (xcb_generic_event_t* e = xcb_poll_for_event(conn_)) free(e);
  }

  xcb_connection_t* conn_ = nullptr;
  xcb_window_t root_ = XCB_NONE;
  xcb_atom_t pidAtom_ = XCB_NONE;
  uint8_t damageEvent_ = 0;
};

double median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// The value a quarter (or three quarters) of the way up.
double quartile(std::vector<double> v, int which) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[(v.size() - 1) * which / 4];
}

// Fewer rounds give ratios that move by a quarter from one run to the next.
constexpr int kFewestRoundsForARatio = 15;

std::string loadAverage() {
  std::ifstream file("/proc/loadavg");
  double one = 0, five = 0, fifteen = 0;
  file >> one >> five >> fifteen;
  char text[64];
  std::snprintf(text, sizeof text, "%.2f %.2f %.2f", one, five, fifteen);
  return text;
}

using Measure = double Launch::*;
constexpr struct {
  const char* name;
  Measure value;
  const char* unit;
} kMeasures[] = {{"mapped", &Launch::mappedMs, "ms"},
                 {"1st frame", &Launch::frameMs, "ms"},
                 {"CPU then", &Launch::frameCpuMs, "ms"},
                 {"peak then", &Launch::frameMiB, "MiB"},
                 {"after 2 s", &Launch::settledMiB, "MiB"}};

// rounds[i][k]: program k in round i, if it showed a frame.
using Rounds = std::vector<std::vector<std::optional<Launch>>>;

void printPrograms(const Rounds& rounds, const std::vector<std::string>& names) {
  for (size_t k = 0; k < names.size(); ++k) {
    std::printf("  %-16s", names[k].c_str());
    int failed = 0;
    for (const auto& m : kMeasures) {
      std::vector<double> v;
      for (const auto& round : rounds)
        if (round[k]) v.push_back((*round[k]).*m.value);
      failed = int(rounds.size() - v.size());
      std::printf(" %7.1f %-3s", median(v), m.unit);
    }
    if (failed) std::printf("   (%d runs showed no frame)", failed);
    std::printf("\n");
  }
}

// Each program against the empty window of the same round: the median of
// those ratios and the middle half of them.
void printRatios(const Rounds& rounds, const std::vector<std::string>& names) {
  for (size_t k = 1; k < names.size(); ++k) {
    std::printf("  %-16s", (names[k] + " / empty").c_str());
    for (const auto& m : kMeasures) {
      std::vector<double> ratios;
      for (const auto& round : rounds)
        if (round[0] && round[k] && (*round[0]).*m.value > 0)
          ratios.push_back((*round[k]).*m.value / ((*round[0]).*m.value));
      std::printf(" %5.2fx %-5s", median(ratios), "");
    }
    std::printf("\n  %-16s", "  middle half");
    for (const auto& m : kMeasures) {
      std::vector<double> ratios;
      for (const auto& round : rounds)
        if (round[0] && round[k] && (*round[0]).*m.value > 0)
          ratios.push_back((*round[k]).*m.value / ((*round[0]).*m.value));
      std::printf(" %4.2f-%4.2f ", quartile(ratios, 1), quartile(ratios, 3));
    }
    std::printf("\n");
  }
}

// A throw-away copy of the built game folder, so no record is touched.
fs::path makeGameFolder(const fs::path& data) {
  char name[] = "/tmp/pentaro-bench-XXXXXX";
  if (!mkdtemp(name)) return {};
  const fs::path folder = name;
  fs::copy(data, folder / "Dati", fs::copy_options::recursive);
  return folder;
}

}  // namespace

int main(int argc, char** argv) {
  // pentaro-startup [rounds] [other builds of the game, to compare]
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : kFewestRoundsForARatio;
  std::vector<std::string> programs{PENTARO_EMPTY_WINDOW, PENTARO_GAME};
  std::vector<std::string> names{"empty Qt window", "PENTARO"};
  for (int i = 2; i < argc; ++i) programs.push_back(argv[i]), names.push_back(argv[i]);

  Watcher watcher;
  if (!watcher.open()) {
    std::fprintf(stderr, "needs an X server with the DAMAGE extension (try xvfb-run -a)\n");
    return 1;
  }
  std::signal(SIGINT, [](int) { interrupted = 1; });
  std::signal(SIGTERM, [](int) { interrupted = 1; });
  const fs::path folder = makeGameFolder(PENTARO_DATA_DIR);
  if (folder.empty()) return 1;

  std::printf("start-up seen from outside: median of %d rounds, each starting every program in\n"
              "turn; the ratio is taken within each round, against the empty window\n", runs);
  std::printf("load average at the start %s\n", loadAverage().c_str());
  std::printf("  %-16s", "");
  for (const auto& m : kMeasures) std::printf(" %11s", m.name);
  std::printf("\n");
  for (const double scale : {1.0, 2.0}) {
    for (const std::string& p : programs) watcher.launch(p, folder, scale, 0);  // warm the cache
    Rounds rounds;
    for (int i = 0; i < runs && !interrupted; ++i) {
      // Each round starts with another program, so none always follows the same one.
      rounds.emplace_back(programs.size());
      for (size_t k = 0; k < programs.size(); ++k) {
        const size_t which = (i + k) % programs.size();
        rounds.back()[which] = watcher.launch(programs[which], folder, scale, 2000);
      }
    }
    std::printf("QT_SCALE_FACTOR=%g   (load average now %s)\n", scale, loadAverage().c_str());
    printPrograms(rounds, names);
    if (int(rounds.size()) >= kFewestRoundsForARatio)
      printRatios(rounds, names);
    else
      std::printf("  no ratio from %zu rounds: it takes %d\n", rounds.size(),
                  kFewestRoundsForARatio);
    std::fflush(stdout);
  }
  std::error_code ignored;
  fs::remove_all(folder, ignored);
  return interrupted ? 1 : 0;
}
