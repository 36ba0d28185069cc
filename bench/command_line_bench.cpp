// Wall time of `ra34063 design ... --json` on the worked example, against
// `true` as the floor of starting any process; medians of RUNS runs each.
//
// Usage: command_line_bench [--runs=N] RA34063
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <string_view>
#include <vector>

extern char** environ;

namespace {

double NowMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// One run with its output discarded; a negative time when it fails.
double RunMs(std::vector<const char*> argv) {
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  const double start = NowMs();
  pid_t pid = 0;
  const int error = posix_spawnp(&pid, argv[0], &actions, nullptr,
                                 const_cast<char* const*>(argv.data()), environ);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  if (error != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    return -1;
  }
  return NowMs() - start;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 51;
  const char* program = nullptr;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg.starts_with("--runs=")) {
      const auto n = arg.substr(7);
      if (std::from_chars(n.data(), n.data() + n.size(), runs).ec != std::errc() || runs < 1) {
        program = nullptr;
        break;
      }
    } else {
      program = argv[i];
    }
  }
  if (program == nullptr) {
    std::fprintf(stderr, "usage: %s [--runs=N] RA34063\n", argv[0]);
    return 2;
  }
  const std::vector<const char*> design = {program, "design", "--chip", "ON Semi MC34063A", "--vin",
                                           "5",     "--vout", "12",     "--iout",           "0.1",
                                           "--vf",  "0.4",    "--json"};
  std::vector<double> design_ms, true_ms;
  for (int i = 0; i < runs; ++i) {
    const double d = RunMs(design);
    const double t = RunMs({"true"});
    if (d < 0 || t < 0) {
      std::fprintf(stderr, "a run failed\n");
      return 1;
    }
    design_ms.push_back(d);
    true_ms.push_back(t);
  }
  std::printf("ra34063 design --json  %7.2f ms\n", Median(design_ms));
  std::printf("true                   %7.2f ms\n", Median(true_ms));
  std::printf("medians of %d runs each, wall time; goal for the design: under 50 ms\n", runs);
  return 0;
}
