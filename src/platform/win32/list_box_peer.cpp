// ListBox: a LISTBOX of the widget's items. A FileList's items are the file names in its folder
// that match its pattern, read again whenever the folder is set.
#include <windows.h>

#include <algorithm>

#include "platform/win32/control_peers.h"
#include "platform/win32/wide.h"

namespace orvel::win32 {
namespace {

std::vector<std::string> ReadFolder(const std::string& folder, const std::string& pattern) {
  std::vector<std::wstring> names;
  std::wstring searchPath = Widen(folder);
  if (!searchPath.empty() && searchPath.back() != L'\\' && searchPath.back() != L'/')
    searchPath += L'\\';
  searchPath += Widen(pattern);
  WIN32_FIND_DATAW data{};
  UniqueHandle<FindTraits> find(FindFirstFileW(searchPath.c_str(), &data));
  if (find.get() != INVALID_HANDLE_VALUE) {
    do {
      if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(data.cFileName);
    } while (FindNextFileW(find.get(), &data));
  }
  // The order a sorted list box shows, so that list positions and names agree.
  std::sort(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) {
    return lstrcmpiW(a.c_str(), b.c_str()) < 0;
  });
  std::vector<std::string> out;
  out.reserve(names.size());
  for (const std::wstring& n : names) out.push_back(Narrow(n));
  return out;
}

class ListBoxPeer final : public ControlPeer {
 public:
  ListBoxPeer(FormWindow& form, ui::ListBox& list)
      : ControlPeer(form, list), list_(list), files_(dynamic_cast<ui::FileList*>(&list)) {
    if (!CreateControl(L"LISTBOX", L"", LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE))
      return;
    UseDefaultFont();
    Refill();
    Subclass();
    ApplyState();
  }

  void OnCommand(UINT code) override {
    if (code == LBN_SELCHANGE) {
      const LRESULT sel = SendMessageW(hwnd(), LB_GETCURSEL, 0, 0);
      if (sel != LB_ERR) list_.UserChoose(static_cast<int>(sel));
    } else if (code == LBN_DBLCLK) {
      list_.UserDblClick();
    }
  }
  HBRUSH OnColour(HDC) override { return nullptr; }

 protected:
  void OnChanged(ui::Property what) override {
    if (what == ui::Property::Items) Refill();
    else if (what == ui::Property::ListIndex) ApplySelection();
  }

 private:
  void Refill() {
    if (files_ && !reading_ && !files_->Path().empty()) {
      // SetItems comes back here with the names just read; fill the box then.
      reading_ = true;
      files_->SetItems(ReadFolder(files_->Path(), files_->pattern));
      reading_ = false;
      return;
    }
    SendMessageW(hwnd(), WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwnd(), LB_RESETCONTENT, 0, 0);
    for (const std::string& item : list_.Items())
      SendMessageW(hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    SendMessageW(hwnd(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd(), nullptr, TRUE);
    ApplySelection();
  }

  void ApplySelection() {
    SendMessageW(hwnd(), LB_SETCURSEL, static_cast<WPARAM>(list_.ListIndex()), 0);
  }

  ui::ListBox& list_;
  ui::FileList* files_;  // the same widget when it lists a folder
  bool reading_ = false;
};

}  // namespace

std::unique_ptr<ControlPeer> MakeListBoxPeer(FormWindow& form, ui::ListBox& list) {
  return std::make_unique<ListBoxPeer>(form, list);
}

}  // namespace orvel::win32
