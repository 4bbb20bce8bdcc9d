#include "CWordStore.h"
#include "DataSetCommands.h"
#include "DataSetFile.h"
#include "Entries.h"
#include "FailingFileSystem.h"
#include "FakePrompts.h"
#include "FakeServices.h"
#include "QtText.h"
#include "RecentFileList.h"
#include "TestFileSystem.h"

#include <cerrno>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <QTest>

namespace {

const CalendarDate today{10, 3, 2016};

QByteArray utf16(const QString& text)
{
    QByteArray bytes("\xFF\xFE", 2);
    for (const QChar c : text) {
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
        bytes.append(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

WordEntry entry(std::u16string text1, std::u16string text2, int box = 0, int category = 0)
{
    return makeEntry(std::move(text1), std::move(text2),
                     {.box1 = box, .category = category, .answered1 = today, .answered2 = today});
}

const QString minimalImport = QStringLiteral("3\r\n#Franca;Esperanto;\r\nVase (le);Florpoto;\r\n"
                                             "Lentille (optique);Lenso;\r\nChien;Hundo;\r\n");

} // namespace

// The data-set commands on real files, with scripted answers and file choosers.
class DataSetCommandsTest final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    std::unique_ptr<CWordStore> m_store;
    std::unique_ptr<FakePrompts> m_prompts;
    FakeFileChooser m_files;
    RecentFileList m_recent;
    FakeClock m_clock{today};
    std::unique_ptr<DataSetCommands> m_commands;

    QString path(const QString& name) const { return m_folder.filePath(name); }
    // A data set with entries, bound to a file that exists.
    void loadDataSet(const QString& name, const std::vector<WordEntry>& entries)
    {
        m_store->clearEntries(CWordStore::AfterClear::EmptyDataSet);
        m_store->setDataPath(toText(path(name)));
        for (const WordEntry& e : entries)
            m_store->appendEntry(e);
        QVERIFY(saveDataSet(fileSystem, *m_store));
    }

private slots:
    void init()
    {
        QVERIFY(m_folder.isValid());
        m_store = std::make_unique<CWordStore>(today, toText(m_folder.path()));
        m_prompts = std::make_unique<FakePrompts>();
        m_files = FakeFileChooser();
        m_recent = RecentFileList();
        m_commands =
            std::make_unique<DataSetCommands>(*m_store, *m_prompts, m_files, m_recent, m_clock, fileSystem);
    }

    void cleanup()
    {
        m_prompts->checkAllAnswersUsed();
        QCOMPARE(m_files.pending(), 0);
        QDir(m_folder.path()).removeRecursively();
        QDir().mkpath(m_folder.path());
    }

    void openingATextFileImportsItAsADataSet()
    {
        writeFile(path(QStringLiteral("Listo.txt")), minimalImport.toUtf8());
        m_files.queue(path(QStringLiteral("Listo.txt")));
        QVERIFY(m_commands->open());

        QCOMPARE(m_store->count(), 3);
        QCOMPARE(toQString(m_store->listName1()), QStringLiteral("Franca"));
        QCOMPARE(toQString(m_store->listName2()), QStringLiteral("Esperanto"));
        for (const WordEntry& e : m_store->entries()) {
            QCOMPARE(e.box1, 0);
            QCOMPARE(e.box2, 0);
            QCOMPARE(e.category, 0);
            QVERIFY(e.answerDate(1) == (CalendarDate{9, 3, 2016}));
            QVERIFY(e.answerDate(2) == (CalendarDate{9, 3, 2016}));
        }
        QCOMPARE(toQString(m_store->dataPath()), path(QStringLiteral("Listo.zenv")));
        QCOMPARE(toQString(m_store->dataTitle()), QStringLiteral("Listo"));
        QCOMPARE(m_recent.paths(), QStringList{path(QStringLiteral("Listo.zenv"))});
        QCOMPARE(m_files.asked(), QStringList{QStringLiteral("open ") + DataSetCommands::defaultFolder()});
        // The data set and its backup hold the same, and the text file is left as it was.
        const QByteArray written = fileBytes(path(QStringLiteral("Listo.zenv")));
        QVERIFY(written.startsWith(utf16(QStringLiteral("3\r\n#Franca;Esperanto;"))));
        QCOMPARE(fileBytes(path(QStringLiteral("Listo_sav.zenv"))), written);
        QCOMPARE(fileBytes(path(QStringLiteral("Listo.txt"))), minimalImport.toUtf8());
    }

    void importingOverAnExistingDataSetAsksFirst()
    {
        loadDataSet(QStringLiteral("Listo.zenv"), {entry(u"lernita", u"learned", 4)});
        const QByteArray earned = fileBytes(path(QStringLiteral("Listo.zenv")));
        writeFile(path(QStringLiteral("Listo.txt")), minimalImport.toUtf8());

        m_files.queue(path(QStringLiteral("Listo.txt")));
        m_prompts->queueNo();
        QVERIFY(!m_commands->open());
        QCOMPARE(m_store->count(), 1); // like cancelling: the current data set stays loaded
        QCOMPARE(fileBytes(path(QStringLiteral("Listo.zenv"))), earned);
        QVERIFY(m_prompts->texts(FakePrompts::Kind::QuestionDefaultNo)
                    .constFirst()
                    .contains(QStringLiteral("Listo.zenv")));

        m_files.queue(path(QStringLiteral("Listo.txt")));
        m_prompts->queueYes();
        QVERIFY(m_commands->open());
        QCOMPARE(m_store->count(), 3);
    }

    void openingRewritesTheDataSetInNormalFormAndKeepsABackup()
    {
        const QByteArray found = utf16(QStringLiteral(
            "2\r\n#a;b;\r\nx;y;5;5;2016;1;1;2016;1;1;0;;\r\nz;w;1;5;2016;1;1;2016;1;1;0;;\r\n"));
        writeFile(path(QStringLiteral("Vortaro.zenv")), found);
        m_files.queue(path(QStringLiteral("Vortaro.zenv")));
        QVERIFY(m_commands->open());
        QCOMPARE(m_store->count(), 1);
        const QByteArray normal =
            utf16(QStringLiteral("1\r\n#a;b;;;;;;;;;;;;;\r\nz;w;1;5;2016;1;1;2016;1;1;0;;\r\n"));
        QCOMPARE(fileBytes(path(QStringLiteral("Vortaro.zenv"))), normal);
        QCOMPARE(fileBytes(path(QStringLiteral("Vortaro_sav.zenv"))), found); // the file as it was found
    }

    void aDamagedCopyIsReadButNeitherItNorTheBackupIsRewritten()
    {
        const QByteArray good = utf16(QStringLiteral("2\r\n#a;b;\r\nx;y;;\r\nz;w;;\r\n"));
        writeFile(path(QStringLiteral("Vortaro.zenv")), good);
        m_files.queue(path(QStringLiteral("Vortaro.zenv")));
        QVERIFY(m_commands->open());
        const QByteArray backup = fileBytes(path(QStringLiteral("Vortaro_sav.zenv")));

        const QByteArray damaged = utf16(QStringLiteral("1000\r\n#a;b;\r\nx;y;;\r\n"));
        m_store->clearEntries(CWordStore::AfterClear::NoDataSet); // a new start of the program
        writeFile(path(QStringLiteral("Vortaro.zenv")), damaged);
        m_files.queue(path(QStringLiteral("Vortaro.zenv")));
        QVERIFY(m_commands->open());
        QCOMPARE(m_store->count(), 1);
        QCOMPARE(m_prompts->texts(FakePrompts::Kind::Warning).size(), 1);
        QCOMPARE(fileBytes(path(QStringLiteral("Vortaro.zenv"))), damaged);
        QCOMPARE(fileBytes(path(QStringLiteral("Vortaro_sav.zenv"))), backup);
    }

    void openingAFileThatCannotBeReadSaysSo()
    {
        QVERIFY(QDir(m_folder.path()).mkdir(QStringLiteral("dosierujo.zenv")));
        m_files.queue(path(QStringLiteral("dosierujo.zenv")));
        m_commands->open();
        QCOMPARE(m_store->count(), -1);
        const QStringList errors = m_prompts->texts(FakePrompts::Kind::Error);
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors.constFirst().contains(QStringLiteral("dosierujo.zenv")));
    }

    void openRecentOfAVanishedFileKeepsTheCurrentDataSet()
    {
        loadDataSet(QStringLiteral("nuna.zenv"), {entry(u"a", u"b")});
        m_recent.add(path(QStringLiteral("forigita.zenv")));
        m_recent.add(path(QStringLiteral("nuna.zenv")));
        QVERIFY(!m_commands->openRecent(1));
        QCOMPARE(m_prompts->shown(), (QList<FakePrompts::Shown>{
                                         {FakePrompts::Kind::Error, QStringLiteral("Fichier introuvable")}}));
        QCOMPARE(m_store->count(), 1);
        QCOMPARE(toQString(m_store->dataPath()), path(QStringLiteral("nuna.zenv")));
        QCOMPARE(m_recent.paths().constFirst(), path(QStringLiteral("forigita.zenv")));
    }

    void openRecentReadsWithoutRewritingButWritesTheBackup()
    {
        const QByteArray original =
            utf16(QStringLiteral("2\r\n#a;b;\r\nx;y;5;5;2016;1;1;2016;1;1;0;;\r\nz;w;;\r\n"));
        writeFile(path(QStringLiteral("Vortaro.zenv")), original);
        m_recent.add(path(QStringLiteral("Vortaro.zenv")));
        QVERIFY(m_commands->openRecent(0));
        QCOMPARE(m_store->count(), 1);
        QCOMPARE(toQString(m_store->dataTitle()), QStringLiteral("Vortaro"));
        QCOMPARE(fileBytes(path(QStringLiteral("Vortaro.zenv"))), original);
        QCOMPARE(fileBytes(path(QStringLiteral("Vortaro_sav.zenv"))), original);
    }

    void newDataSetAsksBeforeReplacingAnotherFile()
    {
        loadDataSet(QStringLiteral("nuna.zenv"), {entry(u"a", u"b")});
        writeFile(path(QStringLiteral("alia.zenv")), QByteArrayLiteral("alia"));

        m_files.queue(path(QStringLiteral("alia")));
        m_prompts->queueNo();
        QVERIFY(!m_commands->newDataSet());
        QCOMPARE(m_store->count(), 1);
        QCOMPARE(fileBytes(path(QStringLiteral("alia.zenv"))), QByteArrayLiteral("alia"));

        m_files.queue(path(QStringLiteral("alia")));
        m_prompts->queueYes();
        QVERIFY(m_commands->newDataSet());
        QCOMPARE(m_store->count(), 0);
        QCOMPARE(toQString(m_store->dataTitle()), QStringLiteral("alia"));
        QCOMPARE(fileBytes(path(QStringLiteral("alia.zenv"))),
                 utf16(QStringLiteral("0\r\n#Listo 1;Listo 2;;;;;;;;;;;;;\r\n")));
        QCOMPARE(m_files.asked().constFirst(), QStringLiteral("new Nova.zenv"));

        m_files.queue(path(QStringLiteral("tria.zenv"))); // a new name: no question
        QVERIFY(m_commands->newDataSet());
        QCOMPARE(m_recent.paths().constFirst(), path(QStringLiteral("tria.zenv")));
    }

    void saveAsIntoATextNameWritesTheDataSetName()
    {
        loadDataSet(QStringLiteral("nuna.zenv"), {entry(u"a", u"b")});
        m_files.queue(path(QStringLiteral("x.txt")));
        m_prompts->queueNo(); // the shuffle
        m_commands->saveAs();
        QVERIFY(QFile::exists(path(QStringLiteral("x.zenv"))));
        QVERIFY(!QFile::exists(path(QStringLiteral("x.txt"))));
        QCOMPARE(toQString(m_store->dataTitle()), QStringLiteral("x"));
        QVERIFY(m_recent.paths().isEmpty()); // Save As leaves the recent files alone
    }

    void saveAsAsksOnlyWhatTheDataSetCallsFor()
    {
        loadDataSet(QStringLiteral("nuna.zenv"), {entry(u"a", u"b", 2, 3), entry(u"c", u"d", 0, 1)});
        m_files.queue(path(QStringLiteral("ordigita")));
        m_prompts->queueYes(); // back to box 1
        m_prompts->queueYes(); // sort by category: no shuffle question after it
        m_commands->saveAs();
        QCOMPARE(m_prompts->shown(), (QList<FakePrompts::Shown>{
                                         {FakePrompts::Kind::QuestionDefaultNo,
                                          QStringLiteral("Ĉu vi deziras remeti la tuton en la skatolon 1 ?")},
                                         {FakePrompts::Kind::Question,
                                          QStringLiteral("Ĉu vi deziras ordigi laŭ la kategorio ?")}}));
        QCOMPARE(toQString(m_store->entry(0).text1), QStringLiteral("c"));
        QCOMPARE(m_store->entry(1).box1, 0);

        m_prompts->clear();
        m_store->resetBoxes();
        for (std::size_t i = 0; i < 2; ++i)
            m_store->entry(i).category = 0;
        m_files.queue(path(QStringLiteral("simpla")));
        m_prompts->queueNo();
        m_commands->saveAs();
        QCOMPARE(m_prompts->texts(FakePrompts::Kind::Question),
                 QStringList{QStringLiteral("Ĉu vi deziras miksi ?")});
    }

    void shufflingAFewEntriesMakesExactlyOneExchange()
    {
        for (int count = 3; count <= 5; ++count) {
            std::vector<WordEntry> entries;
            for (int i = 0; i < count; ++i)
                entries.push_back(entry(toText(QString::number(i)), u"x"));
            loadDataSet(QStringLiteral("miksota.zenv"), entries);
            m_files.queue(path(QStringLiteral("miksita%1").arg(count)));
            m_prompts->queueYes();
            m_commands->saveAs();
            int moved = 0;
            for (int i = 0; i < count; ++i)
                moved += toQString(m_store->entry(static_cast<std::size_t>(i)).text1) != QString::number(i);
            QCOMPARE(moved, 2);
        }
    }

    void failedSavesAreToldAndNothingIsReplaced()
    {
        loadDataSet(QStringLiteral("nuna.zenv"), {entry(u"a", u"b")});
        m_store->setDataPath(toText(path(QStringLiteral("nenie/nuna.zenv"))));
        m_commands->save();
        QStringList errors = m_prompts->texts(FakePrompts::Kind::Error);
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors.constFirst().contains(QStringLiteral("nenie/nuna.zenv")));
        QVERIFY(errors.constFirst().contains(QStringLiteral("la dosiero aŭ ĝia dosierujo ne ekzistas")));

        // Opening another data set would lose what could not be saved: the user is asked first, and
        // No keeps everything as it is.
        writeFile(path(QStringLiteral("alia.zenv")), utf16(minimalImport));
        m_prompts->clear();
        m_prompts->queueNo();
        QVERIFY(!m_commands->open());
        QCOMPARE(m_prompts->shown().constLast(),
                 (FakePrompts::Shown{FakePrompts::Kind::QuestionDefaultNo,
                                     QStringLiteral("Ĉu vi volas daŭrigi sen konservi ?")}));
        QCOMPARE(m_store->count(), 1);
        QVERIFY(m_files.asked().isEmpty());
        // Yes goes on, for New, Open and the recent files alike.
        m_recent.add(path(QStringLiteral("alia.zenv")));
        m_prompts->queueYes();
        QVERIFY(m_commands->openRecent(0));
        QCOMPARE(m_store->count(), 3);

        // Leaving is the user's choice after a failed save; No is the default.
        m_store->setDataPath(toText(path(QStringLiteral("nenie/alia.zenv"))));
        m_prompts->clear();
        m_prompts->queueNo();
        QVERIFY(!m_commands->exit());
        QCOMPARE(m_prompts->shown().constLast().kind, FakePrompts::Kind::QuestionDefaultNo);
        m_prompts->queueYes();
        QVERIFY(m_commands->exit());
    }

