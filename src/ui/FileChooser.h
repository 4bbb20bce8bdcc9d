#pragma once

#include <QString>
#include <optional>

// The file choosers of the program, each returning the chosen path or nothing when cancelled.
class FileChooser
{
public:
    virtual ~FileChooser() = default;

    // New: any name may be typed; proposedName is shown first.
    virtual std::optional<QString> chooseNewDataSet(const QString& proposedName) = 0;
    // Open: an existing data set or text file, starting in folder.
    virtual std::optional<QString> chooseFileToOpen(const QString& folder) = 0;
    // Save As: proposedPath is shown first; no question about replacing an existing file.
    virtual std::optional<QString> chooseSaveAs(const QString& proposedPath) = 0;
    // Complete: another user's data set, starting in folder.
    virtual std::optional<QString> chooseDataSetToMerge(const QString& folder) = 0;
    // Import: a file of another trainer or a spreadsheet, starting in folder.
    virtual std::optional<QString> chooseFileToImport(const QString& folder) = 0;
    // Export: proposedPath is shown first; the path returned ends in the extension of a format.
    virtual std::optional<QString> chooseExportPath(const QString& proposedPath) = 0;
};
