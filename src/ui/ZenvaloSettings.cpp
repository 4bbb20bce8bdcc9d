#include "ZenvaloSettings.h"

#include <QSettings>

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

ZenvaloSettings::ZenvaloSettings() : m_settings(std::make_unique<QSettings>(organisation, application)) {}

ZenvaloSettings::ZenvaloSettings(const QString& iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{}

ZenvaloSettings::~ZenvaloSettings() = default;

int ZenvaloSettings::look() const
{
    bool ok = false;
    const int value = m_settings->value(lookKey, defaultLook).toInt(&ok);
    return ok ? value : defaultLook;
}

void ZenvaloSettings::setLook(int look)
{
    m_settings->setValue(lookKey, look);
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
    m_settings->beginGroup(recentGroup);
    for (int number = 1; number <= recentFileCount; ++number) {
        if (number <= paths.size())
            m_settings->setValue(recentKey(number), paths[number - 1]);
        else
            m_settings->remove(recentKey(number));
    }
    m_settings->endGroup();
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
        m_settings->remove(key);
    else
        m_settings->setValue(key, QStringList{languages[0], languages[1]});
}

void ZenvaloSettings::sync()
{
    m_settings->sync();
}
