#include "CMainFrame.h"
#include "CWordStore.h"
#include "CZenvaloView.h"
#include "DataSetFile.h"
#include "FakePrompts.h"
#include "FakeServices.h"
#include "ModalDialogs.h"
#include "TestFileSystem.h"
#include "QtText.h"
#include "RecentFileList.h"
#include "Typing.h"
#include "ZenvaloSettings.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QAccessible>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

namespace {

const CalendarDate today{10, 3, 2016};

} // namespace

// The main window as a user meets it: menus, enabling, the view, and the files after each command.
class CMainFrameTest final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    std::unique_ptr<CWordStore> m_store;
    std::unique_ptr<FakePrompts> m_prompts;
    FakeFileChooser m_files;
    FakeClock m_clock{today};
    FakeBeeper m_beeper;
    FakeSpeechEngine m_speech;
    std::unique_ptr<ZenvaloSettings> m_settings;
    std::unique_ptr<RecentFileList> m_recent;
    std::unique_ptr<CMainFrame> m_frame;

    QString path(const QString& name) const { return m_folder.filePath(name); }
    QAction* action(const char* name) const
    {
        auto* found = m_frame->findChild<QAction*>(QString::fromLatin1(name));
        if (found == nullptr)
            qFatal("no action %s", name);
        return found;
    }
    QStringList enabledCommands() const
    {
        QStringList names;
        for (const char* name : {"customiseAction", "addAction", "completeAction", "modifyAction",
                                 "trainAction", "matchingAction", "statisticsAction"})
            if (action(name)->isEnabled())
                names.append(QString::fromLatin1(name));
        return names;
    }
    void newDataSet(const QString& name)
    {
        m_files.queue(path(name));
        action("newAction")->trigger();
    }
    void addEntries(int count)
    {
        for (int i = 0; i < count; ++i) {
            WordEntry entry;
            entry.text1 = toText(QStringLiteral("vorto %1").arg(i));
            entry.text2 = u"word";
            entry.setBothAnswerDates({1, 1, 2015});
            m_store->appendEntry(entry);
        }
        m_frame->updateCommands();
    }

