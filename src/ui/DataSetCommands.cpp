#include "DataSetCommands.h"

#include "CDlg_kunmeti.h"
#include "Clock.h"
#include "CWordStore.h"
#include "DataSetBackups.h"
#include "DataSetFile.h"
#include "FileFacts.h"
#include "FileFailureText.h"
#include "DataSetPaths.h"
#include "FileChooser.h"
#include "IncomingEntries.h"
#include "IncomingMerge.h"
#include "Messages.h"
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
                                 RecentFileList& recentFiles, const Clock& clock, FileSystem& fileSystem)
    : m_store(store), m_prompts(prompts), m_files(files), m_recentFiles(recentFiles), m_clock(clock),
      m_fileSystem(fileSystem)
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

QString DataSetCommands::failureText(const FileResult& result, Step step)
{
    // A file whose folder could not be synced holds the new data, only not for certain.
    const QString action = result.problem == FileResult::Problem::FolderNotSynced
                               ? QStringLiteral("certigi la konservon de")
                               : (step == Step::Saving ? QStringLiteral("konservi") : QStringLiteral("legi"));
    return QStringLiteral("Ne eblis %1 %2 :\n%3")
        .arg(action, quoted(toQString(result.path)), toQString(failureReason(result)));
}

void DataSetCommands::reportFailure(const FileResult& result, Step step)
{
    m_prompts.showError(failureText(result, step));
}

void DataSetCommands::reportReadFailure(const FileResult& result)
{
    if (result.problem != FileResult::Problem::CannotOpen || result.kind != FileKind::Missing)
        reportFailure(result, Step::Reading);
}

bool DataSetCommands::saveTo(bool backup)
{
    return saveStore(m_store, backup);
}

bool DataSetCommands::mayOverwrite(const CWordStore& store)
{
    if (store.dataPath() != m_knownPath ||
        changeSince(m_fileSystem, m_knownPath, m_knownStamp) != FileChange::Modified)
        return true;
    // Another window of Zenvalo, or another program, has written the file since it was read here.
    const QString file = quoted(toQString(store.dataPath()));
    if (m_prompts.askYesNoDefaultNo(
            QStringLiteral("%1 estis ŝanĝita de alia programo aŭ fenestro post kiam Zenvalo legis ĝin. "
                           "Ĉu vi deziras anstataŭigi ĝin per la datumaro de ĉi tiu fenestro ?")
                .arg(file)))
        return true;
    if (&store == &m_store &&
        m_prompts.askYesNo(QStringLiteral("Ĉu vi deziras sekurigi la datumaron sub alia nomo ?"))) {
        saveAs();
        return false;
    }
    return false;
}

void DataSetCommands::rememberFile(const std::u16string& path, const FileStamp& stamp)
{
    m_knownPath = path;
    m_knownStamp = stamp;
}

void DataSetCommands::lockDataSet(const std::u16string& path)
{
    const QFileInfo file(toQString(path));
    m_lock = std::make_unique<QLockFile>(
        file.dir().filePath(QStringLiteral(".") + file.fileName() + QStringLiteral(".lock")));
    m_lock->setStaleLockTime(0); // stale only when the process that took it is gone
    if (!m_lock->tryLock(0) && m_lock->error() == QLockFile::LockFailedError)
        m_prompts.showWarning(QStringLiteral("%1 estas jam malfermita en alia fenestro de Zenvalo. Kion unu "
                                             "fenestro sekurigas, tion la alia povas anstataŭigi.")
                                  .arg(quoted(toQString(path))));
}

bool DataSetCommands::saveStore(const CWordStore& store, bool backup)
{
    const SaveTarget target = backup ? SaveTarget::Backup : SaveTarget::DataFile;
    if (target == SaveTarget::DataFile && !mayOverwrite(store))
        return false;
    const bool agreed = m_replaceableProtected.contains(toQString(store.dataPath()));
    FileResult result = saveDataSet(m_fileSystem, store, target, SaveOptions{.replaceProtected = agreed});
    // A file the user may not write, or another user's, is replaced only when the user agrees; the
    // answer holds for the saves that follow.
    if (result.problem == FileResult::Problem::NotWritable &&
        m_prompts.askYesNoDefaultNo(failureText(result, Step::Saving) +
                                    QStringLiteral("\nĈu vi tamen deziras anstataŭigi ĝin ?"))) {
        m_replaceableProtected.insert(toQString(store.dataPath()));
        result = saveDataSet(m_fileSystem, store, target, SaveOptions{.replaceProtected = true});
    } else if (result.problem == FileResult::Problem::NotWritable) {
        return false;
    }
    if (!result)
        reportFailure(result, Step::Saving);
    // The file holds this window's data even when its folder could not be synced.
    const bool written = result || result.problem == FileResult::Problem::FolderNotSynced;
    if (written && target == SaveTarget::DataFile)
        rememberFile(store.dataPath(), result.stamp);
    return written;
}

