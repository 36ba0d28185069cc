#include "app/front_end.h"
#include "app/program.h"

int main(int argc, char** argv) {
  app::FrontEnd front_end = app::MakeFrontEnd(argc, argv);
  return app::RunProcess(*front_end.loop, std::move(front_end.presenter));
}
