#include "app/program.h"

#include <stdexcept>
#include <vector>

#include "app/app.h"
#include "app/mc34063.h"
#include "app/menu_bar1.h"
#include "app/ui_timer.h"
#include "framework/nil_object_exception.h"

namespace app {
namespace {

std::vector<fw::PluginEntrypoint>& PluginEntrypoints() {
  static std::vector<fw::PluginEntrypoint> table;
  return table;
}

void InitPluginEntrypoints() { PluginEntrypoints() = fw::RuntimeAllocatePluginEntrypointsTable(0); }

// The program declares no document file types and handles no menu command.
void InitFileTypes() {}
void ApplicationAddMenuHandlers() {}

}  // namespace

std::int32_t RunProcess(fw::EventLoop& loop, fw::WindowPresenter presenter) {
  fw::RuntimeInit(loop);
  fw::SetWindowPresenter(std::move(presenter));
  Initialize();
  MainRoutine();
  Finalize();
  return fw::RuntimeExit();
}

void Initialize() {
  fw::RegisterFrameworkClasses();
  App::Class();
  MC34063::Class();
  UItimer::Class();
  MenuBar1::Class();
}

void MainRoutine() {
  try {
    {
      const fw::Delegate startup(fw::Delegate::Plain([] { Startup(); }));
      fw::RunFrameworkInitialization(startup);
    }
    fw::RuntimeRun();
  } catch (const std::exception& error) {
    fw::RuntimeUnhandledException(error);
  } catch (...) {
    fw::RuntimeUnhandledException(std::runtime_error("unknown exception"));
  }
}

std::int32_t Startup() {
  fw::RuntimeInitExternalClasses();
  InitPluginEntrypoints();
  InitFileTypes();
  NewAppInstance();
  ApplicationAddMenuHandlers();
  MakeDefaultView();
  return 0;
}

void NewAppInstance() {
  auto app = std::dynamic_pointer_cast<App>(fw::RuntimeNewObject(App::Class()));
  if (app == nullptr) throw fw::NilObjectException("no App object");
  app->SetMenuBar(MenuBar1::Instance());
  fw::RuntimeRegisterAppObject(std::move(app));
}

void MakeDefaultView() { MC34063::ImplicitInstance(); }

void Finalize() {
  fw::RuntimeReleaseWindowLists();
  fw::RuntimeReleaseTypeMaps();
  MenuBar1::ReleaseInstance();
}

}  // namespace app
