#pragma once

#include <QString>

// The folders of the program in the user's home folder, and the vocabularies and guide that come
// with the program, put there for a new user.
namespace ProgramFolders {

// The folder Zenvalo in the home folder: it holds the guide and the data folder.
QString programFolder();
// Zenvalo/Zenvalaro in the home folder, where the Open and merge choosers start.
QString dataFolder();

// Where the vocabularies and the guide were installed: share/zenvalo beside the program's bin
// folder (in the build tree, the same place relative to the program).
QString installedDataFolder();

// At the first start, when the data folder of programFolder does not exist yet: creates it, copies
// the two vocabularies into it and the guide beside it, from sourceFolder. An existing data folder
// is never touched. Returns false when something could not be created or copied.
bool installStarterData(const QString& programFolder, const QString& sourceFolder);

} // namespace ProgramFolders
