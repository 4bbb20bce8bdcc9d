#pragma once

#include "DataSetFile.h"

#include <string>
#include <string_view>

// The backups of a data set NAME.zenv: NAME_sav.zenv beside it holds the newest; the folder
// ".zenvalo-backups" beside it holds the five before, NAME.1.zenv (the most recent of them) to
// NAME.5.zenv. Writing a new backup moves each one a place down and drops the oldest, so that one
// bad open never takes the last good copy.

constexpr int olderBackupCount = 5;
constexpr std::u16string_view backupFolderName = u".zenvalo-backups";

// The path of an older backup, age 1 (the most recent) to olderBackupCount.
std::u16string olderBackupPath(std::u16string_view dataPath, int age);

// Moves the newest backup of dataPath to age 1 and each older one a place further, dropping the
// oldest. Nothing happens when there is no backup yet. The folder of the older backups is created
// readable by no one who cannot read the data set.
FileResult rotateBackups(FileSystem& fileSystem, const std::u16string& dataPath);

// Writes the backup of dataPath as a byte copy of source (the file as it was found, normally the
// data set itself, or the text file it was read from), keeping the older backups. The copy takes the
// owner, group and mode of source, never more readable. When the newest backup already holds exactly
// these bytes nothing is written, so that opening the same file again keeps the older copies apart.
// Call it before the data set is written back, and not at all after a read that looked wrong.
FileResult backUpFile(FileSystem& fileSystem, const std::u16string& source, const std::u16string& dataPath,
                      const SaveOptions& options = {});

// For replaceFile: once the new backup of dataPath is complete in temporary, leaves everything as it
// is when the newest backup holds the same bytes, and otherwise moves the backups a place down.
int makeRoomForBackup(FileSystem& fileSystem, const std::u16string& dataPath, const std::string& temporary,
                      bool& keepTarget);
