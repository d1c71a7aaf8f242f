// What happens when the C++ library gives up (an allocation that cannot be
// met): the program ends at once. The library's own handler would print the
// error to a console this program does not have, and bring a demangler and a
// whole printf (about 100 KB) into the exe to do it.
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
  std::abort();
}

}  // namespace __gnu_cxx
