// An action: a plain function over the system and the window's controls.
#pragma once

#include "actions/form.h"
#include "platform/system.h"

namespace kelvaro {

using Handler = void (*)(System& system, Form& form);

}  // namespace kelvaro
