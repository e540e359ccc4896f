// Linked into each program (not into the tests, whose runs want the full message): the C++
// runtime's default handler for an exception nobody catches writes the exception's demangled type
// to a console that a windowed program does not have, and its demangler adds 45 KB to each
// program. Defined here, the runtime's own is not linked; this one ends the process as the
// default does after writing. WinMain catches everything, so it runs only if that fails.
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
