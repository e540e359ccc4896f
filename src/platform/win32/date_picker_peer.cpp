// DatePicker: the system's date-and-time picker in its short date form, with a drop-down month
// calendar.
#include <windows.h>

#include <commctrl.h>

#include "platform/win32/control_peers.h"

namespace orvel::win32 {
namespace {

SYSTEMTIME ToSystemTime(std::chrono::year_month_day date) {
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(static_cast<int>(date.year()));
  st.wMonth = static_cast<WORD>(static_cast<unsigned>(date.month()));
  st.wDay = static_cast<WORD>(static_cast<unsigned>(date.day()));
  return st;
}

std::chrono::year_month_day FromSystemTime(const SYSTEMTIME& st) {
  return std::chrono::year_month_day{std::chrono::year{st.wYear}, std::chrono::month{st.wMonth},
                                     std::chrono::day{st.wDay}};
}

class DatePickerPeer final : public ControlPeer {
 public:
  DatePickerPeer(FormWindow& form, ui::DatePicker& picker)
      : ControlPeer(form, picker), picker_(picker) {
    if (!CreateControl(DATETIMEPICK_CLASSW, L"", DTS_SHORTDATEFORMAT | WS_TABSTOP, 0)) return;
    // The date as the day list writes it, whatever the locale's short form.
    SendMessageW(hwnd(), DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(L"yyyy-MM-dd"));
    UseDefaultFont();
    ApplyValue();
    Subclass();
    ApplyState();
  }

  bool OnNotify(const NMHDR& header) override {
    if (header.code != DTN_DATETIMECHANGE) return false;
    const auto& change = reinterpret_cast<const NMDATETIMECHANGE&>(header);
    if (change.dwFlags == GDT_VALID) picker_.UserSetValue(FromSystemTime(change.st));
    return true;
  }
  HBRUSH OnColour(HDC) override { return nullptr; }

 protected:
  void OnChanged(ui::Property what) override {
    if (what == ui::Property::Value) ApplyValue();
  }

 private:
  void ApplyValue() {
    SYSTEMTIME st = ToSystemTime(picker_.Value());
    SendMessageW(hwnd(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
  }

  ui::DatePicker& picker_;
};

}  // namespace

std::unique_ptr<ControlPeer> MakeDatePickerPeer(FormWindow& form, ui::DatePicker& picker) {
  return std::make_unique<DatePickerPeer>(form, picker);
}

}  // namespace orvel::win32
