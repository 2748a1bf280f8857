// What std::terminate calls. GNU's C++ library by default names the
// exception that was not caught on the standard error before it aborts,
// and links in a demangler of some 40 KiB for that. A window program has
// no standard error, so this one only aborts, as that handler ends. No
// exception of ours gets there: every entry point catches (top_level.h).

#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler();

void __verbose_terminate_handler() {
    std::abort();
}

} // namespace __gnu_cxx