    void aFolderThatCannotBeSyncedIsToldAndTheSaveStillCounts()
    {
        loadDataSet(QStringLiteral("nuna.zenv"), {entry(u"a", u"b")});
        // The open saves the loaded data set and writes the backup; the save after it syncs third.
        FailingFileSystem unsynced(FailingFileSystem::Call::SyncFolder, 3, EIO);
        DataSetCommands commands(*m_store, *m_prompts, m_files, m_recent, m_clock, unsynced);
        QVERIFY(commands.openPath(path(QStringLiteral("nuna.zenv"))));
        m_store->appendEntry(entry(u"c", u"d"));
        QVERIFY(commands.saveTo(false));
        const QStringList errors = m_prompts->texts(FakePrompts::Kind::Error);
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors.constFirst().startsWith(QStringLiteral("Ne eblis certigi la konservon de « %1 » :")
                                                   .arg(path(QStringLiteral("nuna.zenv")))));
        QVERIFY(errors.constFirst().contains(QStringLiteral("eraro de la aparato (enigo/eligo)")));
        // The file is this window's own now: the next save asks nothing about another program.
        m_store->appendEntry(entry(u"e", u"f"));
        QVERIFY(commands.saveTo(false));
        QCOMPARE(m_prompts->shown().size(), 1);
    }

    void saveAsThatFailsLeavesTheDataSetAsItWas()
    {
        loadDataSet(QStringLiteral("nuna.zenv"), {entry(u"a", u"b", 3, 2), entry(u"c", u"d", 1, 1)});
        const std::vector<WordEntry> before = m_store->entries();
        m_files.queue(path(QStringLiteral("nenie/nova.zenv")));
        m_prompts->queueYes(); // back to box 1
        m_prompts->queueYes(); // sort by category
        m_commands->saveAs();
        QCOMPARE(m_prompts->texts(FakePrompts::Kind::Error).size(), 1);
        QCOMPARE(toQString(m_store->dataPath()), path(QStringLiteral("nuna.zenv")));
        QVERIFY(m_store->entries() == before);
        // The next save writes the boxes earned, not the reset ones.
        m_commands->save();
        QByteArray saved = fileBytes(path(QStringLiteral("nuna.zenv")));
        QVERIFY(saved.contains(utf16(QStringLiteral("a;b;3;")).mid(2)));
    }

    void newIntoAFolderThatCannotHoldItChangesNothing()
    {
        loadDataSet(QStringLiteral("nuna.zenv"), {entry(u"a", u"b")});
        m_files.queue(path(QStringLiteral("nenie/nova")));
        QVERIFY(!m_commands->newDataSet());
        QCOMPARE(m_prompts->texts(FakePrompts::Kind::Error).size(), 1);
        QCOMPARE(m_store->count(), 1);
        QCOMPARE(toQString(m_store->dataPath()), path(QStringLiteral("nuna.zenv")));
        QVERIFY(m_recent.paths().isEmpty());
    }

    void anEmptyDataSetKeepsItsNamesThroughTheCommands()
    {
        // Exit, Open recent and New save an empty data set too: the names are all it holds.
        const QByteArray named = utf16(QStringLiteral("0\r\n#Franca;Esperanto;Bestoj;;;;;;;;;;;;\r\n"));
        loadDataSet(QStringLiteral("malplena.zenv"), {});
        for (const auto& command : std::vector<std::function<void()>>{[&] { QVERIFY(m_commands->exit()); },
                                                                      [&] { m_commands->openRecent(0); },
                                                                      [&] {
                                                                          m_files.queueCancel();
                                                                          m_commands->newDataSet();
                                                                      }}) {
            m_recent.add(path(QStringLiteral("malplena.zenv")));
            QFile::remove(path(QStringLiteral("malplena.zenv")));
            m_store->setListName1(u"Franca");
            m_store->setListName2(u"Esperanto");
            m_store->setCategoryName(1, u"Bestoj");
            command();
            QCOMPARE(fileBytes(path(QStringLiteral("malplena.zenv"))), named);
        }
    }

    void aSecondWindowsSaveIsNotOverwrittenWithoutAQuestion()
    {
        loadDataSet(QStringLiteral("komuna.zenv"), {entry(u"a", u"b")});
        m_store->clearEntries(CWordStore::AfterClear::NoDataSet);
        m_recent.add(path(QStringLiteral("komuna.zenv")));
        QVERIFY(m_commands->openRecent(0));

        // Another window opens the same data set, is warned, adds an entry and saves.
        CWordStore otherStore(today, toText(m_folder.path()));
        FakePrompts otherPrompts;
        DataSetCommands other(otherStore, otherPrompts, m_files, m_recent, m_clock, fileSystem);
        QVERIFY(other.openRecent(0));
        QCOMPARE(otherPrompts.texts(FakePrompts::Kind::Warning).size(), 1);
        otherStore.appendEntry(entry(u"c", u"d"));
        QVERIFY(other.saveTo(false));
        const QByteArray theirs = fileBytes(path(QStringLiteral("komuna.zenv")));

        // This window asks before writing over it; No twice leaves the file as the other one saved it.
        m_prompts->queueNo();
        m_prompts->queueNo();
        QVERIFY(!m_commands->saveTo(false));
        QCOMPARE(fileBytes(path(QStringLiteral("komuna.zenv"))), theirs);
        m_prompts->queueYes();
        QVERIFY(m_commands->saveTo(false));
        QVERIFY(fileBytes(path(QStringLiteral("komuna.zenv"))) != theirs);
    }

    void aTextFileNamedOnTheCommandLineIsImported()
    {
        loadDataSet(QStringLiteral("Listo.zenv"), {entry(u"lernita", u"learned", 4)});
        const QByteArray earned = fileBytes(path(QStringLiteral("Listo.zenv")));
        m_store->clearEntries(CWordStore::AfterClear::NoDataSet);
        writeFile(path(QStringLiteral("Listo.txt")), minimalImport.toUtf8());

        m_prompts->queueNo(); // an existing data set of that name is replaced only on Yes
        QVERIFY(!m_commands->openPath(path(QStringLiteral("Listo.txt"))));
        QCOMPARE(fileBytes(path(QStringLiteral("Listo.zenv"))), earned);
        m_prompts->queueYes();
        QVERIFY(m_commands->openPath(path(QStringLiteral("Listo.txt"))));
        QCOMPARE(m_store->count(), 3);
        QCOMPARE(toQString(m_store->dataTitle()), QStringLiteral("Listo"));
        QCOMPARE(toQString(m_store->dataPath()), path(QStringLiteral("Listo.zenv")));
        QVERIFY(QFile::exists(path(QStringLiteral("Listo_sav.zenv"))));
        QVERIFY(!QFile::exists(path(QStringLiteral("List_sav.zenv"))));
        QVERIFY(m_commands->exit());
        QCOMPARE(fileBytes(path(QStringLiteral("Listo.txt"))), minimalImport.toUtf8());
    }

    void savingAnEmptyDataSetDoesNothing()
    {
        loadDataSet(QStringLiteral("malplena.zenv"), {});
        QFile::remove(path(QStringLiteral("malplena.zenv")));
        m_commands->save();
        m_commands->saveAs(); // no chooser opens
        QVERIFY(!QFile::exists(path(QStringLiteral("malplena.zenv"))));
    }

    void recentFilesKeepSixShortenedForTheMenu()
    {
        RecentFileList list;
        for (int i = 1; i <= 8; ++i)
            list.add(QStringLiteral("/d/%1.zenv").arg(i));
        list.add(list.paths()[3]); // one of its own entries, "/d/5.zenv"
        QCOMPARE(list.paths(), (QStringList{QStringLiteral("/d/5.zenv"), QStringLiteral("/d/8.zenv"),
                                            QStringLiteral("/d/7.zenv"), QStringLiteral("/d/6.zenv"),
                                            QStringLiteral("/d/4.zenv"), QStringLiteral("/d/3.zenv")}));
        QCOMPARE(
            RecentFileList::shortened(QStringLiteral("/home/lernanto/Dokumentoj/Zenvalaro/Vortaro.zenv")),
            QStringLiteral("/.../Zenvalaro/Vortaro.zenv"));
        QCOMPARE(RecentFileList::shortened(QStringLiteral("/d/Vortaro.zenv")),
                 QStringLiteral("/d/Vortaro.zenv"));
        const QString longName =
            QStringLiteral("/d/") + QString(40, QLatin1Char('x')) + QStringLiteral(".zenv");
        QCOMPARE(RecentFileList::shortened(longName),
                 QString(40, QLatin1Char('x')) + QStringLiteral(".zenv"));
    }
};

QTEST_MAIN(DataSetCommandsTest)
#include "DataSetCommandsTest.moc"
