// Page 清系统: the 清理 button and the 全选 box.
#pragma once

#include "actions/form.h"
#include "platform/system.h"

namespace kelvaro {

// Runs every ticked cleaning task in the table's order and reports the outcome.
void CleanSystem(System& system, Form& form);

// Gives the six task boxes the state of 全选.
void SelectAllCleaningItems(System& system, Form& form);

}  // namespace kelvaro
