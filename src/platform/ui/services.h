#pragma once
// What the forms need from the system, one small interface each, reached from the platform.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/time_queries.h"

#include "platform/ui/widget.h"

namespace orvel::ui {

class Form;

// Local date and time of day in whole seconds.
struct LocalTime {
  std::chrono::year_month_day date;
  int secondsOfDay = 0;  // 0 .. 86399
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime Now() const = 0;
  // The same to the millisecond: milliseconds since 1970-01-01 00:00 of local time.
  virtual std::int64_t LocalMs() const = 0;
  // A monotonic reading in milliseconds, for durations that must survive midnight.
  virtual std::int64_t SteadyMs() const = 0;
};

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// One line of a file dialog's type list: what the user reads ("CSES 课程表 (*.yaml;*.yml)") and
// the name patterns it stands for ("*.yaml;*.yml").
struct FileFilter {
  std::string description;
  std::string patterns;
};

// The system's open or save dialog. Paths are UTF-8.
struct FileDialogRequest {
  std::string title;
  std::vector<FileFilter> filters;  // the first is chosen at the start
  std::string fileName;             // the name the dialog proposes (save)
  std::string defaultExtension;     // added to a typed name without one (save), no dot
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual MessageAnswer MessageBox(const Form* owner, const std::string& text,
                                   const std::string& title, MessageIcon icon,
                                   MessageButtons buttons) = 0;
  // Cancel gives an empty answer.
  virtual std::string InputBox(const Form* owner, const std::string& prompt,
                               const std::string& title, const std::string& defaultText) = 0;
  // The colour dialog in its short form; nullopt on Cancel.
  virtual std::optional<Colour> ChooseColour(const Form* owner, Colour initial) = 0;
  // Shows the menu at the pointer and runs the chosen item's handler, if any.
  virtual void ShowPopupMenu(const Form* owner, const class PopupMenu& menu) = 0;
  // The system's open dialog for one existing file; nullopt on Cancel.
  virtual std::optional<std::string> OpenFileName(const Form* owner,
                                                  const FileDialogRequest& request) = 0;
  // The system's save dialog, which asks before an existing file is replaced; nullopt on Cancel.
  virtual std::optional<std::string> SaveFileName(const Form* owner,
                                                  const FileDialogRequest& request) = 0;
};

// How the shell shows what it opens: SW_HIDE or SW_SHOWNORMAL.
enum class ShowState { Hidden, Normal };

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens a file, folder or address with the program the system associates with it.
  virtual void Open(const std::string& target) = 0;
  // The same with an owner window (or none), a working folder (or none) and a show state.
  virtual void Open(const std::string& target, ShowState show, const Form* owner,
                    const std::string& directory) = 0;
};

enum class RegistryRoot { LocalMachine, CurrentUser };

class Registry {
 public:
  virtual ~Registry() = default;
  virtual std::optional<std::string> ReadString(RegistryRoot root, const std::string& key,
                                                const std::string& value) = 0;
  virtual bool WriteString(RegistryRoot root, const std::string& key, const std::string& value,
                           const std::string& data) = 0;
  virtual bool DeleteValue(RegistryRoot root, const std::string& key, const std::string& value) = 0;
};

class Shortcuts {
 public:
  virtual ~Shortcuts() = default;
  // The user's start-up folder.
  virtual std::filesystem::path StartupFolder() = 0;
  virtual bool Create(const std::filesystem::path& link, const std::filesystem::path& target) = 0;
  // The target a link points at, or nullopt when it cannot be read.
  virtual std::optional<std::filesystem::path> Target(const std::filesystem::path& link) = 0;
  virtual bool Remove(const std::filesystem::path& link) = 0;
};

struct Point {
  int x = 0, y = 0;  // pixels on the screen
  friend bool operator==(const Point&, const Point&) = default;
};

// Two presses of the left button make a double click when the second comes within `ms` of the
// first and lies inside a rectangle of widthPx × heightPx pixels centred on it.
struct DoubleClickRule {
  int ms = 500;
  int widthPx = 4;
  int heightPx = 4;
};

