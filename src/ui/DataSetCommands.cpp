#include "DataSetCommands.h"

#include "Clock.h"
#include "CWordStore.h"
#include "DataSetFile.h"
#include "DataSetPaths.h"
#include "FileChooser.h"
#include "ProgramFolders.h"
#include "Prompts.h"
#include "QtText.h"
#include "RandomGenerator.h"
#include "RecentFileList.h"
#include "StoreReordering.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString quoted(const QString& path)
{
    return QStringLiteral("« %1 »").arg(QDir::toNativeSeparators(path));
}

} // namespace

DataSetCommands::DataSetCommands(CWordStore& store, Prompts& prompts, FileChooser& files,
                                 RecentFileList& recentFiles, const Clock& clock)
    : m_store(store), m_prompts(prompts), m_files(files), m_recentFiles(recentFiles), m_clock(clock)
{}

QString DataSetCommands::defaultFolder()
{
    return ProgramFolders::dataFolder();
}

QString DataSetCommands::openingFolder()
{
    const QString folder = defaultFolder();
    QDir().mkpath(folder);
    return folder;
}

QString DataSetCommands::documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? defaultFolder() : documents;
}

void DataSetCommands::reportFailure(const FileResult& result)
{
    const QString what = result.problem == FileResult::Problem::CannotWrite ? QStringLiteral("konservi")
                                                                            : QStringLiteral("legi");
    m_prompts.showError(
        QStringLiteral("Ne eblis %1 %2 :\n%3")
            .arg(what, quoted(toQString(result.path)), QString::fromStdString(result.reason)));
}

bool DataSetCommands::saveTo(bool backup)
{
    return saveStore(m_store, backup);
}

bool DataSetCommands::saveStore(const CWordStore& store, bool backup)
{
    const FileResult result = saveDataSet(store, backup ? SaveTarget::Backup : SaveTarget::DataFile);
    if (!result)
        reportFailure(result);
    return static_cast<bool>(result);
}

bool DataSetCommands::saveIfFilled()
{
    return m_store.count() <= 0 || saveTo(false);
}

bool DataSetCommands::saveIfLoaded()
{
    return m_store.count() < 0 || saveTo(false);
}

bool DataSetCommands::saveBeforeReplacing()
{
    // The failure has been reported; the user may still leave a data set that cannot be saved.
    return saveIfLoaded() || m_prompts.askYesNoDefaultNo(QStringLiteral("Ĉu vi volas daŭrigi sen konservi ?"));
}

bool DataSetCommands::mayReplace(const QString& target, Replacing replacing)
{
    if (!QFileInfo::exists(target))
        return true;
    if (replacing == Replacing::OtherThanCurrent && target == toQString(m_store.dataPath()))
        return true;
    return m_prompts.askYesNoDefaultNo(
        QStringLiteral("%1 jam ekzistas. Ĉu vi deziras anstataŭigi ĝin ?").arg(quoted(target)));
}

void DataSetCommands::applyTitleRule()
{
    if (auto title = titleForPath(m_store.dataPath()))
        m_store.setDataTitle(std::move(*title));
}

bool DataSetCommands::newDataSet()
{
    if (!saveBeforeReplacing())
        return false;
    const auto chosen = m_files.chooseNewDataSet(QStringLiteral("Nova.zenv"));
    if (!chosen)
        return false;
    const std::u16string path = withDataSetExtension(toText(*chosen));
    if (!mayReplace(toQString(path), Replacing::OtherThanCurrent))
        return false;
    // The new data set replaces the current one only once its file exists.
    CWordStore fresh(m_store.today(), path);
    fresh.clearEntries(CWordStore::AfterClear::EmptyDataSet);
    if (!saveStore(fresh, false))
        return false;
    m_store = std::move(fresh);
    m_recentFiles.add(toQString(path));
    applyTitleRule();
    return true;
}

bool DataSetCommands::open()
{
    if (!saveBeforeReplacing())
        return false;
    const auto chosen = m_files.chooseFileToOpen(openingFolder());
    if (!chosen)
        return false;
    return openChosenPath(*chosen);
}

