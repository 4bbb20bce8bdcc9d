#pragma once

#include <cstddef>
#include <functional>
#include <vector>

// Sorts ascending by integer key with exactly the exchanges of the plain exchange sort: for each
// position j from the first, for each later position k in increasing order, exchange j and k when the
// key at k is below the key at j. Equal keys do not keep their relative order, and the resulting
// arrangement is part of what the user sees, so the exchanges must be these and no others.
// exchange(j, k) is called for each of them in the same order as that double loop would; the keys
// passed in move along. Each exchange is found by a search in a tree of minima rather than by
// comparing every pair, so a few distinct keys (categories) sort large tables quickly.
void exchangeSortByKey(std::vector<int> keys, const std::function<void(std::size_t, std::size_t)>& exchange);
