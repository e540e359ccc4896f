#include <windows.h>

#include <set>

#include "platform/win32/failure_report.h"
#include "platform/win32/services_win.h"
#include "platform/win32/wide.h"

namespace orvel::win32 {
namespace {

struct FontList {
  std::vector<std::string> names;
  std::set<std::wstring> seen;
};

int CALLBACK OnFamily(const LOGFONTW* lf, const TEXTMETRICW*, DWORD, LPARAM param) {
  auto* list = reinterpret_cast<FontList*>(param);
  try {
    // A family comes once for every character set it has.
    if (list->seen.insert(lf->lfFaceName).second) list->names.push_back(Narrow(lf->lfFaceName));
  } catch (...) {
    ReportSwallowedFailure("font list");
    return 0;  // stop with what we have
  }
  return 1;
}

}  // namespace

std::vector<std::string> Win32Fonts::Installed() {
  FontList list;
  WindowDc dc(nullptr);
  if (!dc.get()) return {};
  LOGFONTW lf{};
  lf.lfCharSet = DEFAULT_CHARSET;
  EnumFontFamiliesExW(dc.get(), &lf, &OnFamily, reinterpret_cast<LPARAM>(&list), 0);
  return std::move(list.names);
}

}  // namespace orvel::win32
