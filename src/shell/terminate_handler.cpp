// The program's own last words when an exception escapes everything: the library's default
// handler would name the exception's type on a console that a windowed program does not have,
// and it carries the whole symbol demangler into the program to do so.
#include <cstdlib>

namespace __gnu_cxx
{
[[noreturn]] void __verbose_terminate_handler()
{
    std::abort();
}
} // namespace __gnu_cxx
