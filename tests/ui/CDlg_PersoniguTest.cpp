#include "CDlg_Personigu.h"

#include <QApplication>
#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

#include "CWordStore.h"
#include "DataSetNames.h"
#include "Entries.h"
#include "FakePrompts.h"
#include "Looks.h"
#include "Messages.h"
#include "QtText.h"
#include "Typing.h"

namespace {

CWordStore namedStore()
{
    CWordStore store = emptyDataSet({9, 12, 2026}, u"Franca", u"Esperanto");
    store.setCategoryName(1, u"Bestoj");
    store.setCategoryName(3, u"Manĝaĵoj");
    store.setCategoryName(9, u"Vortoj el la hejmo, la kuirejo kaj la ĝardeno");
    store.setCategoryName(10, u"Diversaĵoj");
    return store;
}

// The twelve names as the store holds them, in the order of DataSetNames.
QStringList storedNames(const CWordStore& store)
{
    QStringList names{toQString(store.listName1()), toQString(store.listName2())};
    for (int category = 1; category <= CWordStore::categoryCount; ++category)
        names.append(toQString(store.categoryName(category)));
    return names;
}

QLineEdit* field(const QDialog& dialog, const QString& name)
{
    auto* edit = dialog.findChild<QLineEdit*>(name);
    if (!edit)
        qFatal("no field %s", qPrintable(name));
    return edit;
}

QLineEdit* categoryField(const QDialog& dialog, int category)
{
    return field(dialog, QStringLiteral("category%1LineEdit").arg(category));
}

QPushButton* button(const QDialog& dialog, const char* name)
{
    return dialog.findChild<QPushButton*>(QString::fromLatin1(name));
}

// The colours of categories 1 to 10, as the user sees them in every dialog.
const QColor categoryColours[] = {{0, 255, 0},     {220, 255, 0},   {0, 250, 255},   {0, 200, 255},
                                  {255, 130, 255}, {180, 150, 255}, {255, 200, 200}, {255, 185, 0},
                                  {200, 200, 200}, {200, 155, 100}};

} // namespace

class CDlg_PersoniguTest final : public QObject
{
    Q_OBJECT

private slots:
    void fieldsShowTheStoredNamesWithNothingCutOff();
    void konfirmuStoresTheNamesExactlyAsTyped();
    void enterInAFieldConfirms();
    void leavingWithoutKonfirmuKeepsEveryName_data();
    void leavingWithoutKonfirmuKeepsEveryName();
    void refusesNamesTheFileCannotHold_data();
    void refusesNamesTheFileCannotHold();
    void categoryFieldsArePaintedInTheirColours_data();
    void categoryFieldsArePaintedInTheirColours();
    void focusStartsOnKonfirmuAndTabFollowsTheFields();
};

void CDlg_PersoniguTest::fieldsShowTheStoredNamesWithNothingCutOff()
{
    CWordStore store = namedStore();
    FakePrompts prompts;
    CDlg_Personigu dialog(store, prompts);
    QCOMPARE(field(dialog, QStringLiteral("listName1LineEdit"))->text(), QStringLiteral("Franca"));
    QCOMPARE(field(dialog, QStringLiteral("listName2LineEdit"))->text(), QStringLiteral("Esperanto"));
    QCOMPARE(categoryField(dialog, 1)->text(), QStringLiteral("Bestoj"));
    QCOMPARE(categoryField(dialog, 2)->text(), QString());
    QCOMPARE(categoryField(dialog, 3)->text(), QStringLiteral("Manĝaĵoj"));
    QCOMPARE(categoryField(dialog, 10)->text(), QStringLiteral("Diversaĵoj"));
    // A name longer than its field shows its beginning.
    for (const QLineEdit* edit : dialog.findChildren<QLineEdit*>())
        QCOMPARE(edit->cursorPosition(), 0);
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
        QVERIFY(label->geometry().right() < dialog.width());
    }
    QVERIFY(button(dialog, "cancelButton")->geometry().right() < button(dialog, "confirmButton")->x());

    // Categories 1 to 5 stand in the left column, 6 to 10 beside them, each row below the last.
    for (int category = 1; category <= 5; ++category) {
        const QRect left = categoryField(dialog, category)->geometry();
        const QRect right = categoryField(dialog, category + 5)->geometry();
        QCOMPARE(right.top(), left.top());
        QVERIFY(right.left() > left.right());
        if (category > 1)
            QVERIFY(left.top() > categoryField(dialog, category - 1)->geometry().bottom());
    }
}

