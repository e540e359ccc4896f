#include "platform/win32/win32_platform.h"

#include <windows.h>

#include "platform/win32/control_peers.h"
#include "platform/win32/form_window.h"
#include "platform/win32/grid_window.h"
#include "platform/win32/instances_win.h"
#include "platform/win32/services_win.h"
#include "platform/win32/time_queries_win.h"

namespace orvel::win32 {

Win32Platform::Win32Platform()
    : clock_(std::make_unique<Win32Clock>()),
      dialogs_(std::make_unique<Win32Dialogs>()),
      shell_(std::make_unique<Win32Shell>()),
      registry_(std::make_unique<Win32Registry>()),
      shortcuts_(std::make_unique<Win32Shortcuts>()),
      input_(std::make_unique<Win32Input>()),
      sound_(std::make_unique<Win32Sound>()),
      speech_(std::make_unique<Win32Speech>()),
      power_(std::make_unique<Win32Power>()),
      fonts_(std::make_unique<Win32Fonts>()),
      metrics_(std::make_unique<Win32TextMetrics>()),
      screen_(std::make_unique<Win32Screen>()),
      windows_(std::make_unique<Win32WindowManager>()),
      tray_(std::make_unique<Win32Tray>()),
      system_(std::make_unique<Win32SystemInfo>()),
      tooltips_(std::make_unique<Win32ToolTips>()),
      http_(std::make_shared<Win32Http>()),
      timeQueries_(std::make_shared<Win32TimeQueries>()),
      background_(std::make_unique<Win32Background>(http_, timeQueries_)),
      foreground_(std::make_unique<Win32Foreground>()),
      notifications_(std::make_unique<Win32Notifications>()),
      instances_(std::make_unique<Win32Instances>()) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  FormWindow::RegisterClass(instance);
  RegisterGridClass(instance);
}

Win32Platform::~Win32Platform() = default;

ui::Clock& Win32Platform::clock() { return *clock_; }
ui::Dialogs& Win32Platform::dialogs() { return *dialogs_; }
ui::Shell& Win32Platform::shell() { return *shell_; }
ui::Registry& Win32Platform::registry() { return *registry_; }
ui::Shortcuts& Win32Platform::shortcuts() { return *shortcuts_; }
ui::Input& Win32Platform::input() { return *input_; }
ui::Sound& Win32Platform::sound() { return *sound_; }
ui::Speech& Win32Platform::speech() { return *speech_; }
ui::Power& Win32Platform::power() { return *power_; }
ui::Fonts& Win32Platform::fonts() { return *fonts_; }
const ui::TextMetrics& Win32Platform::metrics() const { return *metrics_; }
const ui::Screen& Win32Platform::screen() const { return *screen_; }
ui::WindowManager& Win32Platform::windows() { return *windows_; }
ui::Tray& Win32Platform::tray() { return *tray_; }
ui::SystemInfo& Win32Platform::system() { return *system_; }
ui::ToolTips& Win32Platform::tooltips() { return *tooltips_; }
ui::Http& Win32Platform::http() { return *http_; }
ui::Background& Win32Platform::background() { return *background_; }
ui::Foreground& Win32Platform::foreground() { return *foreground_; }
const ui::Notifications& Win32Platform::notifications() const { return *notifications_; }
ui::Instances& Win32Platform::instances() { return *instances_; }
ui::TimeQueries& Win32Platform::timeQueries() { return *timeQueries_; }

std::filesystem::path Win32Platform::ProgramFolder() {
  return programFolder_.empty() ? ui::Platform::ProgramFolder() : programFolder_;
}

std::unique_ptr<ui::FormPeer> Win32Platform::CreateFormPeer(ui::Form& form) {
  return std::make_unique<FormWindow>(*this, form);
}

std::unique_ptr<ui::WidgetPeer> Win32Platform::CreatePeer(ui::Widget& widget) {
  FormWindow* window = widget.form() ? FormWindow::Of(*widget.form()) : nullptr;
  if (!window || !window->hwnd()) return nullptr;
  return MakeControlPeer(*window, widget);
}

int Win32Platform::Run() {
  if (openForms_ == 0) return 0;
  running_ = true;
  MSG msg{};
  int code = 0;
  for (;;) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      code = static_cast<int>(msg.wParam);
      break;
    }
    if (got < 0) break;
    // Tab and arrow keys move between the controls of dialog forms.
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    // Esc pressed in a control of a form that listens for it goes to the form.
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE && root != msg.hwnd) {
      if (FormWindow* form = FormWindow::FromHwnd(root); form && form->form().onEscape)
        msg.hwnd = root;
    }
    if (FormWindow* form = FormWindow::FromHwnd(root);
        form && form->IsDialog() && IsDialogMessageW(root, &msg))
      continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  running_ = false;
  return code;
}

void Win32Platform::Quit() { PostQuitMessage(0); }

void Win32Platform::FormClosed() {
  if (openForms_ > 0) --openForms_;
  if (running_ && openForms_ == 0) PostQuitMessage(0);
}

}  // namespace orvel::win32
