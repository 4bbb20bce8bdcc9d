#pragma once

#include "DataSetFile.h"

#include <functional>
#include <string>
#include <sys/stat.h>

class FileSystem;

// Writes content into a fresh hidden file in the target's folder, syncs it and renames it over the
// target, so that the target is always either its old self or the new content, whole.
// - A symbolic link stays a link: its final target is replaced. A link whose target's folder has gone
//   (an unplugged drive) is refused rather than replaced by a regular file.
// - A target that is not a regular file is refused; so is one the user may not write, or that belongs
//   to another user, unless options.replaceProtected says that the user has agreed.
// - The new file keeps the owner, group and mode of the file it replaces (the owner only where the
//   process may change it, and none on a file system that keeps no owners or modes), or a new file
//   the default mode. A failure to set them otherwise ends the save (AttributesNotKept). When model is given
//   (a backup and its data set), the new file takes model's owner, group and mode instead, and the target is
//   not checked for protection: it is this program's own copy.
// - The temporary name is short (".zenvalo-PID-XXXXXX"), so any name that fits the folder saves, and
//   the temporary files that killed saves of dead processes left in that folder are removed first.
// writeContent writes into the descriptor without closing it and returns 0 or an errno value.
// beforeReplacing, when given, runs once the temporary file is complete and synced, just before the
// rename: it returns 0 to go on or an errno value to give up, and may set keepTarget to leave the
// target as it is (the temporary file is then removed and the result is a success).
// Once the rename is done, the folder is synced so that the rename survives a crash; when that fails
// the result is FolderNotSynced: the target holds the new content (result.stamp), but a crash could
// still bring the old one back.
using BeforeReplacing = std::function<int(const std::string& temporary, bool& keepTarget)>;
FileResult replaceFile(FileSystem& fileSystem, const std::u16string& shownPath,
                       const std::function<int(int fd)>& writeContent, const SaveOptions& options,
                       const struct stat* model = nullptr, const BeforeReplacing& beforeReplacing = {});

// The path that a save of path writes: path itself, or the final target of the links it names.
// Returns false with errno set when a link cannot be followed.
bool resolveLinks(FileSystem& fileSystem, const std::string& path, std::string& resolved, bool& throughLink);

// Removes the temporary files left in folder by saves of processes that no longer run. Returns how
// many were removed.
int removeStaleTemporaryFiles(FileSystem& fileSystem, const std::string& folder);
