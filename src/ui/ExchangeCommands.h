#pragma once

#include <QString>

class CWordStore;
class FileChooser;
class FileSystem;
class Prompts;
class QWidget;
struct ImportError;

// The commands that bring vocabulary in from other trainers and spreadsheets and take the data set
// out to them. The files are read and written by the exchange library; this class only asks the
// user and tells the outcome.
class ExchangeCommands final
{
public:
    ExchangeCommands(CWordStore& store, Prompts& prompts, FileChooser& files, FileSystem& fileSystem);

    // Chooses a file, shows what it holds in the preview dialog (over parent) and appends the rows
    // taken. Returns true when entries were appended or names changed: the caller then saves.
    bool importFile(QWidget* parent);
    // Chooses a path and writes the whole data set there in the format of its extension.
    void exportDataSet();

    // What the user reads when a file cannot be imported.
    static QString importErrorText(const QString& path, const ImportError& error);

private:
    CWordStore& m_store;
    Prompts& m_prompts;
    FileChooser& m_files;
    FileSystem& m_fileSystem;
};
