// The tab lists whose behaviour lives with their tabs; here they carry their kind, their columns
// and their sort defaults. The History list is history/history_list.h, the Save list
// tabs/save/save_list.h, the related-files list tabs/related/related_list.h, the Open and Shared
// lists lan/open_list.h and lan/shared_list.h, the Stack list tabs/stack/stack_list.h.
#pragma once
#include "app/tablist/tab_list.h"

namespace qb {}  // namespace qb
