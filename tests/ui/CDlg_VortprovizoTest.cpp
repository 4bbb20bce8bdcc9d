#include "CDlg_Vortprovizo.h"
#include "CWordStore.h"
#include "FakePrompts.h"
#include "FakeServices.h"
#include "QtText.h"
#include "Typing.h"
#include "VocabularyLookup.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

// The add-words dialog driven by keys and clicks.
class CDlg_VortprovizoTest final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CWordStore> m_store;
    std::unique_ptr<FakePrompts> m_prompts;
    FakeBeeper m_beeper;
    std::unique_ptr<CDlg_Vortprovizo> m_dialog;

    QLineEdit* list1() const { return m_dialog->findChild<QLineEdit*>(QStringLiteral("list1LineEdit")); }
    QLineEdit* list2() const { return m_dialog->findChild<QLineEdit*>(QStringLiteral("list2LineEdit")); }
    QString counter() const { return m_dialog->findChild<QLabel*>(QStringLiteral("counterLabel"))->text(); }

    void open()
    {
        m_dialog = std::make_unique<CDlg_Vortprovizo>(*m_store, *m_prompts, m_beeper);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
        QTRY_VERIFY(list1()->hasFocus());
    }

    // Types a pair into the two fields, leaving the list-1 field with Tab as a user does.
    void typePair(const QString& text1, const QString& text2)
    {
        list1()->setFocus();
        retypeText(list1(), text1);
        QTest::keyClick(list1(), Qt::Key_Tab);
        QTRY_VERIFY(list2()->hasFocus());
        retypeText(list2(), text2);
    }