private slots:
    void init()
    {
        QVERIFY(m_folder.isValid());
        m_store = std::make_unique<CWordStore>(today, toText(m_folder.path()));
        m_prompts = std::make_unique<FakePrompts>();
        m_files = FakeFileChooser();
        m_settings = std::make_unique<ZenvaloSettings>(fileSystem, path(QStringLiteral("settings.ini")));
        m_recent = std::make_unique<RecentFileList>(m_settings->recentFiles());
        const AppContext context{*m_store,  *m_prompts, m_files,  m_clock,   *m_settings,
                                 *m_recent, m_beeper,   m_speech, fileSystem};
        m_frame = std::make_unique<CMainFrame>(context);
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    }

    void cleanup()
    {
        m_frame.reset();
        m_settings.reset(); // written out now, before its file is removed
        m_prompts->checkAllAnswersUsed();
        QCOMPARE(m_files.pending(), 0);
        for (const QString& name : QDir(m_folder.path()).entryList(QDir::Files))
            QFile::remove(path(name));
    }

    void commandsAreEnabledByTheSizeOfTheDataSet()
    {
        QCOMPARE(enabledCommands(), QStringList());
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("Zenvalo"));
        newDataSet(QStringLiteral("Vortaro"));
        QCOMPARE(enabledCommands(),
                 (QStringList{QStringLiteral("customiseAction"), QStringLiteral("addAction"),
                              QStringLiteral("completeAction")}));
        addEntries(1);
        QCOMPARE(enabledCommands().size(), 6);
        QVERIFY(!action("matchingAction")->isEnabled());
        addEntries(2);
        QVERIFY(action("matchingAction")->isEnabled());
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("Zenvalo")); // never the data set's name

        // A disabled command's shortcut does nothing: no dialog opens for Ctrl+T without entries.
        // The shortcut would run its command, and so the dialog's exec, within the key press itself.
        m_store->clearEntries(CWordStore::AfterClear::EmptyDataSet);
        m_frame->updateCommands();
        QVERIFY(!action("trainAction")->isEnabled());
        QSignalSpy triggered(action("trainAction"), &QAction::triggered);
        bool opened = false;
        const QPointer<QObject> watch = onNextModalDialog(
            [&](QDialog* dialog) {
                opened = true;
                dialog->reject();
            },
            0);
        QTest::keyClick(m_frame.get(), Qt::Key_T, Qt::ControlModifier);
        QTRY_VERIFY(watch.isNull());
        QCOMPARE(triggered.count(), 0);
        QVERIFY(!opened);
    }

    void theViewShowsNameSizeAndDate()
    {
        QCOMPARE(CZenvaloView::sizeText(-1), QString());
        QCOMPARE(CZenvaloView::sizeText(0), QStringLiteral("0 vorto"));
        QCOMPARE(CZenvaloView::sizeText(1), QStringLiteral("1 vorto"));
        QCOMPARE(CZenvaloView::sizeText(2), QStringLiteral("2 vortoj"));
        newDataSet(QStringLiteral("Vortaro"));
        QCOMPARE(toQString(m_store->dataTitle()), QStringLiteral("Vortaro"));
        QCOMPARE(toQString(m_store->todayText()), QStringLiteral("10/03/2016"));

        // The same texts for a screen reader, and a name for every toolbar button.
        addEntries(2);
        auto* view = m_frame->findChild<CZenvaloView*>(QStringLiteral("zenvaloView"));
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(view);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Vortaro"));
        QCOMPARE(accessible->text(QAccessible::Description), QStringLiteral("2 vortoj, 10/03/2016"));
        for (QToolButton* button : m_frame->findChildren<QToolButton*>())
            if (button->isVisible() &&
                !button->objectName().startsWith(QStringLiteral("qt_"))) // not Qt's own
                QVERIFY2(!QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name).isEmpty(),
                         qPrintable(button->objectName()));
    }

    void recentFilesAreKeptInTheSettings()
    {
        newDataSet(QStringLiteral("unua"));
        newDataSet(QStringLiteral("dua"));
        ZenvaloSettings reread(fileSystem, path(QStringLiteral("settings.ini")));
        QCOMPARE(reread.recentFiles(),
                 (QStringList{path(QStringLiteral("dua.zenv")), path(QStringLiteral("unua.zenv"))}));
        QCOMPARE(reread.look(), ZenvaloSettings::defaultLook);
        QCOMPARE(action("recentFileAction1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_I));
        QVERIFY(action("recentFileAction2")->text().endsWith(QStringLiteral("unua.zenv")));

        // Ctrl+I reopens the most recent one, after saving the empty data set with its new name.
        m_store->setListName1(u"ŝanĝita");
        QTest::keyClick(m_frame.get(), Qt::Key_I, Qt::ControlModifier);
        QCOMPARE(toQString(m_store->listName1()), QStringLiteral("ŝanĝita"));
        QCOMPARE(m_recent->paths(),
                 (QStringList{path(QStringLiteral("dua.zenv")), path(QStringLiteral("unua.zenv"))}));
        QVERIFY(QFile::exists(path(QStringLiteral("dua_sav.zenv"))));
    }

    void closingTheWindowSavesLikeExit()
    {
        newDataSet(QStringLiteral("Vortaro"));
        addEntries(2);
        m_store->setListName1(u"Franca");
        m_frame->close();
        CWordStore reread(today, u"");
        QVERIFY(readDataSet(fileSystem, reread, toText(path(QStringLiteral("Vortaro.zenv")))));
        QCOMPARE(reread.count(), 2);
        QCOMPARE(toQString(reread.listName1()), QStringLiteral("Franca"));
    }

    void aDrillFromTheMenuIsOnDiskWhenTheDialogCloses()
    {
        newDataSet(QStringLiteral("Trejno"));
        addEntries(2);
        bool drilled = false;
        onNextModalDialog([&](QDialog* dialog) {
            auto* forward = dialog->findChild<QPushButton*>(QStringLiteral("stepForwardButton"));
            QTest::mouseClick(forward, Qt::LeftButton);
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("showButton")), Qt::LeftButton);
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("rightButton")), Qt::LeftButton);
            QTest::keyClick(dialog, Qt::Key_Escape); // any way out saves
            drilled = true;
        });
        action("trainAction")->trigger();
        QVERIFY(drilled);
        CWordStore reread(today, u"");
        QVERIFY(readDataSet(fileSystem, reread, toText(path(QStringLiteral("Trejno.zenv")))));
        QCOMPARE(reread.entry(0).box1, 1);
        QVERIFY(reread.entry(0).answerDate(1) == today);
    }

    void wordsAddedFromTheMenuAreOnDisk()
    {
        newDataSet(QStringLiteral("Aldono"));
        bool added = false;
        onNextModalDialog([&](QDialog* dialog) {
            auto* list1 = dialog->findChild<QLineEdit*>(QStringLiteral("list1LineEdit"));
            auto* list2 = dialog->findChild<QLineEdit*>(QStringLiteral("list2LineEdit"));
            list1->setFocus();
            typeText(list1, QStringLiteral("manĝi"));
            list2->setFocus();
            typeText(list2, QStringLiteral("manger"));
            QTest::keyClick(list2, Qt::Key_F1);
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("exitButton")), Qt::LeftButton);
            added = true;
        });
        QTest::keyClick(m_frame.get(), Qt::Key_A, Qt::ControlModifier);
        QVERIFY(added);
        CWordStore reread(today, u"");
        QVERIFY(readDataSet(fileSystem, reread, toText(path(QStringLiteral("Aldono.zenv")))));
        QCOMPARE(reread.count(), 1);
        QCOMPARE(toQString(reread.entry(0).text1), QStringLiteral("manĝi"));
    }

    void selectedEntriesOfAFriendsDataSetAreMergedAndSaved()
    {
        newDataSet(QStringLiteral("Mia"));
        m_store->setListName1(u"Franca");
        WordEntry held;
        held.text1 = u"Lentille";
        held.text2 = u"Lenso";
        m_store->appendEntry(held);
        {
            QFile friendFile(path(QStringLiteral("amiko.zenv")));
            QVERIFY(friendFile.open(QIODevice::WriteOnly));
            friendFile.write(
                QStringLiteral(
                    "\uFEFF4\r\n#Fremda;Lingvo;\r\nLentille (optique);Lenso;3;3;2016;1;1;2016;1;1;2;;\r\n"
                    "Chat;Kato;\r\nChien;Hundo;\r\nkato#;;\r\n")
                    .toUtf8()); // UTF-8 with its byte-order mark
        }
        m_files.queue(path(QStringLiteral("amiko"))); // ".zenv" is added to the chosen name
        QStringList headers;
        onNextModalDialog([&](QDialog* dialog) {
            auto* list = dialog->findChild<QTreeView*>(QStringLiteral("incomingTreeView"));
            const QAbstractItemModel* model = list->model();
            headers = {model->headerData(0, Qt::Horizontal).toString(),
                       model->headerData(1, Qt::Horizontal).toString()};
            QCOMPARE(model->rowCount(), 4);
            QVERIFY(list->selectionModel()->selectedRows().isEmpty());
            for (const int row : {0, 1})
                list->selectionModel()->select(model->index(row, 0),
                                               QItemSelectionModel::Select | QItemSelectionModel::Rows);
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("confirmButton")),
                              Qt::LeftButton);
        });
        action("completeAction")->trigger();
        QCOMPARE(headers, (QStringList{QStringLiteral("Franca"), QStringLiteral("Listo 2")}));
        // The pair already held is not merged again; "kato#" was not chosen and stays out.
        QCOMPARE(m_store->count(), 2);
        QCOMPARE(m_prompts->texts(FakePrompts::Kind::Information),
                 QStringList{QStringLiteral("1 vorto aldoniĝis; 1 vorto jam estis en la datumaro.")});
        QCOMPARE(toQString(m_store->entry(1).text1), QStringLiteral("Chat"));
        QVERIFY(m_store->entry(1).answerDate(2) == (CalendarDate{10, 3, 2015}));
        CWordStore reread(today, u"");
        QVERIFY(readDataSet(fileSystem, reread, toText(path(QStringLiteral("Mia.zenv")))));
        QCOMPARE(reread.count(), 2);

        // Cancelling merges and saves nothing.
        QFile::remove(path(QStringLiteral("Mia.zenv")));
        m_files.queue(path(QStringLiteral("amiko.zenv")));
        onNextModalDialog([](QDialog* dialog) { dialog->reject(); });
        action("completeAction")->trigger();
        QCOMPARE(m_store->count(), 2);
        QVERIFY(!QFile::exists(path(QStringLiteral("Mia.zenv"))));
    }
};

QTEST_MAIN(CMainFrameTest)
#include "CMainFrameTest.moc"
