#include "RecentFileList.h"

RecentFileList::RecentFileList(const QStringList& paths)
{
    for (auto it = paths.crbegin(); it != paths.crend(); ++it)
        add(*it);
}

void RecentFileList::add(QString path)
{
    if (path.isEmpty())
        return;
    m_paths.removeAll(path);
    m_paths.prepend(std::move(path));
    while (m_paths.size() > capacity)
        m_paths.removeLast();
}

QString RecentFileList::shortened(const QString& path, int length)
{
    if (path.size() <= length)
        return path;
    const QString ellipsis = QStringLiteral("/...");
    const qsizetype lastSlash = path.lastIndexOf(QLatin1Char('/'));
    const QString name = path.mid(lastSlash + 1);
    if (name.size() + ellipsis.size() + 1 > length)
        return name;
    QString tail = QLatin1Char('/') + name;
    qsizetype end = lastSlash;
    while (end > 0) {
        const qsizetype previous = path.lastIndexOf(QLatin1Char('/'), end - 1);
        const QString longer = path.mid(previous, end - previous) + tail;
        if (previous <= 0 || ellipsis.size() + longer.size() > length)
            break;
        tail = longer;
        end = previous;
    }
    return ellipsis + tail;
}
