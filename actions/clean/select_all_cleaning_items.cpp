#include "actions/clean/cleaning_items.h"
#include "actions/clean/clean_system.h"

namespace kelvaro {

// Runs after 全选 has taken its new state. The task boxes have no handler of
// their own, so they never change 全选 back.
void SelectAllCleaningItems(System&, Form& form) {
  const bool all = form.IsChecked(Control::选择框17);
  for (const CleaningItem& item : kCleaningItems) {
    form.SetChecked(item.box, all);
  }
}

}  // namespace kelvaro
