#pragma once

#include <Qt>

// Keys that move the focus cell of a grid from one cell to the next.
inline bool movesFocusCell(int key)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

// Those and the keys that jump to an end of the grid or across its columns.
inline bool isNavigationKey(int key)
{
    return movesFocusCell(key) || key == Qt::Key_Home || key == Qt::Key_End || key == Qt::Key_Tab ||
           key == Qt::Key_Backtab;
}