class Input {
 public:
  virtual ~Input() = default;
  virtual Point CursorPos() const = 0;
  // True when a key or mouse button was pressed since the last call and is still down.
  virtual bool KeyPressedAndDown() = 0;
  // The user's double-click time and distance.
  virtual DoubleClickRule DoubleClick() const = 0;
};

class Sound {
 public:
  virtual ~Sound() = default;
  virtual void Beep(int frequency, int durationMs) = 0;
};

// Speech through the system's own voices, offline: no cloud voice, no network. Nothing here
// blocks the caller; the voice is looked for and speaks on a thread of its own.
class Speech {
 public:
  virtual ~Speech() = default;
  // Looks for a Chinese voice; `answer` runs afterwards on the window thread, from its message
  // loop, with whether there is one, unless the program has ended by then.
  virtual void FindChineseVoice(std::function<void(bool found)> answer) = 0;
  // Says `text` in the Chinese voice once what it is saying is said; without such a voice,
  // nothing.
  virtual void Speak(const std::string& text) = 0;
};

class Power {
 public:
  virtual ~Power() = default;
  virtual void GetShutdownPrivilege() = 0;
  virtual void RequestShutdown() = 0;
  // While on, neither the display nor the PC goes to sleep for want of input; off lets them
  // again. Called from the window thread.
  virtual void KeepAwake(bool on) = 0;
};

class Fonts {
 public:
  virtual ~Fonts() = default;
  // Installed font families, in the order the system lists them.
  virtual std::vector<std::string> Installed() = 0;
};

class TextMetrics {
 public:
  virtual ~TextMetrics() = default;
  virtual double TextWidth(const Font& font, const std::string& text) const = 0;  // twips
  virtual double TextHeight(const Font& font) const = 0;                          // twips
};

// The desktop's monitors. Places on the desktop (a window's Left and Top, a monitor's rectangle)
// are twips at the system's DPI, the primary monitor's when the user signed in: one scale for the
// whole desktop, so that a place maps to the same pixel on every monitor, whatever each monitor's
// own DPI, and a place stored on one monitor is found again there. Sizes are drawn at the DPI of
// the monitor a window is on (TwipsPerPixelOf).
class Screen {
 public:
  virtual ~Screen() = default;
  // The primary monitor's size.
  virtual double WidthTwips() const = 0;
  virtual double HeightTwips() const = 0;
  // Twips a pixel at the system's DPI, for places.
  virtual double TwipsPerPixelX() const = 0;
  virtual double TwipsPerPixelY() const = 0;
  // Every monitor's rectangle, the primary first; empty when the system cannot tell.
  virtual std::vector<Bounds> Monitors() const = 0;
  // Each monitor's work area (its rectangle less the taskbar and the bars docked on it), in the
  // order of Monitors(); empty when the system cannot tell.
  virtual std::vector<Bounds> WorkAreas() const = 0;
  // Twips a pixel of the monitor the form is on, at which its size and region are drawn.
  virtual double TwipsPerPixelOf(const Form& form) const = 0;
};

// Window-management calls on a loaded form.
class WindowManager {
 public:
  virtual ~WindowManager() = default;
  virtual void SetTopmost(Form& form, bool topmost) = 0;
  // Layered window: constant alpha (colourKey false) or colour key.
  virtual void SetLayered(Form& form, bool colourKey, Colour colour, int alpha) = 0;
  // A rounded-rectangle window region, sizes in pixels.
  virtual void SetRoundRegion(Form& form, int widthPx, int heightPx, int ellipsePx) = 0;
  // Lets the system move the window with the mouse until the button is released.
  virtual void BeginDrag(Form& form) = 0;
  // Keeps the window at the bottom of the stack: every change of its place becomes a move to
  // the bottom. Installing twice keeps one hook; removing when none is installed does nothing;
  // removing leaves any other hook on the window in place.
  virtual void SetBottomHook(Form& form, bool on) = 0;
  virtual bool HasBottomHook(const Form& form) const = 0;
  // Puts a topmost window back at the top of the topmost band, without activating it and
  // without moving its owner. It never leaves the band on the way, which would flash.
  virtual void RaiseTopmost(Form& form) = 0;
  // Whether a window of another program that can stay (platform/ui/window_stack.h: not a menu,
  // tooltip, drop-down or input method's window) lies above the form and overlaps it. Cheap: it
  // looks only at the windows above the form.
  virtual bool CoveredByOther(const Form& form) const = 0;
  // Whether a full-screen window of another program is what is seen on the monitor the form is
  // on, wherever the foreground is (ui::FullScreenOn).
  virtual bool FullScreenOver(const Form& form) const = 0;
};

