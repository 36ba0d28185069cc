// Start-up to the first shown frame, and peak memory, of the calculator and
// of a minimal Qt program showing an empty window of the same size, run
// alternately in one session. Each program prints the monotonic clock at its
// first frame; peak memory is the child's maximum resident set.
//
// Usage: startup_bench CALCULATOR MINIMAL [RUNS]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <string>
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
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s CALCULATOR MINIMAL [RUNS]\n", argv[0]);
    return 2;
  }
  int runs = 21;
  if (argc > 3) std::from_chars(argv[3], argv[3] + std::char_traits<char>::length(argv[3]), runs);
  std::vector<double> ms[2];
  std::vector<long> rss[2];
  for (int i = 0; i < runs; ++i) {
    for (int p = 0; p < 2; ++p) {
      Sample s;
      if (!RunOnce(argv[1 + p], s)) {
        std::fprintf(stderr, "%s failed\n", argv[1 + p]);
        return 1;
      }
      ms[p].push_back(s.ms);
      rss[p].push_back(s.max_rss_kib);
    }
  }
  const double t[2] = {Median(ms[0]), Median(ms[1])};
  const long m[2] = {Median(rss[0]), Median(rss[1])};
  std::printf("%-12s %12s %16s\n", "", "first frame", "peak memory");
  std::printf("%-12s %9.1f ms %12ld KiB\n", "calculator", t[0], m[0]);
  std::printf("%-12s %9.1f ms %12ld KiB\n", "minimal Qt", t[1], m[1]);
  std::printf("%-12s %11.2fx %15.2fx   (goals: at most 1.25x and 1.15x)\n", "ratio", t[0] / t[1],
              static_cast<double>(m[0]) / static_cast<double>(m[1]));
  std::printf("medians of %d alternating runs each\n", runs);
  return 0;
}
