#pragma once

namespace orvel::win32 {

// Call first thing in every program and test: no error dialog can hang a run, DLLs load only from
// the system folder, and the common controls are registered before any window exists.
void PrepareProcess();

}  // namespace orvel::win32
