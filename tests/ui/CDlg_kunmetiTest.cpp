#include "CDlg_kunmeti.h"
#include "CWordStore.h"
#include "QtText.h"

#include <QAbstractItemModel>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

// "Selekto" on a friend's large data set, as the merge opens it.
class CDlg_kunmetiTest final : public QObject
{
    Q_OBJECT

private slots:
    void listsEveryEntryAtOnceInTwoColumnsOfAFixedShare()
    {
        CWordStore store({10, 3, 2016}, u"");
        store.setListName1(u"Franca");
        std::vector<IncomingEntry> incoming;
        for (int i = 0; i < 100000; ++i)
            incoming.push_back(
                {toText(QStringLiteral("vorto%1").arg(i)), toText(QStringLiteral("ĉ%1").arg(i))});

        QElapsedTimer clock;
        clock.start();
        CDlg_kunmeti dialog(store, incoming);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        // A generous margin over the half second a user may wait, for a busy machine.
        QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));

        auto* list = dialog.findChild<QTreeView*>(QStringLiteral("incomingTreeView"));
        const QAbstractItemModel* model = list->model();
        QCOMPARE(model->rowCount(), 100000);
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Franca"));
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Listo 2"));
        QCOMPARE(model->index(99999, 1).data().toString(), QStringLiteral("ĉ99999"));
        const int width = static_cast<int>(list->viewport()->width() / 2.1);
        QCOMPARE(list->columnWidth(0), width);
        QCOMPARE(list->columnWidth(1), width);
        QVERIFY(!list->header()->stretchLastSection());
        QVERIFY(list->selectionModel()->selectedRows().isEmpty());

        for (const int row : {0, 4, 99999})
            list->selectionModel()->select(model->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("confirmButton")), Qt::LeftButton);
        QVERIFY(dialog.isConfirmed());
        std::vector<bool> expected(incoming.size(), false);
        expected[0] = expected[4] = expected[99999] = true;
        QVERIFY(dialog.selected() == expected);
    }
};

QTEST_MAIN(CDlg_kunmetiTest)
#include "CDlg_kunmetiTest.moc"