bool DataSetCommands::backUp(const std::u16string& source, const std::u16string& dataPath)
{
    const FileResult result = backUpFile(m_fileSystem, source, dataPath);
    if (!result)
        reportFailure(result, Step::Saving);
    return static_cast<bool>(result);
}

bool DataSetCommands::readStore(const std::u16string& path, bool missingIsMessage, bool& looksWrong)
{
    looksWrong = false;
    const FileFacts facts = inspectFile(m_fileSystem, path);
    if (facts.kind == FileKind::Regular && facts.size > largeFileBytes &&
        !m_prompts.askYesNoDefaultNo(
            QStringLiteral("%1 estas tre granda (%2 MB) : ĝia legado daŭros kaj bezonos multe da memoro. "
                           "Ĉu vi tamen deziras legi ĝin ?")
                .arg(quoted(toQString(path)))
                .arg(facts.size / (1024 * 1024))))
        return false;
    const FileResult read = readDataSet(m_fileSystem, m_store, path);
    if (!read) {
        if (read.problem == FileResult::Problem::CannotOpen && read.kind == FileKind::Missing) {
            if (missingIsMessage)
                m_prompts.showError(QStringLiteral("Fichier introuvable"));
        } else {
            reportFailure(read, Step::Reading);
        }
        return false;
    }
    rememberFile(path, read.stamp);
    // What was read is kept, but neither the file nor its backup is rewritten from it until the user
    // saves: the file may hold more than this program could make sense of.
    if (read.anomalies.any()) {
        looksWrong = true;
        m_prompts.showWarning(QStringLiteral("%1 ŝajnas difektita, do ĝi kaj ĝia sekurkopio restas kiaj ili "
                                             "estas ĝis vi mem sekurigos :\n%2")
                                  .arg(quoted(toQString(path)), toQString(anomalyText(read.anomalies))));
    }
    return true;
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
    return saveIfLoaded() ||
           m_prompts.askYesNoDefaultNo(QStringLiteral("Ĉu vi volas daŭrigi sen konservi ?"));
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
    lockDataSet(path);
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
    bool looksWrong = false;
    if (!readStore(path, false, looksWrong))
        return true;
    m_store.setDataPath(target);
    applyTitleRule();
    lockDataSet(target);
    if (looksWrong) {
        rememberFile(target, inspectFile(m_fileSystem, target).stamp);
        return true;
    }
    // The backup is a byte copy of the data set as it was found, before it is rewritten; a text file
    // read over a data set leaves that data set in the backups.
    const bool targetExists = inspectFile(m_fileSystem, target).kind == FileKind::Regular;
    if (targetExists && !backUp(target, target))
        return true;
    if (saveTo(false)) {
        m_recentFiles.add(toQString(target));
        if (target != path)
            backUp(target, target);
    }
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
    const QString absolute = toQString(absolutePath(m_fileSystem, toText(path)));
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
    bool looksWrong = false;
    if (!readStore(toText(path), true, looksWrong))
        return false;
    m_store.setDataPath(toText(path));
    lockDataSet(toText(path));
    if (!looksWrong)
        backUp(toText(path), toText(path));
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
    lockDataSet(path);
    applyTitleRule();
}

void DataSetCommands::complete(QWidget* parent)
{
    if (m_store.count() < 0)
        return;
    const auto chosen = m_files.chooseDataSetToMerge(openingFolder());
    if (!chosen)
        return;
    std::vector<IncomingEntry> incoming;
    const FileResult read =
        readIncomingEntries(m_fileSystem, withDataSetExtension(toText(*chosen)), incoming);
    if (!read) {
        reportReadFailure(read);
        return;
    }
    CDlg_kunmeti dialog(m_store, incoming, parent);
    dialog.exec();
    if (!dialog.isConfirmed())
        return;
    const int before = m_store.count();
    mergeSelectedEntries(m_store, incoming, dialog.selected());
    saveTo(false);
    const int added = m_store.count() - before;
    const auto selected = std::count(dialog.selected().begin(), dialog.selected().end(), true);
    m_prompts.showInformation(
        QStringLiteral("%1 aldoniĝis; %2 jam estis en la datumaro.")
            .arg(Messages::entryCount(added), Messages::entryCount(static_cast<int>(selected) - added)));
}

bool DataSetCommands::exit()
{
    if (saveIfLoaded())
        return true;
    return m_prompts.askYesNoDefaultNo(QStringLiteral("Ĉu vi tamen deziras fermi Zenvalo sen konservi ?"));
}
