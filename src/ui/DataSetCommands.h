#pragma once

#include <memory>
#include <string>

#include <QLockFile>
#include <QSet>
#include <QString>

#include "FileFacts.h"

class Clock;
class CWordStore;
class FileChooser;
class FileSystem;
class Prompts;
class QWidget;
class RecentFileList;
struct FileResult;

// The commands that create, open, save and close data sets. Each runs whole on the word store and
// returns whether the main window has to be redrawn. A data set is never replaced while its last
// changes failed to reach the disk unless the user, told of the failure, chooses to go on.
class DataSetCommands final
{
public:
    DataSetCommands(CWordStore& store, Prompts& prompts, FileChooser& files, RecentFileList& recentFiles,
                    const Clock& clock, FileSystem& fileSystem);

    bool newDataSet();
    bool open();
    // index counts from 0, the most recent first.
    bool openRecent(int index);
    // A file named on the command line: a data set opens as a recent file does, a text file is read
    // as Open reads it.
    bool openPath(const QString& path);
    void save();
    void saveAs();
    // "Kompletigu": merges the entries the user selects (in a dialog over parent) from another data
    // set into the loaded one, saves, and tells how many were added and how many were already there.
    void complete(QWidget* parent);
    // Saves before the program ends; false when the user chose to stay after a failed save.
    bool exit();

    // Saves to dataPath when a data set with entries is loaded, telling the user of a failure.
    bool saveIfFilled();
    // The same for any loaded data set, an empty one included.
    bool saveIfLoaded();
    // Saves to dataPath (or its backup), telling the user of a failure.
    bool saveTo(bool backup);

    // Tells the user why a chosen file could not be read; a file that does not exist is passed over,
    // as Open does.
    void reportReadFailure(const FileResult& result);

    // Where the Open and merge choosers start: the folder Zenvalo/Zenvalaro in the home folder.
    static QString defaultFolder();
    // The same folder, created when it is missing so that the choosers open there.
    static QString openingFolder();
    // The initial dataPath: the user's Documents folder, or the default folder without one.
    static QString documentsFolder();

private:
    enum class Replacing
    {
        OtherThanCurrent, // the current data set's own file is replaced without a question
        AnyDataSet
    };
    // Asks before an existing file is replaced; true when it may be.
    bool mayReplace(const QString& target, Replacing replacing);
    enum class Step
    {
        Reading,
        Saving
    };
    static QString failureText(const FileResult& result, Step step);
    void reportFailure(const FileResult& result, Step step);
    // Reads path into the store, telling the user why it could not be read (a missing file only when
    // missingIsMessage) and what looked wrong in a file read anyway (looksWrong). A very large file is
    // read only when the user agrees.
    bool readStore(const std::u16string& path, bool missingIsMessage, bool& looksWrong);
    bool backUp(const std::u16string& source, const std::u16string& dataPath);
    // Before the data set is written over its file: when another window or program has changed the
    // file since this one read or wrote it, asks whether to replace it, to save under another name
    // or to leave it. True when the save may go on.
    bool mayOverwrite(const CWordStore& store);
    void rememberFile(const std::u16string& path, const FileStamp& stamp);
    // Holds a lock on the data set while it is open here, and warns when another Zenvalo holds it.
    void lockDataSet(const std::u16string& path);
    void applyTitleRule();
    bool openKnownPath(const QString& path);
    bool openChosenPath(const QString& chosen);
    bool saveStore(const CWordStore& store, bool backup);
    // Saves the loaded data set before a command replaces it; after a failed save, asks whether to
    // go on without saving. True when the command may go on.
    bool saveBeforeReplacing();

    CWordStore& m_store;
    Prompts& m_prompts;
    FileChooser& m_files;
    RecentFileList& m_recentFiles;
    const Clock& m_clock;
    FileSystem& m_fileSystem;
    // The protected or other users' files that the user agreed to replace.
    QSet<QString> m_replaceableProtected;
    // The file as this program last read or wrote it.
    std::u16string m_knownPath;
    FileStamp m_knownStamp;
    std::unique_ptr<QLockFile> m_lock;
};
