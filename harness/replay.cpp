// Replays a scenario from standard input, one action a line (type NAME TEXT,
// pick NAME ROW, go, converter WORD, r1 TEXT, advance MS, show NAME..., dump,
// look, sheet, warnings, datasheet, simulate), and prints what it shows. A
// line that is no action ends the run with status 2.
#include <iostream>
#include <string>

#include "harness/window_driver.h"

int main() {
  driver::WindowDriver window;
  std::string line;
  int number = 0;
  while (std::getline(std::cin, line)) {
    ++number;
    std::string shown;
    if (!window.Apply(line, shown)) {
      std::cerr << "line " << number << ": not an action: " << line << '\n';
      return 2;
    }
    std::cout << shown;
  }
  return 0;
}
