// The handlers of the page XP优化: apply a service profile (按钮6) and switch on
// the chosen optional services (按钮7).
#pragma once

#include "actions/form.h"
#include "platform/system.h"

namespace kelvaro {

void ApplyServiceProfile(System& system, Form& form);
void StartOptionalServices(System& system, Form& form);

}  // namespace kelvaro
