#include "DataSetCommands.h"

#include "Clock.h"
#include "CWordStore.h"
#include "DataSetFile.h"
#include "DataSetPaths.h"
#include "FileChooser.h"
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
    return QDir::home().filePath(QStringLiteral("Zenvalo/Zenvalaro"));
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
    const FileResult result = saveDataSet(m_store, backup ? SaveTarget::Backup : SaveTarget::DataFile);
    if (!result)
        reportFailure(result);
    return static_cast<bool>(result);
}

bool DataSetCommands::saveIfFilled()
{
    return m_store.count() <= 0 || saveTo(false);
}

bool DataSetCommands::mayReplace(const QString& target, Replacing replacing)
{
    if (!QFileInfo::exists(target))
        return true;
    if (replacing == Replacing::OtherThanCurrent && target == toQString(m_store.dataPath()))
        return true;
    return m_prompts.askYesNo(
        QStringLiteral("%1 jam ekzistas. Ĉu vi deziras anstataŭigi ĝin ?").arg(quoted(target)));
}

void DataSetCommands::applyTitleRule()
{
    if (auto title = titleForPath(m_store.dataPath()))
        m_store.setDataTitle(std::move(*title));
}

bool DataSetCommands::newDataSet()
{
    if (!saveIfFilled())
        return false;
    const auto chosen = m_files.chooseNewDataSet(QStringLiteral("Nova.zenv"));
    if (!chosen)
        return false;
    const std::u16string path = withDataSetExtension(toText(*chosen));
    if (!mayReplace(toQString(path), Replacing::OtherThanCurrent))
        return false;
    m_store.clearEntries(CWordStore::AfterClear::EmptyDataSet);
    m_store.setDataTitle({});
    m_store.setDataPath(path);
    m_store.resetNames();
    saveTo(false);
    m_recentFiles.add(toQString(path));
    applyTitleRule();
    return true;
}

bool DataSetCommands::open()
{
    if (m_store.count() >= 0 && !saveTo(false))
        return false;
    const auto chosen = m_files.chooseFileToOpen(defaultFolder());
    if (!chosen)
        return false;
    const std::u16string path = toText(*chosen);
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
        if (QFileInfo::exists(*chosen))
            reportFailure(read);
        return true;
    }
    m_store.setDataPath(target);
    saveTo(false);
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
    return openKnownPath(path);
}

bool DataSetCommands::openPath(const QString& path)
{
    return openKnownPath(QFileInfo(path).absoluteFilePath());
}

bool DataSetCommands::openKnownPath(const QString& path)
{
    if (!saveIfFilled())
        return false;
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

    const auto& entries = m_store.entries();
    const bool anyBox = std::any_of(entries.begin(), entries.end(),
                                    [](const WordEntry& e) { return e.box1 > 0 || e.box2 > 0; });
    if (anyBox && m_prompts.askYesNo(QStringLiteral("Ĉu vi deziras remeti la tuton en la skatolon 1 ?")))
        m_store.resetBoxes();
    const bool anyCategory =
        std::any_of(entries.begin(), entries.end(), [](const WordEntry& e) { return e.category > 0; });
    if (anyCategory && m_prompts.askYesNo(QStringLiteral("Ĉu vi deziras ordigi laŭ la kategorio ?"))) {
        sortByCategory(m_store);
    } else if (m_prompts.askYesNo(QStringLiteral("Ĉu vi deziras miksi ?"))) {
        RandomGenerator random(static_cast<std::uint32_t>(m_clock.secondsNow()));
        shuffleEntries(m_store, random);
    }

    const std::u16string previousPath = m_store.dataPath();
    m_store.setDataPath(path);
    if (!saveTo(false)) {
        m_store.setDataPath(previousPath);
        return;
    }
    applyTitleRule();
}

bool DataSetCommands::exit()
{
    if (saveIfFilled())
        return true;
    return m_prompts.askYesNo(QStringLiteral("Ĉu vi tamen deziras fermi Zenvalo sen konservi ?"));
}
