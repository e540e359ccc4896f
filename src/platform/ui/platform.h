#pragma once
// The platform object: the services and the factory of native peers. The Win32 backend draws real
// windows; the headless backend keeps everything in memory for the tests.
#include <filesystem>
#include <memory>

#include "platform/ui/form.h"
#include "platform/ui/instances.h"
#include "platform/ui/services.h"
#include "platform/ui/time_queries.h"
#include "platform/ui/widget.h"

namespace orvel::ui {

class Platform {
 public:
  virtual ~Platform() = default;

  virtual Clock& clock() = 0;
  virtual Dialogs& dialogs() = 0;
  virtual Shell& shell() = 0;
  virtual Registry& registry() = 0;
  virtual Shortcuts& shortcuts() = 0;
  virtual Input& input() = 0;
  virtual Sound& sound() = 0;
  virtual Speech& speech() = 0;
  virtual Power& power() = 0;
  virtual Fonts& fonts() = 0;
  virtual const TextMetrics& metrics() const = 0;
  virtual const Screen& screen() const = 0;
  virtual WindowManager& windows() = 0;
  virtual Tray& tray() = 0;
  virtual SystemInfo& system() = 0;
  virtual ToolTips& tooltips() = 0;
  virtual Http& http() = 0;
  virtual Background& background() = 0;
  virtual Foreground& foreground() = 0;
  virtual const Notifications& notifications() const = 0;
  virtual Instances& instances() = 0;
  virtual TimeQueries& timeQueries() = 0;

  // The folder of the running program, where every file of the program lives.
  virtual std::filesystem::path ProgramFolder() { return system().ProgramPath().parent_path(); }

  virtual std::unique_ptr<FormPeer> CreateFormPeer(Form& form) = 0;
  virtual std::unique_ptr<WidgetPeer> CreatePeer(Widget& widget) = 0;

  // Runs the message loop until Quit; returns the exit code.
  virtual int Run() = 0;
  virtual void Quit() = 0;
};

}  // namespace orvel::ui
