// ngspice as the oracle of the built-in simulation: each exported deck runs
// in `ngspice -b`, and its measurements must match the built-in figures.
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>

#include "harness/sim_examples.h"
#include "sim/netlist.h"
#include "sim/simulation.h"

namespace {

// What `command` wrote on its standard output.
std::string Output(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return out;
  std::array<char, 4096> buffer{};
  while (fgets(buffer.data(), buffer.size(), pipe) != nullptr) out += buffer.data();
  pclose(pipe);
  return out;
}

// Every "name = value" line ngspice printed for a .meas.
std::map<std::string, double> Measurements(const std::string& log) {
  static const std::regex line(R"(^(\w+)\s+=\s+([-+0-9.eE]+))");
  std::map<std::string, double> found;
  std::size_t start = 0;
  while (start < log.size()) {
    std::size_t end = log.find('\n', start);
    if (end == std::string::npos) end = log.size();
    std::smatch m;
    const std::string text = log.substr(start, end - start);
    if (std::regex_search(text, m, line)) found[m[1]] = std::stod(m[2]);
    start = end + 1;
  }
  return found;
}

class NgspiceOracle : public testing::TestWithParam<worked::SimExample> {};

TEST_P(NgspiceOracle, AgreesWithTheBuiltInSimulation) {
  const worked::SimExample& e = GetParam();
  const sim::SimResults r = sim::Simulate(e.in);
  ASSERT_TRUE(r.settled);
  // The process's own name: other builds may run the same test at the same time.
  const std::filesystem::path deck =
      std::filesystem::temp_directory_path() /
      ("ra34063_" + std::string(e.name) + "_" + std::to_string(getpid()) + ".cir");
  std::ofstream(deck) << sim::Netlist(e.in, r, {"RA34063 Rovu Ze test", "today"});
  const std::string log = Output("ngspice -b '" + deck.string() + "' 2>&1");
  std::filesystem::remove(deck);

  // A failed run still exits 0: every measurement must be there.
  const std::map<std::string, double> m = Measurements(log);
  for (const char* name : {"vout_avg", "vout_max", "vout_min", "ripple", "il_peak", "inrush"}) {
    ASSERT_TRUE(m.contains(name)) << name << " missing from:\n" << log;
  }
  const sim::SimFigures& f = r.figures;
  EXPECT_NEAR(m.at("vout_avg"), f.vout, 0.01 * std::abs(f.vout));
  EXPECT_NEAR(m.at("il_peak"), f.il_peak, 0.03 * f.il_peak);
  EXPECT_NEAR(m.at("inrush"), f.inrush, 0.03 * f.inrush);
  EXPECT_NEAR(m.at("ripple"), f.ripple, 0.10 * f.ripple);
}

INSTANTIATE_TEST_SUITE_P(Decks, NgspiceOracle, testing::ValuesIn(worked::SimExamples()),
                         [](const testing::TestParamInfo<worked::SimExample>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
