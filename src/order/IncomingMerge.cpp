#include "IncomingMerge.h"

#include "CWordStore.h"
#include "VocabularyIndex.h"

int mergeSelectedEntries(CWordStore& store, const std::vector<IncomingEntry>& incoming,
                         const std::vector<bool>& selected)
{
    // Only the entries held before the merge count as duplicates: two equal incoming entries, both
    // selected, are both appended.
    const std::size_t before = store.entries().size();
    VocabularyIndex index(store);
    const CalendarDate answered{store.todayDay(), store.todayMonth(), store.todayYear() - 1};
    int appended = 0;
    for (std::size_t i = 0; i < incoming.size() && i < selected.size(); ++i) {
        if (!selected[i] || index.holdsPair(incoming[i].text1, incoming[i].text2, before))
            continue;
        WordEntry entry;
        entry.text1 = incoming[i].text1;
        entry.text2 = incoming[i].text2;
        entry.setBothAnswerDates(answered);
        store.appendEntry(std::move(entry));
        ++appended;
    }
    return appended;
}