// The foreground window changed: a hook on the system's foreground events (on Windows an
// out-of-context event hook, so that nothing is loaded into other programs). It exists while the
// object lives.
class ForegroundHook {
 public:
  virtual ~ForegroundHook() = default;
};

class Foreground {
 public:
  virtual ~Foreground() = default;
  // `onChange` runs on the window thread, from its message loop, each time a window of another
  // program comes to the foreground; it must not destroy the hook from inside. Null when the
  // system refuses the hook.
  virtual std::unique_ptr<ForegroundHook> Watch(std::function<void()> onChange) = 0;
};

// What the shell says of the user's state (SHQueryUserNotificationState), that is whether it
// would show a notification now.
enum class NotificationState {
  AcceptsNotifications,  // the ordinary desktop; also when the system cannot tell
  Busy,                  // a full-screen program runs
  PresentationMode,      // the user's presentation settings are on
  Direct3DFullScreen,    // an exclusive full-screen Direct3D program (a game, a video) runs
  FullScreenApp,         // a full-screen app of the Windows Store runs
  QuietTime,             // the quiet hour after a first sign-in
  NotPresent,            // the screen saver runs, the PC is locked or another user is on
};

class Notifications {
 public:
  virtual ~Notifications() = default;
  virtual NotificationState State() const = 0;
};

enum class BalloonIcon { None = 0, Info = 1, Warning = 2, Error = 3 };

// Which message the icon sends its window when the mouse acts on it: none, the program's own
// message (which a hook on the window hears, see Tray::HookCallback), or the mouse-move message,
// which the window takes for an ordinary mouse move.
enum class TrayCallback { None, ProgramMessage, MouseMove };

// What the mouse did over the icon, as the hook hears it.
enum class TrayMouse { LeftButtonUp, Other };

// The notification-area icon, as raw records: texts already cut and in the ANSI code page.
struct TrayRecord {
  int iconId = 1;
  TrayCallback callback = TrayCallback::None;
  std::string tipAnsi;           // at most 127 bytes
  std::string balloonTextAnsi;   // at most 255 bytes
  std::string balloonTitleAnsi;  // at most 63 bytes
  BalloonIcon balloonIcon = BalloonIcon::None;
};

class Tray {
 public:
  virtual ~Tray() = default;
  virtual bool Add(Form& form, const TrayRecord& record) = 0;
  virtual bool ShowBalloon(Form& form, const TrayRecord& record) = 0;
  virtual bool Remove(Form& form, const TrayRecord& record) = 0;
  // Gives the icon the record's tip; fails when the icon is not there.
  virtual bool SetTip(Form& form, const TrayRecord& record) = 0;
  // Hooks the form's window so that the program's own message from its icon reaches `onMouse`.
  // The hook stays for the life of the window.
  virtual void HookCallback(Form& form, std::function<void(TrayMouse mouse)> onMouse) = 0;
};

struct VersionInfo {
  int major = 10, minor = 0;
};

class SystemInfo {
 public:
  virtual ~SystemInfo() = default;
  virtual VersionInfo WindowsVersion() const = 0;
  virtual std::filesystem::path ProgramPath() const = 0;  // the running executable
  // The last-modification time of the executable in the system's short date-time form.
  virtual std::string ProgramTimeText() const = 0;
  virtual std::string Environment(const std::string& name) const = 0;
  // The PC's name as GetComputerNameW gives it (the NetBIOS name, upper case); empty when the
  // system does not say.
  virtual std::string ComputerName() const = 0;
};

