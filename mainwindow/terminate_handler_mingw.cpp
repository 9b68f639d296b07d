// With libstdc++, std::terminate's default handler first prints the uncaught exception's type to
// the standard error stream, demangled. A window program has no such stream, and the demangler with
// the formatted printing it needs is about 60 KB of PBW.exe. This handler ends the program the same
// way, only without that message. The build adds it to PBW.exe with MinGW's libstdc++ only.

#include <cstdlib>
#include <exception>

#if defined(__GLIBCXX__)
namespace __gnu_cxx {  // NOLINT: the name libstdc++ calls

void __verbose_terminate_handler() { std::abort(); }  // NOLINT: replaces the library's handler

}  // namespace __gnu_cxx
#endif
