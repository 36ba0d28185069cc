// The program's command line: `ra34063 --help`, `ra34063 --version` and
// `ra34063 design [OPTION]...`. It needs no display.
#pragma once

#include <optional>

namespace app {

// Runs what the arguments ask and gives the exit status; nothing when they
// ask for the window.
std::optional<int> RunCommandLine(int argc, char** argv);

}  // namespace app
