#include "CDlg_Modifu.h"

#include "CGridCtrl.h"
#include "CMainFrame.h"
#include "CWordStore.h"
#include "DataSetFile.h"
#include "Entries.h"
#include "FakePrompts.h"
#include "FakeServices.h"
#include "Messages.h"
#include "ModalDialogs.h"
#include "TestFileSystem.h"
#include "QtPrompts.h"
#include "QtText.h"
#include "RecentFileList.h"
#include "Typing.h"
#include "Widgets.h"
#include "ZenvaloSettings.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

const QString groupQuestion = QStringLiteral("Ĉu vi ja deziras forviŝi la tutan selektitan grupon ?");
const QString rowQuestion = QStringLiteral("Ĉu vi ja deziras forviŝi tiun vorton ?");
const QString confirmQuestion = QStringLiteral("Ĉu vi ja deziras konservi la modifojn ?");

WordEntry entry(std::u16string text1, std::u16string text2, int box1, int box2, int category,
                CalendarDate date1 = {1, 1, 2015}, CalendarDate date2 = {2, 2, 2015})
{
    return makeEntry(
        std::move(text1), std::move(text2),
        {.box1 = box1, .box2 = box2, .category = category, .answered1 = date1, .answered2 = date2});
}

// Eight entries; "n" is found in five of them (Chien, Lentille, Chaton, Pain, Soleil and their
// partners), "Kat" in two. Categories 1 and 3 are named, 2 is not.
void fillStore(CWordStore& store)
{
    store.clearEntries(CWordStore::AfterClear::EmptyDataSet);
    store.setListName1(u"Franca");
    store.setListName2(u"Esperanto");
    store.setCategoryName(1, u"Bestoj");
    store.setCategoryName(3, u"Manĝaĵoj");
    store.appendEntry(entry(u"Chat", u"Kato", 0, 1, 1, {3, 1, 2015}, {4, 2, 2015}));
    store.appendEntry(entry(u"Chien", u"Hundo", 2, 0, 1, {5, 1, 2015}, {6, 2, 2015}));
    store.appendEntry(entry(u"Lentille (optique)", u"Lenso", 4, 3, 0, {7, 1, 2015}, {8, 2, 2015}));
    store.appendEntry(entry(u"Chaton", u"Katido", 0, 0, 2));
    store.appendEntry(entry(u"Oiseau", u"Birdo", 1, 1, 0));
    store.appendEntry(entry(u"Pain", u"Pano", 0, 5, 3));
    store.appendEntry(entry(u"Cheval", u"Ĉevalo", 3, 2, 12)); // a category only a hand-edited file holds
    store.appendEntry(entry(u"Soleil", u"Suno", 0, 0, 0));
}

QColor rgb(int red, int green, int blue)
{
    return QColor(red, green, blue);
}

} // namespace

