// What the C++ library does when it fails, in the program's own small versions. The library's
// own build their messages with strings of an older layout, which brings a second string
// implementation into the program, and its terminate handler names the exception's type on a
// console that a windowed program does not have, with the whole symbol demangler to do so.
// Every exception that window code lets through is caught at the window layer's boundary and
// reported there; its kind is all that matters then.
#include <cstdlib>
#include <new>

namespace __gnu_cxx
{
[[noreturn]] void __verbose_terminate_handler()
{
    std::abort();
}
} // namespace __gnu_cxx

namespace std
{
// A string or array asked to grow beyond what it can hold, or a position past its end, fails as
// memory that cannot be had: the request cannot be met either way.
[[noreturn]] void __throw_bad_alloc()
{
    throw std::bad_alloc();
}
[[noreturn]] void __throw_bad_array_new_length()
{
    throw std::bad_array_new_length();
}
[[noreturn]] void __throw_length_error(const char*)
{
    throw std::bad_alloc();
}
[[noreturn]] void __throw_logic_error(const char*)
{
    throw std::bad_alloc();
}
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...)
{
    throw std::bad_alloc();
}
} // namespace std
