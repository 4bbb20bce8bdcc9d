#pragma once

#include "ModifiedRow.h"

#include <string_view>
#include <vector>

class CWordStore;

// The box value a box cell stands for: the number the text begins with (leading white space and a
// sign allowed, reading stops at the first non-digit, no digits giving 0) minus 1, and 0 when that is
// below 0. There is no upper bound; numbers beyond the int range count as the largest int.
int boxValueOfCell(std::u16string_view cell);

// Writes the modify dialog's rows back into the store. Row e, pending category e and exchange mark e
// belong to entry e as it was when the dialog opened (one of each per entry). A row whose list-1 or
// list-2 text is empty deletes its entry; the others keep their order and take the row's texts and
// boxes, the dates of their entry (the two directions' dates exchanged when the entry's lists were
// exchanged an odd number of times) and the pending category, or their own where it is -1.
// Entries without a row are dropped.
void writeBackModifications(CWordStore& store, const std::vector<ModifiedRow>& rows,
                            const std::vector<int>& pendingCategories, const std::vector<bool>& exchanged);
