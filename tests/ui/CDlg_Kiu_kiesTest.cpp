#include "CDlg_Kiu_kies.h"
#include "CGridCtrl.h"
#include "CWordStore.h"
#include "FakePrompts.h"
#include "QtText.h"
#include "ScriptedRandomSource.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QLabel>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QDateTime>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <memory>
#include <random>
#include <set>

namespace {

// Entries "a0"/"A0" ... with the given categories cycling.
CWordStore storeOf(int count, int categories = 1)
{
    CWordStore store({10, 3, 2016}, u"");
    store.clearEntries(CWordStore::AfterClear::EmptyDataSet);
    for (int i = 0; i < count; ++i) {
        WordEntry entry;
        entry.text1 = toText(QStringLiteral("w%1").arg(i, 2, 10, QLatin1Char('0')));
        entry.text2 = toText(QStringLiteral("v%1").arg(i, 2, 10, QLatin1Char('0')));
        entry.category = i % categories;
        store.appendEntry(entry);
    }
    return store;
}

// Distinct word-like list-1 texts, enough for the morphological order to take a few seconds.
CWordStore storeOfWords(int count)
{
    CWordStore store({10, 3, 2016}, u"");
    store.clearEntries(CWordStore::AfterClear::EmptyDataSet);
    std::mt19937 random(3);
    const std::u16string letters = u"bcĉdfgĝklmnprsŝtvzaeiouŭ";
    std::set<std::u16string> seen;
    while (static_cast<int>(seen.size()) < count) {
        std::u16string text;
        for (std::size_t i = 0, length = 5 + random() % 10; i < length; ++i)
            text += letters[random() % letters.size()];
        if (!seen.insert(text).second)
            continue;
        WordEntry entry;
        entry.text1 = text;
        entry.text2 = u"t" + text;
        store.appendEntry(entry);
    }
    return store;
}

} // namespace

