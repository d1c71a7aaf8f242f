// Page 转资料: moving the user's folders to another directory.
#pragma once

#include "actions/form.h"
#include "platform/system.h"

namespace kelvaro {

// Makes the ticked folder groups under the target in 编辑框1, copies their
// contents there and points the registry at them.
void RelocateUserFolders(System& system, Form& form);

// Lets the user pick the target; its path (empty when cancelled) replaces 编辑框1.
void PickTargetFolder(System& system, Form& form);

}  // namespace kelvaro
