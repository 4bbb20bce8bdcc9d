#pragma once

#include "IncomingEntries.h"

#include <vector>

class CWordStore;

// The merge of "Kompletigu", beside the order library's duplicate test that it needs; the entries
// come from readIncomingEntries (IncomingEntries.h in the store library, which cannot use this one).

// Appends the selected incoming entries, in their order, that the store did not already hold before
// this merge: in box 1 for both directions, dated today's day and month of the previous year, so
// that they are due at once. Returns how many were appended.
int mergeSelectedEntries(CWordStore& store, const std::vector<IncomingEntry>& incoming,
                         const std::vector<bool>& selected);