// The matching game played as a user plays it: selecting rows, scrambling, dragging answers.
class CDlg_Kiu_kiesTest final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CWordStore> m_store;
    std::unique_ptr<FakePrompts> m_prompts;
    std::unique_ptr<ScriptedRandomSource> m_random;
    std::unique_ptr<CDlg_Kiu_kies> m_dialog;

    CGridCtrl* grid(const char* name) const
    {
        return m_dialog->findChild<CGridCtrl*>(QString::fromLatin1(name));
    }
    CGridCtrl* left() const { return grid("leftGrid"); }
    CGridCtrl* right() const { return grid("rightGrid"); }
    QPushButton* button(const char* name) const
    {
        return m_dialog->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QCheckBox* mark() const { return m_dialog->findChild<QCheckBox*>(QStringLiteral("markRightCheckBox")); }
    int score() const
    {
        return m_dialog->findChild<QProgressBar*>(QStringLiteral("scoreProgressBar"))->value();
    }

    void open(CWordStore store, std::vector<int> draws = {})
    {
        m_store = std::make_unique<CWordStore>(std::move(store));
        m_random = std::make_unique<ScriptedRandomSource>(std::move(draws));
        m_dialog = std::make_unique<CDlg_Kiu_kies>(*m_store, *m_prompts, *m_random);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    }
    // Selects grid rows first to last of the left grid and presses "Selektu".
    void selectRows(int first, int last)
    {
        left()->setSelectedRange(first, 0, last, 0);
        button("selectButton")->click();
    }
    // Drags the answer of one grid row onto another, as the view does, through the model.
    void drag(int from, int to)
    {
        QAbstractItemModel* model = right()->model();
        std::unique_ptr<QMimeData> data(model->mimeData({model->index(from - 1, 0)}));
        QVERIFY(data);
        model->dropMimeData(data.get(), Qt::MoveAction, -1, -1, model->index(to - 1, 0));
    }
    QStringList answers() const
    {
        QStringList texts;
        for (int row = 1; row <= m_dialog->exercise().rowCount(); ++row)
            texts.append(right()->cellText(row, 0));
        return texts;
    }
    // Plays until rows 1 to 3 are scrambled and shown.
    void startGameOfThree()
    {
        selectRows(1, 3);
        button("scrambleButton")->click();
        QCOMPARE(answers().size(), 3);
        QVERIFY(answers() !=
                (QStringList{QStringLiteral("v00"), QStringLiteral("v01"), QStringLiteral("v02")}));
    }

private slots:
    void init() { m_prompts = std::make_unique<FakePrompts>(); }
    void cleanup()
    {
        m_dialog.reset();
        m_prompts->checkAllAnswersUsed();
    }

    void gridsHaveRoomForEveryEntry()
    {
        open(storeOf(5));
        QCOMPARE(left()->rowCount(), 22);
        QCOMPARE(right()->rowCount(), 22);
        QCOMPARE(left()->cellText(0, 0), QStringLiteral("Listo 1"));
        QCOMPARE(left()->cellText(1, 0), QStringLiteral("w00"));
        QVERIFY(right()->cellText(1, 0).isEmpty());
        QVERIFY(!button("scrambleButton")->isEnabled());
        QVERIFY(!mark()->isEnabled());
        QVERIFY(m_dialog->findChild<QRadioButton*>(QStringLiteral("byCategoryRadioButton"))->isHidden());
        open(storeOf(30, 3));
        QCOMPARE(left()->rowCount(), 31);
        QVERIFY(!m_dialog->findChild<QRadioButton*>(QStringLiteral("byCategoryRadioButton"))->isHidden());
    }

    void selectingKeepsThreeToTwentyRowsForPlay()
    {
        open(storeOf(30));
        button("selectButton")->click(); // nothing selected
        selectRows(1, 2);
        QCOMPARE(m_prompts->texts(FakePrompts::Kind::Warning),
                 (QStringList{QStringLiteral("Bonvolu selekti almenaŭ tri liniojn"),
                              QStringLiteral("Bonvolu selekti almenaŭ tri liniojn")}));
        selectRows(1, 25);
        QCOMPARE(m_dialog->exercise().rowCount(), 25);
        QVERIFY(!button("scrambleButton")->isEnabled());
        QVERIFY(!mark()->isEnabled());
        QVERIFY(left()->cellText(26, 0).isEmpty());
        selectRows(3, 14);
        QCOMPARE(m_dialog->exercise().rowCount(), 12);
        QCOMPARE(left()->cellText(1, 0), QStringLiteral("w02"));
        QVERIFY(button("scrambleButton")->isEnabled());
        QVERIFY(mark()->isEnabled());
        QCOMPARE(score(), 0);
    }

    void draggingAnAnswerExchangesItAndColoursTheRightRows()
    {
        // These draws on the 10th of the month scramble three answers to the third, first, second.
        open(storeOf(5), {5, 0, 1, 4, 2, 7, 0, 3, 4});
        startGameOfThree();
        QCOMPARE(answers(),
                 (QStringList{QStringLiteral("v02"), QStringLiteral("v00"), QStringLiteral("v01")}));
        mark()->click();
        drag(2, 1); // the answer of row 1 onto row 1: the two exchange
        QCOMPARE(answers(),
                 (QStringList{QStringLiteral("v00"), QStringLiteral("v02"), QStringLiteral("v01")}));
        QCOMPARE(right()->cellBackground(1, 0), CDlg_Kiu_kies::justRightColour);
        QCOMPARE(right()->cellBackground(2, 0), QColor(Qt::white));
        QCOMPARE(right()->cellBackground(3, 0), QColor(Qt::white));
        QCOMPARE(score(), 33);
        const QLabel* allRight = m_dialog->findChild<QLabel*>(QStringLiteral("allRightLabel"));
        QVERIFY(!allRight->isVisible());
        drag(3, 2);
        QCOMPARE(right()->cellBackground(1, 0), CDlg_Kiu_kies::rightColour);
        QCOMPARE(right()->cellBackground(2, 0), CDlg_Kiu_kies::justRightColour); // both rows dropped
        QCOMPARE(right()->cellBackground(3, 0), CDlg_Kiu_kies::justRightColour);
        QCOMPARE(score(), 100);
        QVERIFY(allRight->isVisible());
        QCOMPARE(allRight->text(), QStringLiteral("Ĉio ĝusta !"));
        mark()->click();
        QCOMPARE(right()->cellBackground(1, 0), QColor(Qt::white));
    }

    void deletingOrDroppingAForeignTextChangesNothing()
    {
        open(storeOf(5), {5, 0, 1, 4, 2, 7, 0, 3, 4});
        startGameOfThree();
        const QStringList before = answers();
        right()->setSelectedRange(2, 0, 2, 0);
        QTest::keyClick(right()->tableView(), Qt::Key_Delete);
        QCOMPARE(answers(), before);
        QMimeData foreign;
        foreign.setText(QStringLiteral("fremda"));
        right()->model()->dropMimeData(&foreign, Qt::CopyAction, -1, -1, right()->model()->index(0, 0));
        QCOMPARE(answers(), before);
    }

    void anAnswerWithACommaMovesWhole()
    {
        CWordStore store = storeOf(3);
        store.entry(0).text2 = u"kato, katino";
        open(std::move(store), {5, 0, 1, 4, 2, 7, 0, 3, 4});
        startGameOfThree();
        const int from = static_cast<int>(answers().indexOf(QStringLiteral("kato, katino"))) + 1;
        QVERIFY(from > 1);
        drag(from, 1);
        QCOMPARE(answers().constFirst(), QStringLiteral("kato, katino"));
    }

    void reorderingDuringPlayKeepsThePairs()
    {
        open(storeOf(6, 3), {5, 0, 1, 4, 2, 7, 0, 3, 4});
        selectRows(1, 6);
        button("scrambleButton")->click();
        QList<QPair<QString, QString>> pairs;
        for (int row = 1; row <= 6; ++row)
            pairs.append({left()->cellText(row, 0), right()->cellText(row, 0)});
        const int before = score();
        m_dialog->findChild<QRadioButton*>(QStringLiteral("byCategoryRadioButton"))->click();
        QList<QPair<QString, QString>> after;
        for (int row = 1; row <= 6; ++row)
            after.append({left()->cellText(row, 0), right()->cellText(row, 0)});
        QVERIFY(after != pairs); // the rows moved
        std::sort(pairs.begin(), pairs.end());
        std::sort(after.begin(), after.end());
        QCOMPARE(after, pairs);
        QCOMPARE(score(), before);
    }

    // The window stays alive while the morphological order of a large table is computed, and
    // "Nuligu" or Escape stops it, leaving the rows in "Alfabete" order and the dialog as before.
    void stoppingTheMorphologicalOrderFallsBackToAlphabetical()
    {
        open(storeOfWords(20000));
        auto* bar = m_dialog->findChild<QProgressBar*>(QStringLiteral("orderingProgressBar"));
        QPushButton* stop = button("stopOrderingButton");
        auto* morphological = m_dialog->findChild<QRadioButton*>(QStringLiteral("morphologicalRadioButton"));
        for (const bool byEscape : {false, true}) {
            m_prompts->queueYes(); // "Eble la ordigo estos iom daŭra. Ĉu vi konfirmas ?"
            QElapsedTimer clock;
            qint64 longestGap = 0;
            qint64 stoppedAt = 0;
            int moves = 0;
            const auto connection = connect(bar, &QProgressBar::valueChanged, this, [&] {
                longestGap = std::max(longestGap, clock.restart());
                QVERIFY(bar->isVisible() && stop->isVisible() && !button("selectButton")->isEnabled());
                if (++moves == 3) {
                    stoppedAt = QDateTime::currentMSecsSinceEpoch();
                    if (byEscape)
                        QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
                    else
                        QTest::mouseClick(stop, Qt::LeftButton);
                }
            });
            clock.start();
            QTest::mouseClick(morphological, Qt::LeftButton);
            const qint64 stopTook = QDateTime::currentMSecsSinceEpoch() - stoppedAt;
            disconnect(connection);
            QCOMPARE(moves, 3);
            // Margins for a busy machine or a sanitizer build (the figures themselves are
            // benchmarked): a frozen window would take minutes.
            QVERIFY2(longestGap < 2000, qPrintable(QString::number(longestGap)));
            QVERIFY2(stopTook < 3000, qPrintable(QString::number(stopTook)));

            QVERIFY(m_dialog->isVisible());
            QVERIFY(bar->isHidden() && stop->isHidden());
            QVERIFY(
                m_dialog->findChild<QRadioButton*>(QStringLiteral("alphabeticalRadioButton"))->isChecked());
            QCOMPARE(m_dialog->exercise().rowOrder(), RowOrder::Alphabetical);
            QStringList rows;
            for (int row = 1; row <= 20000; ++row)
                rows.append(left()->cellText(row, 0));
            QStringList sorted = rows;
            std::sort(sorted.begin(), sorted.end());
            QCOMPARE(rows, sorted);
        }
        selectRows(1, 3);
        QVERIFY(button("scrambleButton")->isEnabled());
        QCOMPARE(m_dialog->exercise().rowCount(), 3);
    }

    void reloadingStartsAfresh()
    {
        open(storeOf(5), {5, 0, 1, 4, 2, 7, 0, 3, 4});
        startGameOfThree();
        mark()->click();
        button("reloadButton")->click();
        QCOMPARE(m_dialog->exercise().rowCount(), 5);
        QVERIFY(right()->cellText(1, 0).isEmpty());
        QVERIFY(!mark()->isChecked());
        QVERIFY(!button("scrambleButton")->isEnabled());
        QCOMPARE(score(), 0);
    }
};

QTEST_MAIN(CDlg_Kiu_kiesTest)
#include "CDlg_Kiu_kiesTest.moc"