private slots:
    void init()
    {
        m_store = std::make_unique<CWordStore>(CalendarDate{10, 3, 2016}, u"");
        m_store->clearEntries(CWordStore::AfterClear::EmptyDataSet);
        m_store->setListName1(u"Franca");
        m_prompts = std::make_unique<FakePrompts>();
        m_beeper.beeps.clear();
    }

    void cleanup()
    {
        m_dialog.reset();
        m_prompts->checkAllAnswersUsed();
    }

    void countsAndLabelsFollowTheStore()
    {
        open();
        QCOMPARE(counter(), QStringLiteral("0 vorto"));
        QCOMPARE(m_dialog->findChild<QLabel*>(QStringLiteral("list1Label"))->text(),
                 QStringLiteral("Franca :"));
        QCOMPARE(m_dialog->findChild<QLabel*>(QStringLiteral("list2Label"))->text(),
                 QStringLiteral("Listo 2 :"));
        typePair(QStringLiteral("Chat"), QStringLiteral("Kato"));
        QTest::keyClick(list2(), Qt::Key_F1);
        QCOMPARE(counter(), QStringLiteral("1 vorto"));
        QVERIFY(list1()->hasFocus());
        QCOMPARE(list1()->selectedText(), QStringLiteral("Chat")); // kept, all selected
        QVERIFY(list2()->text().isEmpty());
        typePair(QStringLiteral("Chien"), QStringLiteral("Hundo"));
        QTest::mouseClick(m_dialog->findChild<QPushButton*>(QStringLiteral("addButton")), Qt::LeftButton);
        QCOMPARE(counter(), QStringLiteral("2 vortoj"));
        QCOMPARE(m_store->count(), 2);
        QCOMPARE(toQString(m_store->entry(1).text2), QStringLiteral("Hundo"));
    }

    void leavingTheFirstFieldLooksUpTheTranslation()
    {
        appendTypedPair(*m_store, u"Lentille (optique)", u"Lenso");
        appendTypedPair(*m_store, u"Lentille", u"Lento");
        open();
        typeText(list1(), QStringLiteral("Lentille"));
        QTest::keyClick(list1(), Qt::Key_Tab);
        QCOMPARE(list2()->text(), QStringLiteral("Lenso")); // the first in stored order
        QCOMPARE(m_beeper.beeps, (QList<std::pair<int, int>>{{900, 200}}));

        // Back into the field and out again without typing: the lookup, but no beep.
        list1()->setFocus();
        QTest::keyClick(list1(), Qt::Key_Tab);
        QCOMPARE(list2()->text(), QStringLiteral("Lenso"));
        QCOMPARE(m_beeper.beeps.size(), 1);

        // Opening a menu or another window does not leave the field: no lookup, no beep.
        list1()->setFocus();
        retypeText(list1(), QStringLiteral("Lentille"));
        list2()->setText(QStringLiteral("Lento"));
        QMenu menu(m_dialog.get());
        menu.addAction(QStringLiteral("Kopiu"));
        menu.popup(list1()->mapToGlobal(QPoint()));
        QTRY_VERIFY(QApplication::activePopupWidget() == &menu);
        menu.close();
        QWidget other;
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(list2()->text(), QStringLiteral("Lento"));
        QCOMPARE(m_beeper.beeps.size(), 1);
        other.close();
        m_dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));

        // An unknown word empties the second field, whatever was typed there.
        typePair(QStringLiteral("Chat"), QStringLiteral("Kato"));
        list1()->setFocus();
        QTest::keyClick(list1(), Qt::Key_Tab);
        QVERIFY(list2()->text().isEmpty());
        QCOMPARE(m_beeper.beeps.size(), 1);
    }

    void storedPairsAreRefusedWhateverTheirComments()
    {
        appendTypedPair(*m_store, u"Lentille", u"Lenso");
        open();
        typePair(QStringLiteral("Lentille (optique)"), QStringLiteral("Lenso"));
        QTest::keyClick(list2(), Qt::Key_F1);
        QCOMPARE(m_prompts->texts(FakePrompts::Kind::Warning),
                 QStringList{QStringLiteral("Tiu jam estas registrita")});
        QCOMPARE(m_store->count(), 1);
        QVERIFY(list1()->hasFocus());
    }

    void f1InTheFirstFieldAddsAsTypedWithoutALookup()
    {
        appendTypedPair(*m_store, u"Chat", u"Kato");
        open();
        typePair(QStringLiteral("Chat"), QStringLiteral("Matou"));
        list1()->setFocus();
        typeText(list1(), QStringLiteral(" "));
        QTest::keyClick(list1(), Qt::Key_F1);
        QCOMPARE(m_store->count(), 2);
        QCOMPARE(toQString(m_store->entry(1).text1), QStringLiteral("Chat "));
        QCOMPARE(toQString(m_store->entry(1).text2), QStringLiteral("Matou"));
        QCOMPARE(m_beeper.beeps.size(), 1); // the Tab out of "Chat" beeped, the F1 did not

        // Pressed there on a stored pair, the message takes the focus and the lookup runs.
        m_beeper.beeps.clear();
        retypeText(list1(), QStringLiteral("Chat"));
        list2()->setText(QStringLiteral("Kato"));
        QTest::keyClick(list1(), Qt::Key_F1);
        QCOMPARE(m_prompts->texts(FakePrompts::Kind::Warning),
                 QStringList{QStringLiteral("Tiu jam estas registrita")});
        QCOMPARE(list2()->text(), QStringLiteral("Kato"));
        QCOMPARE(m_beeper.beeps.size(), 1);
    }

    void clickingAddLooksUpFirst()
    {
        appendTypedPair(*m_store, u"Chat", u"Kato");
        open();
        typePair(QStringLiteral("Chien"), QStringLiteral("Hundo"));
        list1()->setFocus();
        retypeText(list1(), QStringLiteral("Chat"));
        // The click moves the focus to the button: the lookup fills in "Kato" and the pair is stored.
        QTest::mouseClick(m_dialog->findChild<QPushButton*>(QStringLiteral("addButton")), Qt::LeftButton);
        QCOMPARE(list2()->text(), QStringLiteral("Kato"));
        QCOMPARE(m_prompts->texts(FakePrompts::Kind::Warning),
                 QStringList{QStringLiteral("Tiu jam estas registrita")});
        QCOMPARE(m_store->count(), 1);

        // A word without translation: the second field is emptied and nothing is added.
        retypeText(list1(), QStringLiteral("Cheval"));
        list2()->setText(QStringLiteral("Ĉevalo"));
        QTest::mouseClick(m_dialog->findChild<QPushButton*>(QStringLiteral("addButton")), Qt::LeftButton);
        QVERIFY(list2()->text().isEmpty());
        QCOMPARE(m_store->count(), 1);
    }

    void enterAddsAPairJustTypedAndClosesOnAnEmptyField()
    {
        open();
        typePair(QStringLiteral("Chat"), QStringLiteral("Kato"));
        QTest::keyClick(list2(), Qt::Key_Return);
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(m_store->count(), 1);
        QVERIFY(list1()->hasFocus());
        QVERIFY(list2()->text().isEmpty());
        QTest::keyClick(list1(), Qt::Key_Return);
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    }

    void textsTheFileCannotHoldAreRefused()
    {
        open();
        typePair(QStringLiteral("a;b"), QStringLiteral("c"));
        QTest::keyClick(list2(), Qt::Key_F1);
        QCOMPARE(m_prompts->texts(FakePrompts::Kind::Warning),
                 QStringList{QStringLiteral("Ne eblas registri « ; » aŭ linirompon en teksto.")});
        QCOMPARE(m_store->count(), 0);
        QCOMPARE(list1()->text(), QStringLiteral("a;b")); // left in its field to be corrected
    }
};

QTEST_MAIN(CDlg_VortprovizoTest)
#include "CDlg_VortprovizoTest.moc"