void CDlg_PersoniguTest::konfirmuStoresTheNamesExactlyAsTyped()
{
    CWordStore store = namedStore();
    FakePrompts prompts;
    CDlg_Personigu dialog(store, prompts);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));

    retypeText(field(dialog, QStringLiteral("listName1LineEdit")), QStringLiteral("  Français  "));
    retypeText(field(dialog, QStringLiteral("listName2LineEdit")), QString());
    retypeText(categoryField(dialog, 3), QString());
    retypeText(categoryField(dialog, 7), QStringLiteral("Ĉiutagaj vortoj (hejme)"));
    QTest::mouseClick(button(dialog, "confirmButton"), Qt::LeftButton);

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    QStringList expected = storedNames(namedStore());
    expected[DataSetNames::listIndex(1)] = QStringLiteral("  Français  ");
    expected[DataSetNames::listIndex(2)] = QString();
    expected[DataSetNames::categoryIndex(3)] = QString();
    expected[DataSetNames::categoryIndex(7)] = QStringLiteral("Ĉiutagaj vortoj (hejme)");
    QCOMPARE(storedNames(store), expected);
    QVERIFY(prompts.shown().isEmpty());
}

void CDlg_PersoniguTest::enterInAFieldConfirms()
{
    CWordStore store = namedStore();
    FakePrompts prompts;
    CDlg_Personigu dialog(store, prompts);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QLineEdit* name = categoryField(dialog, 4);
    name->setFocus();
    typeText(name, QStringLiteral("Verboj"));
    QTest::keyClick(name, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(toQString(store.categoryName(4)), QStringLiteral("Verboj"));
}

void CDlg_PersoniguTest::leavingWithoutKonfirmuKeepsEveryName_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Nuligu") << QStringLiteral("cancel");
    QTest::newRow("Escape") << QStringLiteral("escape");
    QTest::newRow("close box") << QStringLiteral("close");
}

void CDlg_PersoniguTest::leavingWithoutKonfirmuKeepsEveryName()
{
    QFETCH(QString, how);
    CWordStore store = namedStore();
    FakePrompts prompts;
    CDlg_Personigu dialog(store, prompts);
    QSignalSpy finished(&dialog, &QDialog::finished);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));

    const auto fields = dialog.findChildren<QLineEdit*>();
    QCOMPARE(fields.size(), 12);
    for (QLineEdit* edit : fields)
        retypeText(edit, QStringLiteral("ŝanĝita"));
    if (how == QStringLiteral("cancel"))
        QTest::mouseClick(button(dialog, "cancelButton"), Qt::LeftButton);
    else if (how == QStringLiteral("escape"))
        QTest::keyClick(fields.first(), Qt::Key_Escape);
    else
        dialog.close();

    QCOMPARE(finished.size(), 1);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(storedNames(store), storedNames(namedStore()));
    QVERIFY(prompts.shown().isEmpty());
}

void CDlg_PersoniguTest::refusesNamesTheFileCannotHold_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("pasted");

    QTest::newRow("semicolon typed in the first list's name")
        << QStringLiteral("listName1LineEdit") << QStringLiteral("Franca; Belga") << false;
    QTest::newRow("semicolon typed in the last category")
        << QStringLiteral("category10LineEdit") << QStringLiteral(";") << false;
    QTest::newRow("line break pasted into a category")
        << QStringLiteral("category5LineEdit") << QStringLiteral("Bestoj\nBirdoj") << true;
}

