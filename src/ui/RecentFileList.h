#pragma once

#include <QStringList>

// The recently used data sets, most recent first, six at the most.
class RecentFileList final
{
public:
    static constexpr int capacity = 6;
    static constexpr int shownLength = 30;

    explicit RecentFileList(const QStringList& paths = {});

    // Puts path at the top, removing an older copy of it. Taken by value: the path may be one of the
    // list's own entries.
    void add(QString path);
    const QStringList& paths() const { return m_paths; }
    int size() const { return static_cast<int>(m_paths.size()); }

    // A path shortened for a menu to at most shownLength characters: whole if it fits, otherwise
    // the file name behind as many of its last folders as fit after "/...", or the file name alone.
    static QString shortened(const QString& path, int length = shownLength);

private:
    QStringList m_paths;
};
