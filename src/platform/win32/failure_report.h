#pragma once
// Failures that a window procedure or a program's entry point must not let through are still
// reported: on the debugger's output, and as a stop in debug builds.

namespace orvel::win32 {

// Call inside a catch block: writes "Orvel: <where>: <what the exception says>" with
// OutputDebugString and, in debug builds, asserts.
void ReportSwallowedFailure(const char* where) noexcept;

}  // namespace orvel::win32