bool DataSetCommands::openChosenPath(const QString& chosen)
{
    const std::u16string path = toText(chosen);
    const std::u16string target = applyExtensionRule(path);
    // Reading a text file replaces the data set of the same name: the boxes and dates earned in it
    // would be lost without a word.
    if (target != path && !mayReplace(toQString(target), Replacing::AnyDataSet))
        return false;

    m_store.clearEntries(CWordStore::AfterClear::NoDataSet);
    m_store.setDataTitle({});
    m_store.setDataPath(path);
    const FileResult read = readDataSet(m_store, path);
    if (!read) {
        if (QFileInfo::exists(chosen))
            reportFailure(read);
        return true;
    }
    m_store.setDataPath(target);
    if (saveTo(false))
        m_recentFiles.add(toQString(target));
    saveTo(true);
    applyTitleRule();
    return true;
}

bool DataSetCommands::openRecent(int index)
{
    if (index < 0 || index >= m_recentFiles.size())
        return false;
    const QString path = m_recentFiles.paths()[index]; // a copy: the list changes while it opens
    if (!saveBeforeReplacing())
        return false;
    return openKnownPath(path);
}

bool DataSetCommands::openPath(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (!saveBeforeReplacing())
        return false;
    // A text file takes the road of Open: it becomes the data set of the same name and is never
    // written itself.
    if (applyExtensionRule(toText(absolute)) != toText(absolute))
        return openChosenPath(absolute);
    return openKnownPath(absolute);
}

bool DataSetCommands::openKnownPath(const QString& path)
{
    m_recentFiles.add(path);
    const FileResult read = readDataSet(m_store, toText(path));
    if (!read) {
        if (read.problem == FileResult::Problem::CannotOpen)
            m_prompts.showError(QStringLiteral("Fichier introuvable"));
        else
            reportFailure(read);
        return false;
    }
    m_store.setDataPath(toText(path));
    saveTo(true);
    applyTitleRule();
    return true;
}

void DataSetCommands::save()
{
    saveIfFilled();
}

void DataSetCommands::saveAs()
{
    if (m_store.count() <= 0)
        return;
    const auto chosen = m_files.chooseSaveAs(toQString(m_store.dataPath()));
    if (!chosen)
        return;
    const std::u16string path = applyExtensionRule(toText(*chosen));
    if (!mayReplace(toQString(path), Replacing::OtherThanCurrent))
        return;

    // The reset, sort and shuffle work on a copy that replaces the data set only once it is saved:
    // a failed save must leave the learner's boxes and order as they were, bound to the old file.
    CWordStore copy = m_store;
    const auto& entries = copy.entries();
    const bool anyBox = std::any_of(entries.begin(), entries.end(),
                                    [](const WordEntry& e) { return e.box1 > 0 || e.box2 > 0; });
    if (anyBox &&
        m_prompts.askYesNoDefaultNo(QStringLiteral("Ĉu vi deziras remeti la tuton en la skatolon 1 ?")))
        copy.resetBoxes();
    const bool anyCategory =
        std::any_of(entries.begin(), entries.end(), [](const WordEntry& e) { return e.category > 0; });
    if (anyCategory && m_prompts.askYesNo(QStringLiteral("Ĉu vi deziras ordigi laŭ la kategorio ?"))) {
        sortByCategory(copy);
    } else if (m_prompts.askYesNo(QStringLiteral("Ĉu vi deziras miksi ?"))) {
        RandomGenerator random(static_cast<std::uint32_t>(m_clock.secondsNow()));
        shuffleEntries(copy, random);
    }

    copy.setDataPath(path);
    if (!saveStore(copy, false))
        return;
    m_store = std::move(copy);
    applyTitleRule();
}

bool DataSetCommands::exit()
{
    if (saveIfLoaded())
        return true;
    return m_prompts.askYesNoDefaultNo(QStringLiteral("Ĉu vi tamen deziras fermi Zenvalo sen konservi ?"));
}