// Which delay of a tooltip: how long a tip stays (TTDT_AUTOPOP) or how long the mouse must rest
// before it shows (TTDT_INITIAL).
enum class ToolTipDelay { AutoPop, Initial };

// One rectangular tooltip window owned by a form; destroying the object destroys the window.
// Once the owner form is unloaded the window is gone: setters do nothing and readings give 0.
class ToolTip {
 public:
  virtual ~ToolTip() = default;
  // The width in pixels at which tip texts wrap; CR LF in a text starts a new line.
  virtual void SetMaxWidth(std::int32_t pixels) = 0;
  virtual void SetDelay(ToolTipDelay which, std::int32_t ms) = 0;
  virtual std::int32_t Delay(ToolTipDelay which) const = 0;
  // Shows `text` while the mouse rests on the widget; `centred` puts the tip centred below it.
  // False when the widget has no window (its form is not loaded).
  virtual bool AddTool(const Widget& widget, const std::string& text, bool centred) = 0;
};

class ToolTips {
 public:
  virtual ~ToolTips() = default;
  // Null when the owner form is not loaded or the system refuses the window.
  virtual std::unique_ptr<ToolTip> Create(const Form& owner) = 0;
};

// One conditional GET of a published file. `url` is http:// or https:// and ASCII (other
// characters already percent-encoded).
struct HttpRequest {
  std::string url;
  std::string etag;          // sent as If-None-Match when not empty
  std::string lastModified;  // sent as If-Modified-Since when not empty
  std::size_t maxBodyBytes = 0;
  // Only the answer's status and headers (HEAD): what a server's Date is read from.
  bool headOnly = false;
  // Shorter than the client's own limit, for a request that must not hold up a round.
  int timeoutMs = 0;
};

enum class HttpOutcome {
  Fetched,    // 200: the body is the file
  Unchanged,  // 304: the copy the validators describe is still current
  Missing,    // 404 or 410: the server has no such file
  Failed,     // no answer, a timeout, a certificate the system refuses, another status, a body
              // over the limit
};

// What went wrong with a request that failed.
enum class HttpFailure {
  None,
  Timeout,           // the request's time ran out, whatever the server did
  ServerNotFound,    // the host name does not resolve
  CannotConnect,
  TooManyRedirects,  // or a redirection the client may not follow
  BadAddress,
  SecureChannel,     // no secure connection could be made
  BadCertificate,    // the system refuses the server's certificate
  Status,            // the server answered with another status (HttpAnswer::status)
  TooLarge,          // a body over the limit
  Incomplete,        // a body shorter than the server said
  PlainPassword,     // the server asked for the password in the clear over plain http
  Other,             // any other system error (HttpAnswer::errorCode)
};

struct HttpAnswer {
  HttpOutcome outcome = HttpOutcome::Failed;
  std::string body;  // Fetched
  std::string etag;  // Fetched: the validators to send next time
  std::string lastModified;
  std::string date;  // the server's Date header, as sent, whatever the outcome
  HttpFailure failure = HttpFailure::None;  // Failed
  int status = 0;                           // the server's status code; 0 when none answered
  unsigned long errorCode = 0;              // HttpFailure::Other: the system's error number
};

// The system's HTTP client, with its proxy settings and certificate checks. Get blocks until the
// answer or the request's time limit, whatever the server does: it is called off the window
// thread (Background), or where no window runs (the command line), and from several threads at
// once.
class Http {
 public:
  virtual ~Http() = default;
  virtual HttpAnswer Get(const HttpRequest& request) = 0;
};

// Work that may block (the network, a file share) runs off the window thread. `work` runs on a
// thread of its own with the HTTP client, which lives as long as the work needs it, and must
// touch nothing the window thread uses; `done` runs afterwards on the window thread, from its
// message loop, unless the program has ended by then.
class Background {
 public:
  virtual ~Background() = default;
  virtual void Run(std::function<void(Http& http)> work, std::function<void()> done) = 0;
  // The same for a round of asking for standard time, which may need both.
  virtual void RunTimed(std::function<void(Http& http, TimeQueries& time)> work,
                        std::function<void()> done) = 0;
};

}  // namespace orvel::ui
