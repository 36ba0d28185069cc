// Start-up to the first shown frame, and peak memory, of the calculator, of a
// minimal Qt program showing an empty window of the same size and, if given,
// of the least window built of the calculator's widget kinds, run in turn in
// one session. Each program prints the monotonic clock at its first frame;
// peak memory is the child's maximum resident set.
//
// Usage: startup_bench [--runs=N] CALCULATOR MINIMAL [FLOOR]
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Sample {
  double ms = 0;
  long max_rss_kib = 0;
};

long long NowNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Runs `program` once; false when it fails or reports no frame.
bool RunOnce(const char* program, Sample& sample) {
  int out[2];
  if (pipe(out) != 0) return false;
  const long long start = NowNs();
  const pid_t pid = fork();
  if (pid == 0) {
    // Qt's start-up notices would bury the table.
    const int null = open("/dev/null", O_WRONLY);
    if (null >= 0) dup2(null, STDERR_FILENO);
    dup2(out[1], STDOUT_FILENO);
    close(out[0]);
    close(out[1]);
    execl(program, program, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(out[1]);
  std::string text;
  char buffer[64];
  for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) text.append(buffer, n);
  close(out[0]);
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    return false;
  }
  long long frame = 0;
  if (std::from_chars(text.data(), text.data() + text.size(), frame).ec != std::errc()) {
    return false;
  }
  sample.ms = static_cast<double>(frame - start) / 1e6;
  sample.max_rss_kib = usage.ru_maxrss;
  return true;
}

template <typename T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 21;
  std::vector<const char*> programs;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg.starts_with("--runs=")) {
      const std::string_view n = arg.substr(7);
      if (std::from_chars(n.data(), n.data() + n.size(), runs).ec != std::errc() || runs < 1) {
        programs.clear();
        break;
      }
    } else {
      programs.push_back(argv[i]);
    }
  }
  if (programs.size() < 2 || programs.size() > 3) {
    std::fprintf(stderr, "usage: %s [--runs=N] CALCULATOR MINIMAL [FLOOR]\n", argv[0]);
    return 2;
  }
  static constexpr const char* kLabels[] = {"calculator", "minimal Qt", "widget floor"};
  std::vector<std::vector<double>> ms(programs.size());
  std::vector<std::vector<long>> rss(programs.size());
  for (int i = 0; i < runs; ++i) {
    for (std::size_t p = 0; p < programs.size(); ++p) {
      Sample s;
      if (!RunOnce(programs[p], s)) {
        std::fprintf(stderr, "%s failed\n", programs[p]);
        return 1;
      }
      ms[p].push_back(s.ms);
      rss[p].push_back(s.max_rss_kib);
    }
  }
  const double minimal_ms = Median(ms[1]);
  const double minimal_kib = static_cast<double>(Median(rss[1]));
  std::printf("%-13s %12s %14s %8s %8s\n", "", "first frame", "peak memory", "time", "memory");
  for (std::size_t p = 0; p < programs.size(); ++p) {
    const double t = Median(ms[p]);
    const long m = Median(rss[p]);
    std::printf("%-13s %9.1f ms %10ld KiB %7.2fx %7.2fx\n", kLabels[p], t, m, t / minimal_ms,
                static_cast<double>(m) / minimal_kib);
  }
  std::printf("times and memory against the minimal Qt program; medians of %d runs each\n", runs);
  std::printf("goals for the calculator: at most 1.25x the time and 1.15x the memory\n");
  return 0;
}
