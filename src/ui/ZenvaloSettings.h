#pragma once

#include <QStringList>
#include <memory>

#include "SpeechEngine.h"

class QSettings;

// The program's settings between runs: the look, the recent-file list and, per data set, the
// languages its lists are read aloud in. The only class that
// touches QSettings; every key name and default is here.
class ZenvaloSettings final
{
public:
    static constexpr int defaultLook = 209;
    static constexpr int recentFileCount = 6;

    // The user's settings store, under the program's organisation and application names.
    ZenvaloSettings();
    // Settings kept in an INI file, for tests.
    explicit ZenvaloSettings(const QString& iniFile);
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
    std::unique_ptr<QSettings> m_settings;
};
