#include "CDlg_Helpo.h"

#include <QApplication>
#include <QHeaderView>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QTreeWidget>

namespace {

QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

QStringList rows(const CDlg_Helpo& dialog)
{
    const auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("helpTreeWidget"));
    QStringList texts;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        texts.append(list->topLevelItem(row)->text(0));
    return texts;
}

// Everything the dialog shows in the chosen language: the two lines of the frame, then the rows.
QStringList shownTexts(const CDlg_Helpo& dialog)
{
    QStringList texts{dialog.findChild<QLabel*>(QStringLiteral("invitationLabel"))->text(),
                      dialog.findChild<QLabel*>(QStringLiteral("guidePathLabel"))->text()};
    texts += rows(dialog);
    return texts;
}

void choose(CDlg_Helpo& dialog, const char* radioName)
{
    QTest::mouseClick(dialog.findChild<QRadioButton*>(QString::fromLatin1(radioName)), Qt::LeftButton);
}

const int emptyRows[] = {1, 7, 9, 12, 25};

} // namespace

class CDlg_HelpoTest final : public QObject
{
    Q_OBJECT

private slots:
    void opensInEsperantoWithTwentyNineRows();
    void rowsReadExactlyAsWritten_data();
    void rowsReadExactlyAsWritten();
    void switchingBackRestoresEveryRowExactly();
    void columnSpansTheListAndCutsNoRow();
    void nothingIsCutOffAndPlacesKeepTheirOrder();
    void listSelectsSeveralRowsButEditsNone();
    void closesLikeOk_data();
    void closesLikeOk();
};

void CDlg_HelpoTest::opensInEsperantoWithTwentyNineRows()
{
    CDlg_Helpo dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Helpo / Aide"));
    QVERIFY(dialog.findChild<QRadioButton*>(QStringLiteral("esperantoRadioButton"))->isChecked());
    QVERIFY(!dialog.findChild<QRadioButton*>(QStringLiteral("frenchRadioButton"))->isChecked());
    QCOMPARE(dialog.language(), CDlg_Helpo::Language::Esperanto);
    const auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("helpTreeWidget"));
    QCOMPARE(list->columnCount(), 1);
    QCOMPARE(list->headerItem()->text(0), QStringLiteral("Helpo / Aide"));
    QCOMPARE(list->topLevelItemCount(), 29);
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("invitationLabel"))->text(),
             QStringLiteral("Por pli detala helpo, bonvolu konsulti la datumaron :"));
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("guidePathLabel"))->text(),
             QDir::home().filePath(QStringLiteral("Zenvalo/Lisez-moi_Legu min.pdf")));
    QVERIFY(dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->isDefault());
}

void CDlg_HelpoTest::rowsReadExactlyAsWritten_data()
{
    QTest::addColumn<bool>("french");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("expected");

    QTest::newRow("first row, Esperanto")
        << false << 0
        << QStringLiteral("Lokado de la programo : en ") + QDir::home().filePath(QStringLiteral("Zenvalo"));
    QTest::newRow("first row, French") << true << 0
                                       << QStringLiteral("Implantation du programme : dans ") +
                                              QDir::home().filePath(QStringLiteral("Zenvalo"));
    QTest::newRow("data folder") << false << 2
                                 << QStringLiteral("Lokado de la datumoj : en ") +
                                        QDir::home().filePath(QStringLiteral("Zenvalo/Zenvalaro"));
    QTest::newRow("row 3 starts with six blanks, Esperanto")
        << false << 3 << blanks(6) + QStringLiteral("(sed aliloke se vi deziras)");
    QTest::newRow("row 3 starts with six blanks, French")
        << true << 3 << blanks(6) + QStringLiteral("(ou ailleurs si vous préférez)");
    QTest::newRow("Esperanto letters")
        << false << 16 << QStringLiteral("Trejniĝu ... por trejniĝi al la memorado");
    QTest::newRow("French letters") << true << 18
                                    << blanks(6) + QStringLiteral("Ordre de présentation : Chronologique, "
                                                                  "Alphabétique, Aléatoire, Morphologique");
    QTest::newRow("last indented row of the training, Esperanto")
        << false << 23 << blanks(6) + QStringLiteral("Se malbone : la vorto reiras al la skatolo 1");
    QTest::newRow("matching exercise row, French")
        << true << 24
        << QStringLiteral(
               "Kiu kies ? ... / Qui est à qui ? ... pour s'entraîner à lier correctement les deux listes");
    const QString vase = blanks(6) + QStringLiteral("Vase (le)") + blanks(17) + QStringLiteral("Florpoto");
    QTest::newRow("row 27 aligns the example by blanks, Esperanto") << false << 27 << vase;
    QTest::newRow("row 27 aligns the example by blanks, French") << true << 27 << vase;
    QTest::newRow("row 28 has five blanks before Lenso in Esperanto")
        << false << 28
        << blanks(6) + QStringLiteral("Lentille (optique)") + blanks(5) + QStringLiteral("Lenso");
    QTest::newRow("row 28 has eight blanks before Lenso in French")
        << true << 28
        << blanks(6) + QStringLiteral("Lentille (optique)") + blanks(8) + QStringLiteral("Lenso");
    for (const int row : emptyRows) {
        QTest::addRow("row %d is empty, Esperanto", row) << false << row << QString();
        QTest::addRow("row %d is empty, French", row) << true << row << QString();
    }
}

void CDlg_HelpoTest::rowsReadExactlyAsWritten()
{
    QFETCH(bool, french);
    QFETCH(int, row);
    QFETCH(QString, expected);

    CDlg_Helpo dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    if (french)
        choose(dialog, "frenchRadioButton");
    QCOMPARE(rows(dialog).at(row), expected);
}

