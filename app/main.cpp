#include "app/front_end.h"
#include "app/program.h"
#ifdef RA_COMMAND_LINE
#include "app/command_line.h"
#endif

int main(int argc, char** argv) {
#ifdef RA_COMMAND_LINE
  // Read before anything of the window exists, so that no display is needed.
  if (const auto status = app::RunCommandLine(argc, argv)) return *status;
#endif
  app::FrontEnd front_end = app::MakeFrontEnd(argc, argv);
  return app::RunProcess(*front_end.loop, std::move(front_end.presenter));
}
