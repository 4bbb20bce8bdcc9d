#pragma once

// A rectangle of grid cells in the grid's numbering (fixed rows and columns counted), bounds included.
struct CellRange
{
    int minRow = -1;
    int minColumn = -1;
    int maxRow = -1;
    int maxColumn = -1;

    // All four bounds 0 or more, and each minimum not beyond its maximum.
    bool isValid() const
    {
        return minRow >= 0 && minColumn >= 0 && maxRow >= 0 && maxColumn >= 0 && minRow <= maxRow &&
               minColumn <= maxColumn;
    }

    bool operator==(const CellRange&) const = default;
};
