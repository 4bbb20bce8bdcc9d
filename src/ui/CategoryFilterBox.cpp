#include "CategoryFilterBox.h"

#include <QComboBox>

#include "BoxSchedule.h"
#include "CWordStore.h"
#include "QtText.h"

QList<int> fillCategoryFilterBox(QComboBox& box, const CWordStore& store)
{
    QList<int> codes;
    box.addItem(QStringLiteral("Ĉiuj kategorioj"));
    codes.append(allCategories);
    for (int category = 1; category <= CWordStore::categoryCount; ++category) {
        if (store.categoryName(category).empty())
            continue;
        box.addItem(toQString(store.categoryName(category)));
        codes.append(category);
    }
    if (codes.size() == 1) {
        box.hide();
        return codes;
    }
    box.addItem(QStringLiteral("Ekster kategorioj"));
    codes.append(withoutCategory);
    return codes;
}
