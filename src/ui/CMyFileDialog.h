#pragma once

#include "FileChooser.h"

// The program's file choosers: the desktop's own file dialog where it has one, Qt's otherwise, with
// the filter labels shown exactly as the program names them.
class CMyFileDialog final : public FileChooser
{
public:
    static const QString dataSetFilterLabel;
    static const QString openFilterLabel;

    // Before the application is made: the desktop's own file dialogs where it offers them.
    static void preferTheDesktopsDialogs();

    std::optional<QString> chooseNewDataSet(const QString& proposedName) override;
    std::optional<QString> chooseFileToOpen(const QString& folder) override;
    std::optional<QString> chooseSaveAs(const QString& proposedPath) override;
    std::optional<QString> chooseDataSetToMerge(const QString& folder) override;
    std::optional<QString> chooseFileToImport(const QString& folder) override;
    std::optional<QString> chooseExportPath(const QString& proposedPath) override;
};
