#pragma once

#include <memory>

#include <QSettings>
#include <QStringList>

#include "SpeechEngine.h"

class FileSystem;
class QTemporaryDir;
class QVariant;

// The program's settings between runs: the look, the recent-file list and, per data set, the
// languages its lists are read aloud in. The only class that
// touches QSettings; every key name and default is here.
class ZenvaloSettings final
{
public:
    static constexpr int defaultLook = 209;
    static constexpr int recentFileCount = 6;

    // The user's settings store, under the program's organisation and application names. The file
    // is looked at through fileSystem before QSettings may touch it.
    explicit ZenvaloSettings(FileSystem& fileSystem);
    // Settings kept in an INI file, for tests.
    ZenvaloSettings(FileSystem& fileSystem, const QString& iniFile);
    ~ZenvaloSettings();
    ZenvaloSettings(const ZenvaloSettings&) = delete;
    ZenvaloSettings& operator=(const ZenvaloSettings&) = delete;

    int look() const;
    void setLook(int look);
    // Most recent first, at most six paths.
    QStringList recentFiles() const;
    void setRecentFiles(const QStringList& paths);
    // Keyed by the data set's path; empty tags when none was chosen.
    ListLanguages speechLanguages(const QString& dataPath) const;
    void setSpeechLanguages(const QString& dataPath, const ListLanguages& languages);
    void sync();

private:
    ZenvaloSettings(FileSystem& fileSystem, const QString& file, QSettings::Format format);
    void store(const QString& key, const QVariant& value);
    void storeRemoved(const QString& key);

    std::unique_ptr<QTemporaryDir> m_scratch; // holds the settings when the user's file cannot be used
    std::unique_ptr<QSettings> m_settings;
};