// The modify dialog driven by keys and clicks, its results read from the store afterwards.
class CDlg_ModifuTest final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CWordStore> m_store;
    std::unique_ptr<FakePrompts> m_prompts;
    std::unique_ptr<CDlg_Modifu> m_dialog;

    template <typename Widget> Widget* child(const char* name) const
    {
        return ::child<Widget>(m_dialog.get(), name);
    }
    CGridCtrl* grid() const { return child<CGridCtrl>("entriesGrid"); }
    QTableView* view() const { return grid()->tableView(); }
    QLineEdit* search() const { return child<QLineEdit>("searchLineEdit"); }
    QColor searchColour() const { return search()->palette().color(QPalette::Base); }
    QString matchCount() const { return child<QLabel>("matchCountLabel")->text(); }
    void press(const char* button) const { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }

    void open()
    {
        m_dialog = std::make_unique<CDlg_Modifu>(*m_store, *m_prompts);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
        QTRY_VERIFY(search()->hasFocus());
    }

    QPoint cellCentre(int row, int column) const
    {
        grid()->ensureVisible(row, column);
        return view()->visualRect(grid()->model()->index(row - 1, column)).center();
    }
    void click(int row, int column, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, modifiers, cellCentre(row, column));
    }
    void clickHeader(int column) const
    {
        QHeaderView* header = view()->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }
    // Clicks a cell and types over its text, as a user does: the first key opens the editor.
    void typeIntoCell(int row, int column, const QString& text) const
    {
        click(row, column);
        for (const QChar c : text)
            typeText(QApplication::focusWidget(), QString(c));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    QStringList rowTexts(int row) const
    {
        QStringList texts;
        for (int column = 0; column < 4; ++column)
            texts.append(grid()->cellText(row, column));
        return texts;
    }
    QList<int> selectedRows() const
    {
        QList<int> rows;
        for (int row = 1; row < grid()->rowCount(); ++row) {
            for (int column = 0; column < 4; ++column) {
                if (grid()->isCellSelected(row, column)) {
                    rows.append(row);
                    break;
                }
            }
        }
        return rows;
    }
    QStringList storedTexts1() const
    {
        QStringList texts;
        for (const WordEntry& e : m_store->entries())
            texts.append(toQString(e.text1));
        return texts;
    }
    void confirmWithYes()
    {
        m_prompts->queueYes();
        press("confirmButton");
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(m_prompts->texts(FakePrompts::Kind::Question).last(), confirmQuestion);
    }

private slots:
    void init()
    {
        m_store = std::make_unique<CWordStore>(CalendarDate{10, 3, 2016}, u"");
        fillStore(*m_store);
        m_prompts = std::make_unique<FakePrompts>();
    }

    void cleanup()
    {
        m_dialog.reset();
        m_prompts->checkAllAnswersUsed();
    }

    void opensWithTheEntriesTheirBoxesAndCategoryColours()
    {
        open();
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Modifo"));
        QCOMPARE(grid()->rowCount(), 9);
        QCOMPARE(grid()->columnCount(), 4);
        QCOMPARE(rowTexts(0), (QStringList{QStringLiteral("Franca"), QStringLiteral("Skatolo"),
                                           QStringLiteral("Esperanto"), QStringLiteral("Skatolo")}));
        QCOMPARE(rowTexts(2), (QStringList{QStringLiteral("Chien"), QStringLiteral("3"),
                                           QStringLiteral("Hundo"), QStringLiteral("1")}));
        QCOMPARE(grid()->cellText(6, 3), QStringLiteral("6"));
        QCOMPARE(grid()->cellBackground(1, 3), rgb(0, 255, 0));
        QCOMPARE(grid()->cellBackground(4, 0), rgb(220, 255, 0));
        QCOMPARE(grid()->cellBackground(3, 2), rgb(255, 255, 255));
        QVERIFY(!grid()->cellBackground(7, 0).isValid()); // category 12: the grid's own colour
        QCOMPARE(child<QLabel>("counterLabel")->text(), QStringLiteral("8 vortoj"));
        QCOMPARE(searchColour(), rgb(255, 255, 255));
        QVERIFY(matchCount().isEmpty());

        // The wide list columns take three times the box columns, all in view without scrolling.
        QCOMPARE(grid()->columnWidth(0), grid()->columnWidth(2));
        QCOMPARE(grid()->columnWidth(1), grid()->columnWidth(3));
        QVERIFY(qAbs(grid()->columnWidth(0) - 3 * grid()->columnWidth(1)) <= 2);
        QVERIFY(!view()->horizontalScrollBar()->isVisible());

        // Only named categories are listed, each standing for its own number.
        QComboBox* categories = child<QComboBox>("categoryComboBox");
        QCOMPARE(categories->count(), 3);
        QCOMPARE(categories->itemText(0), QStringLiteral("_________"));
        QCOMPARE(categories->itemText(1), QStringLiteral("Bestoj"));
        QCOMPARE(categories->itemText(2), QStringLiteral("Manĝaĵoj"));
        QCOMPARE(categories->currentIndex(), 0);
    }

    void counterSaysVortoForOneEntry()
    {
        m_store->clearEntries(CWordStore::AfterClear::EmptyDataSet);
        m_store->appendEntry(entry(u"Chat", u"Kato", 0, 0, 0));
        open();
        QCOMPARE(child<QLabel>("counterLabel")->text(), QStringLiteral("1 vorto"));
        QCOMPARE(grid()->rowCount(), 2);
    }

    void searchFindsTheStoredTextsOfRowsStillHoldingBothTexts()
    {
        open();
        typeIntoCell(1, 2, QStringLiteral("Tigro"));
        QCOMPARE(grid()->cellText(1, 2), QStringLiteral("Tigro"));
        search()->setFocus();
        typeText(search(), QStringLiteral("Tigro"));
        QCOMPARE(searchColour(), rgb(255, 150, 150));
        retypeText(search(), QStringLiteral("Kato"));
        QCOMPARE(searchColour(), rgb(20, 255, 20));

        // A row emptied by the grid's Delete key no longer counts.
        click(3, 0);
        QTest::keyClick(view(), Qt::Key_Delete);
        search()->setFocus();
        retypeText(search(), QStringLiteral("n"));
        QCOMPARE(matchCount(), QStringLiteral("4"));
    }

    void findNextSelectsTheNextMatchingRowAndPassesOverDeletedOnes()
    {
        open();
        typeText(search(), QStringLiteral("n"));
        QTest::keyClick(search(), Qt::Key_Return);
        QCOMPARE(selectedRows(), QList<int>{2});
        QVERIFY(grid()->isCellSelected(2, 0) && grid()->isCellSelected(2, 3));
        press("findNextButton");
        QCOMPARE(selectedRows(), QList<int>{3});
        QTRY_VERIFY(search()->hasFocus());

        // A row deleted in the grid is passed over; typing again starts from the first entry.
        click(3, 2);
        QTest::keyClick(view(), Qt::Key_Delete);
        search()->setFocus();
        retypeText(search(), QStringLiteral("n"));
        press("findNextButton");
        press("findNextButton");
        QCOMPARE(selectedRows(), QList<int>{4});
        QVERIFY(m_prompts->shown().isEmpty());
    }

    void foriguOnThreeRowsAnsweredYesEmptiesThemAll()
    {
        open();
        click(2, 1);
        click(4, 1, Qt::ShiftModifier);
        m_prompts->queueYes();
        press("deleteButton");
        QCOMPARE(m_prompts->texts(FakePrompts::Kind::QuestionDefaultNo), QStringList{groupQuestion});
        for (const int row : {2, 3, 4})
            QCOMPARE(rowTexts(row), QStringList(4));
        QCOMPARE(grid()->cellText(5, 0), QStringLiteral("Oiseau"));
        QVERIFY(selectedRows().isEmpty());
        QCOMPARE(m_store->count(), 8); // nothing written yet

        confirmWithYes();
        QCOMPARE(storedTexts1(),
                 (QStringList{QStringLiteral("Chat"), QStringLiteral("Oiseau"), QStringLiteral("Pain"),
                              QStringLiteral("Cheval"), QStringLiteral("Soleil")}));
    }

    void foriguOnOneRowAsksOnlyAboutThatRow()
    {
        open();
        click(5, 2);
        m_prompts->queueYes();
        press("deleteButton");
        QCOMPARE(m_prompts->texts(FakePrompts::Kind::QuestionDefaultNo), QStringList{rowQuestion});
        QCOMPARE(rowTexts(5), QStringList(4));

        // Nothing selected: nothing asked.
        press("deleteButton");
        QCOMPARE(m_prompts->shown().size(), 1);
    }

    void wholeColumnExchangedAndConfirmedExchangesTextsBoxesAndDates()
    {
        const std::vector<WordEntry> before = m_store->entries();
        open();
        clickHeader(2);
        QCOMPARE(grid()->selectedRange(), (CellRange{1, 2, 8, 2}));
        press("exchangeButton");
        QCOMPARE(rowTexts(1), (QStringList{QStringLiteral("Kato"), QStringLiteral("2"),
                                           QStringLiteral("Chat"), QStringLiteral("1")}));
        QCOMPARE(rowTexts(0)[0], QStringLiteral("Franca")); // the header stays
        QCOMPARE(selectedRows().size(), 8);
        confirmWithYes();
        QCOMPARE(m_store->count(), 8);
        for (std::size_t e = 0; e < before.size(); ++e) {
            const WordEntry& was = before[e];
            const WordEntry& now = m_store->entry(e);
            QCOMPARE(toQString(now.text1), toQString(was.text2));
            QCOMPARE(toQString(now.text2), toQString(was.text1));
            QCOMPARE(now.box1, was.box2);
            QCOMPARE(now.box2, was.box1);
            QCOMPARE(now.answerDate(1), was.answerDate(2));
            QCOMPARE(now.answerDate(2), was.answerDate(1));
            QCOMPARE(now.category, was.category);
        }
    }

    void exchangedTwiceOrCancelledChangesNothing()
    {
        const std::vector<WordEntry> before = m_store->entries();
        open();
        clickHeader(0);
        press("exchangeButton");
        press("exchangeButton");
        QCOMPARE(rowTexts(1), (QStringList{QStringLiteral("Chat"), QStringLiteral("1"),
                                           QStringLiteral("Kato"), QStringLiteral("2")}));
        confirmWithYes();
        QVERIFY(m_store->entries() == before);

        open();
        clickHeader(0);
        press("exchangeButton");
        press("cancelButton");
        QVERIFY(!m_dialog->isVisible());
        QVERIFY(m_store->entries() == before);
    }

    void appliedCategoryFollowsItsEntryPastDeletedRows()
    {
        open();
        QComboBox* categories = child<QComboBox>("categoryComboBox");
        click(3, 0);
        categories->setCurrentIndex(2); // "Manĝaĵoj", category 3
        press("applyButton");
        QCOMPARE(grid()->cellBackground(3, 0), rgb(0, 250, 255));
        QCOMPARE(grid()->cellBackground(3, 3), rgb(0, 250, 255));
        QVERIFY(selectedRows().isEmpty());

        click(1, 0);
        click(2, 0, Qt::ControlModifier);
        categories->setCurrentIndex(0); // "_________" takes the category away
        press("applyButton");
        QCOMPARE(grid()->cellBackground(2, 1), rgb(255, 255, 255));

        click(1, 0);
        m_prompts->queueYes();
        press("deleteButton");
        confirmWithYes();
        QCOMPARE(storedTexts1().first(), QStringLiteral("Chien"));
        QCOMPARE(m_store->entry(0).category, 0);
        QCOMPARE(m_store->entry(1).category, 3);
        QCOMPARE(m_store->entry(1).answerDate(1), (CalendarDate{7, 1, 2015}));
        QCOMPARE(m_store->entry(2).category, 2);
    }

    void unstorableTextsAreRefusedWhereTheyAreTypedOrPasted()
    {
        open();
        typeIntoCell(2, 0, QStringLiteral("Chien;Hundo"));
        QCOMPARE(grid()->cellText(2, 0), QStringLiteral("Chien"));
        QCOMPARE(m_prompts->texts(FakePrompts::Kind::Warning), QStringList{Messages::unstorableText()});

        QApplication::clipboard()->setText(QStringLiteral("Pomo;Pomme\tPomo"));
        click(3, 0);
        QTest::keyClick(view(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(grid()->cellText(3, 0), QStringLiteral("Lentille (optique)"));
        QCOMPARE(grid()->cellText(3, 1), QStringLiteral("Pomo"));
        QCOMPARE(m_prompts->texts(FakePrompts::Kind::Warning).size(), 2);

        confirmWithYes();
        QCOMPARE(toQString(m_store->entry(1).text1), QStringLiteral("Chien"));
    }

    void refusalInARealMessageBoxClosesTheEditorCleanly()
    {
        // The warning box opens while the editor is being closed by Enter; the edit must end once,
        // with the old text back and the grid ready for the next key.
        QtPrompts prompts;
        m_dialog = std::make_unique<CDlg_Modifu>(*m_store, prompts);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
        QString warning;
        onNextModalDialog([&](QDialog* shown) {
            if (auto* box = qobject_cast<QMessageBox*>(shown)) {
                warning = box->text();
                box->accept();
            }
        });
        typeIntoCell(2, 2, QStringLiteral("a;b"));
        QTRY_COMPARE(warning, Messages::unstorableText());
        QTRY_VERIFY(!view()->findChild<QLineEdit*>(QStringLiteral("cellLineEdit")) ||
                    !view()->findChild<QLineEdit*>(QStringLiteral("cellLineEdit"))->isVisible());
        QCOMPARE(grid()->cellText(2, 2), QStringLiteral("Hundo"));
        QVERIFY(m_dialog->isVisible());
        // The window manager hands the activation back to the dialog; the offscreen platform does not.
        m_dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
        typeIntoCell(2, 2, QStringLiteral("Hundeto"));
        QCOMPARE(grid()->cellText(2, 2), QStringLiteral("Hundeto"));
    }

    void boxCellsAreReadAsTheNumberTheyBeginWith()
    {
        open();
        typeIntoCell(1, 1, QStringLiteral("7"));
        typeIntoCell(1, 3, QStringLiteral("abc"));
        typeIntoCell(2, 1, QStringLiteral("-3"));
        click(2, 3);
        QTest::keyClick(view(), Qt::Key_Delete);
        confirmWithYes();
        QCOMPARE(m_store->entry(0).box1, 6);
        QCOMPARE(m_store->entry(0).box2, 0);
        QCOMPARE(m_store->entry(1).box1, 0);
        QCOMPARE(m_store->entry(1).box2, 0);
        QCOMPARE(m_store->entry(2).box1, 4);
    }

    void konfirmuAnsweredNoOrEscapeLeavesTheStoreAsItWas()
    {
        const std::vector<WordEntry> before = m_store->entries();
        open();
        typeIntoCell(1, 0, QStringLiteral("Tigro"));
        m_prompts->queueNo();
        press("confirmButton");
        QVERIFY(!m_dialog->isVisible());
        QVERIFY(m_store->entries() == before);

        open();
        typeIntoCell(1, 0, QStringLiteral("Tigro"));
        QTest::keyClick(view(), Qt::Key_Escape);
        QVERIFY(!m_dialog->isVisible());
        QVERIFY(m_store->entries() == before);
    }

    void mainWindowOpensItWithEntriesAndSavesAfterIt()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("vortoj.zenv"));
        m_store->setDataPath(toText(path));
        FakeFileChooser files;
        FakeClock clock;
        FakeBeeper beeper;
        FakeSpeechEngine speech;
        ZenvaloSettings settings(fileSystem, folder.filePath(QStringLiteral("settings.ini")));
        RecentFileList recentFiles;
        CMainFrame frame(
            {*m_store, *m_prompts, files, clock, settings, recentFiles, beeper, speech, fileSystem});
        frame.updateCommands();
        QAction* modify = frame.findChild<QAction*>(QStringLiteral("modifyAction"));
        QVERIFY(modify->isEnabled());

        bool opened = false;
        onNextModalDialog([&](QDialog* shown) {
            opened = qobject_cast<CDlg_Modifu*>(shown) != nullptr;
            auto* entries = shown->findChild<CGridCtrl*>(QStringLiteral("entriesGrid"));
            entries->setSelectedRange(1, 0, 1, 3);
            m_prompts->queueYes();
            QTest::mouseClick(shown->findChild<QPushButton*>(QStringLiteral("deleteButton")), Qt::LeftButton);
            m_prompts->queueYes();
            QTest::mouseClick(shown->findChild<QPushButton*>(QStringLiteral("confirmButton")),
                              Qt::LeftButton);
        });
        modify->trigger();
        QVERIFY(opened);
        CWordStore reread({10, 3, 2016}, u"");
        QVERIFY(static_cast<bool>(readDataSet(fileSystem, reread, toText(path))));
        QCOMPARE(reread.count(), 7);
        QCOMPARE(toQString(reread.entry(0).text1), QStringLiteral("Chien"));

        // Without entries the command is neither offered nor run.
        m_store->clearEntries(CWordStore::AfterClear::EmptyDataSet);
        frame.updateCommands();
        QVERIFY(!modify->isEnabled());
    }
};

QTEST_MAIN(CDlg_ModifuTest)
#include "CDlg_ModifuTest.moc"