void CDlg_HelpoTest::switchingBackRestoresEveryRowExactly()
{
    CDlg_Helpo dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QStringList esperanto = shownTexts(dialog);

    choose(dialog, "frenchRadioButton");
    QCOMPARE(dialog.language(), CDlg_Helpo::Language::French);
    const QStringList french = shownTexts(dialog);
    QCOMPARE(french.at(0), QStringLiteral("Pour une aide plus détaillée, consultez le fichier :"));
    QCOMPARE(french.at(1), esperanto.at(1));
    // Every row of the list but the empty ones and the first example changes language.
    for (int row = 0; row < CDlg_Helpo::rowCount; ++row) {
        const QString& before = esperanto.at(2 + row);
        const QString& after = french.at(2 + row);
        if (before.isEmpty() || row == 27)
            QCOMPARE(after, before);
        else
            QVERIFY2(after != before, qPrintable(QStringLiteral("row %1 did not change").arg(row)));
    }
    for (const int row : emptyRows)
        QVERIFY(esperanto.at(2 + row).isEmpty());

    choose(dialog, "esperantoRadioButton");
    QCOMPARE(dialog.language(), CDlg_Helpo::Language::Esperanto);
    QCOMPARE(shownTexts(dialog), esperanto);
    choose(dialog, "frenchRadioButton");
    QCOMPARE(shownTexts(dialog), french);
}

void CDlg_HelpoTest::columnSpansTheListAndCutsNoRow()
{
    for (const char* radio : {"esperantoRadioButton", "frenchRadioButton"}) {
        CDlg_Helpo dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        choose(dialog, radio);
        const auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("helpTreeWidget"));
        const int columnWidth = list->header()->sectionSize(0);
        QCOMPARE(columnWidth, list->viewport()->width());
        QVERIFY2(!list->horizontalScrollBar()->isVisible(), radio);
        const QFontMetrics metrics(list->font());
        // The item's text margin on either side, as the styles draw it.
        const int margins = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
        for (const QString& row : rows(dialog))
            QVERIFY2(metrics.horizontalAdvance(row) + margins <= columnWidth, qPrintable(row));
    }
}

void CDlg_HelpoTest::nothingIsCutOffAndPlacesKeepTheirOrder()
{
    CDlg_Helpo dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const auto* esperanto = dialog.findChild<QRadioButton*>(QStringLiteral("esperantoRadioButton"));
    const auto* french = dialog.findChild<QRadioButton*>(QStringLiteral("frenchRadioButton"));
    const auto* frame = dialog.findChild<QWidget*>(QStringLiteral("guideGroupBox"));
    const auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("helpTreeWidget"));
    const auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("okButton"));
    for (const QWidget* widget :
         {static_cast<const QWidget*>(esperanto), static_cast<const QWidget*>(french)})
        QVERIFY2(widget->sizeHint().width() <= widget->width(), qPrintable(widget->objectName()));
    for (const char* radio : {"frenchRadioButton", "esperantoRadioButton"}) {
        choose(dialog, radio);
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
            QVERIFY(frame->geometry().contains(label->geometry()));
        }
    }
    QVERIFY(esperanto->geometry().right() < french->x());
    QVERIFY(french->geometry().right() < frame->x());
    QCOMPARE(frame->geometry().right(), list->geometry().right());
    QVERIFY(list->geometry().bottom() < ok->y());
    QVERIFY(ok->geometry().right() < dialog.width());
    QVERIFY(ok->geometry().right() > list->geometry().right());
}

void CDlg_HelpoTest::listSelectsSeveralRowsButEditsNone()
{
    CDlg_Helpo dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("helpTreeWidget"));
    QWidget* rowsArea = list->viewport();
    const QRect first = list->visualItemRect(list->topLevelItem(0));
    const QRect third = list->visualItemRect(list->topLevelItem(2));
    QTest::mouseClick(rowsArea, Qt::LeftButton, {}, first.center());
    QTest::mouseClick(rowsArea, Qt::LeftButton, Qt::ControlModifier, third.center());
    QCOMPARE(list->selectedItems().size(), 2);

    const QString before = list->topLevelItem(0)->text(0);
    QTest::mouseDClick(rowsArea, Qt::LeftButton, {}, first.center());
    QTest::keyClick(list, Qt::Key_F2);
    QTest::keyClicks(list, QStringLiteral("xyz"));
    QVERIFY(list->findChildren<QLineEdit*>().isEmpty());
    QCOMPARE(list->topLevelItem(0)->text(0), before);
    QVERIFY(dialog.isVisible());
}

void CDlg_HelpoTest::closesLikeOk_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("OK button") << QStringLiteral("ok");
    QTest::newRow("Enter in the list") << QStringLiteral("enter");
    QTest::newRow("Escape") << QStringLiteral("escape");
    QTest::newRow("close box") << QStringLiteral("close");
}

void CDlg_HelpoTest::closesLikeOk()
{
    QFETCH(QString, how);
    CDlg_Helpo dialog;
    QSignalSpy finished(&dialog, &QDialog::finished);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("helpTreeWidget"));
    list->setFocus();
    if (how == QStringLiteral("ok"))
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    else if (how == QStringLiteral("enter"))
        QTest::keyClick(list, Qt::Key_Return);
    else if (how == QStringLiteral("escape"))
        QTest::keyClick(list, Qt::Key_Escape);
    else
        dialog.close();
    QCOMPARE(finished.size(), 1);
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(CDlg_HelpoTest)
#include "CDlg_HelpoTest.moc"
