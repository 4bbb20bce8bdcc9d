#include "CDlg_trejnado.h"
#include "CWordStore.h"
#include "Entries.h"
#include "FakeServices.h"
#include "QtText.h"
#include "ScriptedRandomSource.h"
#include "Typing.h"
#include "Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

const CalendarDate today{10, 3, 2016};
const CalendarDate longAgo{1, 1, 2015};

WordEntry dueEntry(std::u16string text1, std::u16string text2, int box = 0, int category = 0)
{
    return makeEntry(std::move(text1), std::move(text2),
                     {.box1 = box, .category = category, .answered1 = longAgo, .answered2 = longAgo});
}

} // namespace

// The training dialog driven by clicks and keys, with the store checked after each grade.
class CDlg_trejnadoTest final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CWordStore> m_store;
    ScriptedRandomSource m_random{};
    std::unique_ptr<CDlg_trejnado> m_dialog;

    template <typename T> T* find(const char* name) const { return child<T>(m_dialog.get(), name); }
    QPushButton* button(const char* name) const { return find<QPushButton>(name); }
    QString text(const char* name) const { return find<QLabel>(name)->text(); }
    QLineEdit* question() const { return find<QLineEdit>("questionLineEdit"); }
    void click(const char* name) const { QTest::mouseClick(button(name), Qt::LeftButton); }

    void open()
    {
        m_dialog = std::make_unique<CDlg_trejnado>(*m_store, m_random);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    }