void CDlg_PersoniguTest::refusesNamesTheFileCannotHold()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, typed);
    QFETCH(bool, pasted);

    CWordStore store = namedStore();
    FakePrompts prompts;
    CDlg_Personigu dialog(store, prompts);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    // A storable change elsewhere must not slip through either.
    retypeText(field(dialog, QStringLiteral("listName2LineEdit")), QStringLiteral("Angla"));
    QLineEdit* edit = field(dialog, fieldName);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (pasted)
        pasteText(edit, typed);
    else
        typeText(edit, typed);
    QCOMPARE(edit->text(), typed);

    QTest::mouseClick(button(dialog, "confirmButton"), Qt::LeftButton);
    const QList<FakePrompts::Shown> warning{{FakePrompts::Kind::Warning, Messages::unstorableText()}};
    QCOMPARE(prompts.shown(), warning);
    QVERIFY(dialog.isVisible());
    QCOMPARE(edit->text(), typed);
    QTRY_COMPARE(QApplication::focusWidget(), edit);
    QCOMPARE(storedNames(store), storedNames(namedStore()));

    // Corrected, the same dialog stores everything at once.
    retypeText(edit, QStringLiteral("Bestoj kaj birdoj"));
    QTest::mouseClick(button(dialog, "confirmButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(prompts.shown(), warning);
    QCOMPARE(toQString(store.listName2()), QStringLiteral("Angla"));
    QVERIFY(storedNames(store).contains(QStringLiteral("Bestoj kaj birdoj")));
}

void CDlg_PersoniguTest::categoryFieldsArePaintedInTheirColours_data()
{
    QTest::addColumn<int>("look");
    QTest::newRow("default look keeps the default text colour") << Looks::defaultLook;
    QTest::newRow("black look keeps the text dark on the light colours") << 216;
}

void CDlg_PersoniguTest::categoryFieldsArePaintedInTheirColours()
{
    QFETCH(int, look);
    Looks::apply(look);
    const auto restoreLook = qScopeGuard([] { Looks::apply(Looks::defaultLook); });

    CWordStore store = namedStore();
    FakePrompts prompts;
    CDlg_Personigu dialog(store, prompts);
    const QPalette plain = dialog.palette();
    for (int category = 1; category <= CWordStore::categoryCount; ++category) {
        const QPalette palette = categoryField(dialog, category)->palette();
        QCOMPARE(palette.color(QPalette::Base), categoryColours[category - 1]);
        const QColor text = palette.color(QPalette::Text);
        if (look == Looks::defaultLook)
            QCOMPARE(text, plain.color(QPalette::Text));
        else
            QVERIFY2(text.lightness() < 64, qPrintable(text.name()));
    }
    for (const QString& name : {QStringLiteral("listName1LineEdit"), QStringLiteral("listName2LineEdit")}) {
        const QPalette palette = field(dialog, name)->palette();
        QCOMPARE(palette.color(QPalette::Base), plain.color(QPalette::Base));
        QCOMPARE(palette.color(QPalette::Text), plain.color(QPalette::Text));
    }
}

void CDlg_PersoniguTest::focusStartsOnKonfirmuAndTabFollowsTheFields()
{
    CWordStore store = namedStore();
    FakePrompts prompts;
    CDlg_Personigu dialog(store, prompts);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));

    QStringList expected{QStringLiteral("confirmButton"),     QStringLiteral("cancelButton"),
                         QStringLiteral("listName1LineEdit"), QStringLiteral("language1ComboBox"),
                         QStringLiteral("listName2LineEdit"), QStringLiteral("language2ComboBox")};
    for (int category = 1; category <= CWordStore::categoryCount; ++category)
        expected.append(QStringLiteral("category%1LineEdit").arg(category));
    expected.append(QStringLiteral("confirmButton"));

    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int step = 1; step < expected.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, expected);
}

QTEST_MAIN(CDlg_PersoniguTest)
#include "CDlg_PersoniguTest.moc"
