#include "DataSetNames.h"

#include "CWordStore.h"
#include "StorableText.h"

DataSetNames DataSetNames::fromStore(const CWordStore& store)
{
    DataSetNames names;
    names.m_names[listIndex(1)] = store.listName1();
    names.m_names[listIndex(2)] = store.listName2();
    for (int category = 1; category <= CWordStore::categoryCount; ++category)
        names.m_names[categoryIndex(category)] = store.categoryName(category);
    return names;
}

std::optional<int> DataSetNames::firstUnstorable() const
{
    for (int index = 0; index < count; ++index) {
        if (!isStorableText(m_names[index]))
            return index;
    }
    return std::nullopt;
}

void DataSetNames::applyTo(CWordStore& store) const
{
    store.setListName1(m_names[listIndex(1)]);
    store.setListName2(m_names[listIndex(2)]);
    for (int category = 1; category <= CWordStore::categoryCount; ++category)
        store.setCategoryName(category, m_names[categoryIndex(category)]);
}
