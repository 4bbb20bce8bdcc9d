#pragma once

#include "CWordStore.h"
#include "CalendarDate.h"
#include "WordEntry.h"

#include <optional>
#include <string>
#include <utility>

// What a test states of an entry; everything else keeps the value of a new entry.
struct EntryFields
{
    int box1 = 0;
    int box2 = 0;
    int category = 0;
    std::optional<CalendarDate> answered1;
    std::optional<CalendarDate> answered2;
};

// An entry of the two texts with the given fields: makeEntry(u"Chat", u"Kato", {.box1 = 2}).
inline WordEntry makeEntry(std::u16string text1, std::u16string text2, const EntryFields& fields = {})
{
    WordEntry entry;
    entry.text1 = std::move(text1);
    entry.text2 = std::move(text2);
    entry.box1 = fields.box1;
    entry.box2 = fields.box2;
    entry.category = fields.category;
    if (fields.answered1)
        entry.setAnswerDate(1, *fields.answered1);
    if (fields.answered2)
        entry.setAnswerDate(2, *fields.answered2);
    return entry;
}

// A store holding an empty data set with the two list names, on the given day.
inline CWordStore emptyDataSet(const CalendarDate& today, std::u16string listName1, std::u16string listName2)
{
    CWordStore store(today, u"");
    store.clearEntries(CWordStore::AfterClear::EmptyDataSet);
    store.setListName1(std::move(listName1));
    store.setListName2(std::move(listName2));
    return store;
}
