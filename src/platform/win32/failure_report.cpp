#include "platform/win32/failure_report.h"

#include <windows.h>

#include <cassert>
#include <exception>
#include <string>

namespace orvel::win32 {

void ReportSwallowedFailure(const char* where) noexcept {
  const char* what = "unknown exception";
  try {
    if (const std::exception_ptr current = std::current_exception())
      std::rethrow_exception(current);
  } catch (const std::exception& e) {
    what = e.what();
  } catch (...) {
  }
  try {
    const std::string line = std::string("Orvel: ") + where + ": " + what + "\n";
    OutputDebugStringA(line.c_str());
  } catch (...) {
    OutputDebugStringA("Orvel: a swallowed failure could not be described\n");
  }
  assert(!"a failure was swallowed; see the debugger's output");
}

}  // namespace orvel::win32
