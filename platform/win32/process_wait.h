// Waiting for a started process to end.
#pragma once

#include <windows.h>

namespace kelvaro {

void WaitForProcessEnd(HANDLE process);

}  // namespace kelvaro
