#pragma once

#include <QList>

class CWordStore;
class QComboBox;

// Fills a category filter box with "Ĉiuj kategorioj", the named categories and "Ekster kategorioj",
// and returns the filter code of each item. With no category named the box is hidden and only
// "all categories" exists.
QList<int> fillCategoryFilterBox(QComboBox& box, const CWordStore& store);