private slots:
    void init()
    {
        m_store = std::make_unique<CWordStore>(today, u"");
        m_store->clearEntries(CWordStore::AfterClear::EmptyDataSet);
        m_store->setListName1(u"Franca");
        m_store->setListName2(u"Esperanto");
        m_store->appendEntry(dueEntry(u"Lentille (optique)", u"Lenso", 0, 4));
        m_store->appendEntry(dueEntry(u"Chat", u"Kato", 2));
        m_store->appendEntry(dueEntry(u"Lentille (légume)", u"Lento"));
    }

    void cleanup() { m_dialog.reset(); }

    void opensWithCaptionsAndOnlyStepping()
    {
        open();
        QCOMPARE(find<QRadioButton>("direction1RadioButton")->text(), QStringLiteral("Franca --> Esperanto"));
        QCOMPARE(find<QRadioButton>("direction2RadioButton")->text(), QStringLiteral("Esperanto --> Franca"));
        QCOMPARE(text("referenceDateLabel"), QStringLiteral("10/03/2016"));
        QCOMPARE(text("box1TotalLabel"), QStringLiteral("2"));
        QCOMPARE(text("box1DueLabel"), QStringLiteral("2"));
        QCOMPARE(text("box3TotalLabel"), QStringLiteral("1"));
        QVERIFY(!button("showButton")->isEnabled());
        QVERIFY(!button("rightButton")->isEnabled());
        QVERIFY(!button("wrongButton")->isEnabled());
        QVERIFY(!button("todayButton")->isEnabled());
        QVERIFY(button("nextDayButton")->isEnabled());
        QVERIFY(button("stepBackwardButton")->isEnabled());
        QVERIFY(button("keepButton")->isHidden());
        QVERIFY(find<QComboBox>("categoryComboBox")->isHidden()); // no category has a name

        FakeSpeechEngine noSpeech;
        m_dialog->setSpeech(noSpeech, {QStringLiteral("fr"), QStringLiteral("eo")});
        click("stepForwardButton");
        QVERIFY(!button("listenButton")->isEnabled());
        QCOMPARE(button("listenButton")->toolTip(), QStringLiteral("no engine"));
    }

    void aDrillStepsShowsEveryArticleAndGrades()
    {
        open();
        QTest::keyClick(question(), Qt::Key_Return); // Enter steps forward
        QCOMPARE(question()->text(), QStringLiteral("Lentille (optique)"));
        QCOMPARE(question()->palette().color(QPalette::Base), QColor(0, 200, 255)); // category 4
        QCOMPARE(text("boxLabel"), QStringLiteral("Skatolo 1"));
        QCOMPARE(text("answerLabel"), QStringLiteral("?"));
        QCOMPARE(text("articleLabel"), QStringLiteral("2 artikloj"));
        QVERIFY(button("stepForwardButton")->hasFocus());

        click("showButton");
        QCOMPARE(text("answerLabel"), QStringLiteral("Lenso"));
        QVERIFY(button("keepButton")->isHidden()); // box 1 has nothing to keep
        click("showButton");
        QCOMPARE(text("answerLabel"), QStringLiteral("Lento"));
        QCOMPARE(question()->text(), QStringLiteral("Lentille (légume)"));
        click("showButton");
        QCOMPARE(text("answerLabel"), QStringLiteral("Lenso")); // and back to the first

        click("rightButton");
        QCOMPARE(m_store->entry(0).box1, 1);
        QVERIFY(m_store->entry(0).answerDate(1) == today);
        QCOMPARE(text("box1DueLabel"), QStringLiteral("1"));

        click("stepForwardButton");
        QCOMPARE(question()->text(), QStringLiteral("Chat"));
        click("showButton");
        QVERIFY(button("keepButton")->isVisible());
        click("wrongButton");
        QCOMPARE(m_store->entry(1).box1, 0);
        QVERIFY(m_store->entry(1).answerDate(1) == today);
    }

    void undoTakesBackTheGradesOneByOne()
    {
        open();
        QVERIFY(!button("undoButton")->isEnabled());
        QCOMPARE(button("keepButton")->toolTip(), QStringLiteral("Restu en la skatolo"));
        click("stepForwardButton");
        click("stepForwardButton");
        click("showButton");
        click("keepButton");
        click("stepForwardButton");
        click("showButton");
        QTest::mouseClick(find<QRadioButton>("direction2RadioButton"), Qt::LeftButton);
        question()->setFocus();
        QTest::keyClick(question(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(find<QRadioButton>("direction1RadioButton")->isChecked());
        QCOMPARE(question()->text(), QStringLiteral("Chat"));
        QCOMPARE(text("answerLabel"), QStringLiteral("Kato"));
        QVERIFY(m_store->entry(1).answerDate(1) == longAgo);
        QVERIFY(button("rightButton")->isEnabled());
        QVERIFY(!button("undoButton")->isEnabled());
    }

    void accelerKeysActOnlyWhileTheirButtonMayBeUsed()
    {
        open();
        question()->setFocus();
        QTest::keyClicks(question(), QStringLiteral("*"));
        QVERIFY(question()->text().isEmpty()); // never typed, and "Montru" was not offered
        QTest::keyClicks(question(), QStringLiteral("+"));
        QCOMPARE(question()->text(), QStringLiteral("Lentille (optique)"));
        question()->setFocus();
        QTest::keyClicks(question(), QStringLiteral("*"));
        QCOMPARE(text("answerLabel"), QStringLiteral("Lenso"));
        QCOMPARE(question()->text(), QStringLiteral("Lentille (optique)"));
        QTest::keyClick(question(), Qt::Key_F1);
        QCOMPARE(m_store->entry(0).box1, 1);
        QTest::keyClick(question(), Qt::Key_F2); // grading is no longer offered
        QCOMPARE(m_store->entry(0).box1, 1);
        QTest::keyClicks(question(), QStringLiteral("-"));
        QCOMPARE(question()->text(), QStringLiteral("Lentille (légume)"));

        QTest::keyClick(question(), Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(text("referenceDateLabel"), QStringLiteral("11/03/2016"));
        QVERIFY(button("todayButton")->isEnabled());
        QTest::keyClick(question(), Qt::Key_Home);
        QCOMPARE(text("referenceDateLabel"), QStringLiteral("10/03/2016"));

        // A control added later is covered too.
        auto* later = new QLineEdit(m_dialog.get());
        QTest::keyClicks(later, QStringLiteral("*"));
        QVERIFY(later->text().isEmpty());
    }

    void typingAQuestionLooksItUp()
    {
        open();
        question()->setFocus();
        typeText(question(), QStringLiteral("Chat"));
        QCOMPARE(text("boxLabel"), QStringLiteral("Skatolo 3"));
        QCOMPARE(text("answerLabel"), QStringLiteral("?"));
        QVERIFY(button("showButton")->isEnabled());
    }

    void nextDayAndTodayMoveTheReferenceDate()
    {
        m_store->entry(0).setAnswerDate(1, today);
        m_store->entry(2).setAnswerDate(1, today);
        open();
        QCOMPARE(text("box1DueLabel"), QStringLiteral("0"));
        click("nextDayButton");
        QCOMPARE(text("referenceDateLabel"), QStringLiteral("11/03/2016"));
        QCOMPARE(text("box1DueLabel"), QStringLiteral("2"));
        click("todayButton");
        QCOMPARE(text("box1DueLabel"), QStringLiteral("0"));
        QVERIFY(!button("todayButton")->isEnabled());
    }

    void justTreatedTurnsTheAutomaticDateOff()
    {
        open();
        click("nextDayButton");
        QTest::mouseClick(find<QCheckBox>("justTreatedCheckBox"), Qt::LeftButton);
        QVERIFY(!find<QCheckBox>("automaticDateCheckBox")->isChecked());
        QVERIFY(!button("nextDayButton")->isEnabled());
        QCOMPARE(text("referenceDateLabel"), QStringLiteral("10/03/2016"));
        QTest::mouseClick(find<QCheckBox>("automaticDateCheckBox"), Qt::LeftButton);
        QVERIFY(!find<QCheckBox>("justTreatedCheckBox")->isChecked());
        QVERIFY(button("nextDayButton")->isEnabled());
    }

    void randomAndMorphologicalOrdersHaveNoBackwardStep()
    {
        open();
        QTest::mouseClick(find<QRadioButton>("randomRadioButton"), Qt::LeftButton);
        QVERIFY(!button("stepBackwardButton")->isEnabled());
        QTest::mouseClick(find<QRadioButton>("alphabeticalRadioButton"), Qt::LeftButton);
        QVERIFY(button("stepBackwardButton")->isEnabled());
        QTest::mouseClick(find<QRadioButton>("morphologicalRadioButton"), Qt::LeftButton);
        QVERIFY(!button("stepBackwardButton")->isEnabled());
        QTest::mouseClick(find<QRadioButton>("chronologicalRadioButton"), Qt::LeftButton);
        QVERIFY(button("stepBackwardButton")->isEnabled());
    }

    void categoryFilterListsTheNamedCategories()
    {
        m_store->setCategoryName(3, u"Bestoj");
        open();
        QComboBox* filter = find<QComboBox>("categoryComboBox");
        QVERIFY(filter->isVisible());
        QStringList items;
        for (int i = 0; i < filter->count(); ++i)
            items.append(filter->itemText(i));
        QCOMPARE(items, (QStringList{QStringLiteral("Ĉiuj kategorioj"), QStringLiteral("Bestoj"),
                                     QStringLiteral("Ekster kategorioj")}));
        QCOMPARE(filter->currentIndex(), 0);

        filter->setFocus();
        QTest::keyClick(filter, Qt::Key_Down); // "Bestoj": category 3, which no entry has
        QCOMPARE(text("box1TotalLabel"), QStringLiteral("0"));
        QTest::keyClick(filter, Qt::Key_Down); // without category: the second "Lentille" and "Chat"
        QCOMPARE(text("box1TotalLabel"), QStringLiteral("1"));
        QCOMPARE(text("box3TotalLabel"), QStringLiteral("1"));
    }
};

QTEST_MAIN(CDlg_trejnadoTest)
#include "CDlg_trejnadoTest.moc"
