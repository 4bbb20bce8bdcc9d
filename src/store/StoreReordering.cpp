#include "StoreReordering.h"

#include "CWordStore.h"
#include "ExchangeSort.h"
#include "RandomSource.h"

#include <vector>

void sortByCategory(CWordStore& store)
{
    std::vector<int> categories;
    categories.reserve(store.entries().size());
    for (const WordEntry& entry : store.entries())
        categories.push_back(entry.category);
    exchangeSortByKey(std::move(categories),
                      [&store](std::size_t j, std::size_t k) { store.swapEntries(j, k); });
}

void shuffleEntries(CWordStore& store, RandomSource& random)
{
    const int count = static_cast<int>(store.entries().size());
    for (int exchange = 0; exchange < count / 3; ++exchange) {
        const int i = random.draw() % count;
        int j = random.draw() % count;
        while (j == i)
            j = random.draw() % count;
        store.swapEntries(static_cast<std::size_t>(i), static_cast<std::size_t>(j));
    }
}
