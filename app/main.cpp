#include "app/front_end.h"
#include "app/program.h"

namespace {
// The process-wide exit status.
int exit_status = 0;
}  // namespace

int main(int argc, char** argv) {
  app::FrontEnd front_end = app::MakeFrontEnd(argc, argv);
  exit_status = app::RunProcess(*front_end.loop, std::move(front_end.presenter));
  return exit_status;
}
