#include "ZenvaloSettings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "FileFacts.h"
#include "QtText.h"

namespace {

const QString organisation = QStringLiteral("Applications locales générées par AppWizard");
const QString application = QStringLiteral("Zenvalo");
const QString lookKey = QStringLiteral("Workspace/ApplicationLook");
const QString recentGroup = QStringLiteral("Recent File List");
const QString speechGroup = QStringLiteral("Speech");

// A path holds the separators of the settings' groups: the key is its percent-encoded form.
QString speechKey(const QString& dataPath)
{
    return QString::fromLatin1(dataPath.toUtf8().toPercentEncoding());
}

QString recentKey(int number)
{
    return QStringLiteral("File%1").arg(number);
}

} // namespace

namespace {

// Where QSettings keeps the user's settings on this platform.
QString userSettingsFile()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(organisation + u'/' + application + QStringLiteral(".conf"));
}

// A settings file is read and written only when it is a regular file (through a link or not) or
// does not exist yet: a FIFO would block the start, and a save would replace a device node.
bool isUsableSettingsFile(FileSystem& fileSystem, const QString& path)
{
    const FileKind kind = inspectFile(fileSystem, toText(path)).kind;
    return kind == FileKind::Regular || kind == FileKind::Missing;
}

} // namespace

ZenvaloSettings::ZenvaloSettings(FileSystem& fileSystem)
    : ZenvaloSettings(fileSystem, userSettingsFile(), QSettings::NativeFormat)
{}

ZenvaloSettings::ZenvaloSettings(FileSystem& fileSystem, const QString& iniFile)
    : ZenvaloSettings(fileSystem, iniFile, QSettings::IniFormat)
{}

ZenvaloSettings::ZenvaloSettings(FileSystem& fileSystem, const QString& file, QSettings::Format format)
{
    if (isUsableSettingsFile(fileSystem, file)) {
        m_settings = std::make_unique<QSettings>(file, format);
        return;
    }
    // Defaults for this run, kept in a file of our own that nobody else sees.
    m_scratch = std::make_unique<QTemporaryDir>();
    m_settings = std::make_unique<QSettings>(m_scratch->filePath(QStringLiteral("settings.ini")),
                                             QSettings::IniFormat);
}

ZenvaloSettings::~ZenvaloSettings() = default;

int ZenvaloSettings::look() const
{
    bool ok = false;
    const int value = m_settings->value(lookKey, defaultLook).toInt(&ok);
    return ok ? value : defaultLook;
}

void ZenvaloSettings::store(const QString& key, const QVariant& value)
{
    // An unchanged value is not written, so that a start that changes nothing leaves the file alone.
    if (m_settings->contains(key) && m_settings->value(key) == value)
        return;
    m_settings->setValue(key, value);
}

void ZenvaloSettings::storeRemoved(const QString& key)
{
    if (m_settings->contains(key))
        m_settings->remove(key);
}

void ZenvaloSettings::setLook(int look)
{
    store(lookKey, look);
}

QStringList ZenvaloSettings::recentFiles() const
{
    QStringList paths;
    m_settings->beginGroup(recentGroup);
    for (int number = 1; number <= recentFileCount; ++number) {
        const QString path = m_settings->value(recentKey(number)).toString();
        if (!path.isEmpty())
            paths.append(path);
    }
    m_settings->endGroup();
    return paths;
}

void ZenvaloSettings::setRecentFiles(const QStringList& paths)
{
    for (int number = 1; number <= recentFileCount; ++number) {
        const QString key = recentGroup + u'/' + recentKey(number);
        if (number <= paths.size())
            store(key, paths[number - 1]);
        else
            storeRemoved(key);
    }
}

ListLanguages ZenvaloSettings::speechLanguages(const QString& dataPath) const
{
    const QStringList stored = m_settings->value(speechGroup + u'/' + speechKey(dataPath)).toStringList();
    return {stored.value(0), stored.value(1)};
}

void ZenvaloSettings::setSpeechLanguages(const QString& dataPath, const ListLanguages& languages)
{
    const QString key = speechGroup + u'/' + speechKey(dataPath);
    if (languages[0].isEmpty() && languages[1].isEmpty())
        storeRemoved(key);
    else
        store(key, QStringList{languages[0], languages[1]});
}

void ZenvaloSettings::sync()
{
    m_settings->sync();
}
