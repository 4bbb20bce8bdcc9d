#include "CGridCtrl.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QToolTip>
#include <memory>
#include <utility>

namespace {

using Cell = std::pair<int, int>;
using Cells = QList<Cell>;

} // namespace

// The grid control driven as its dialogs and their users drive it: keys and clicks on the view,
// drops through the model, and the notifications it sends back.
class CGridCtrlTest final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CGridCtrl> m_grid;
    Cells m_begun;
    Cells m_ended;
    Cells m_refusedAtBegin;
    Cells m_undoneAtEnd;

    // A grid with a header row and dataRows rows below it; cell (r, c) holds "r<r>c<c>".
    void makeGrid(int dataRows, int columns)
    {
        m_grid = std::make_unique<CGridCtrl>();
        m_grid->resize(420, 300);
        m_grid->setFixedRowCount(1);
        m_grid->setRowCount(dataRows + 1);
        m_grid->setColumnCount(columns);
        for (int column = 0; column < columns; ++column) {
            m_grid->setCellText(0, column, QStringLiteral("H%1").arg(column));
            for (int row = 1; row <= dataRows; ++row)
                m_grid->setCellText(row, column, QStringLiteral("r%1c%2").arg(row).arg(column));
        }
        m_begun.clear();
        m_ended.clear();
        m_grid->setBeginEditHandler([this](int row, int column) {
            m_begun.append({row, column});
            return !m_refusedAtBegin.contains(Cell{row, column});
        });
        m_grid->setEndEditHandler([this](int row, int column) {
            m_ended.append({row, column});
            return !m_undoneAtEnd.contains(Cell{row, column});
        });
    }

    void show()
    {
        m_grid->show();
        QVERIFY(QTest::qWaitForWindowActive(m_grid.get()));
    }

    // Keys go where the user's keys go: to the widget with the focus, the view or its editor.
    static void type(const QString& text)
    {
        for (const QChar c : text)
            QTest::keyClicks(QApplication::focusWidget(), QString(c));
    }

    QTableView* view() const { return m_grid->tableView(); }
    QWidget* cells() const { return view()->viewport(); }
    QModelIndex index(int row, int column) const
    {
        return m_grid->model()->index(row - m_grid->fixedRowCount(), column - m_grid->fixedColumnCount());
    }
    QPoint centre(int row, int column) const { return view()->visualRect(index(row, column)).center(); }
    void click(int row, int column, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QTest::mouseClick(cells(), Qt::LeftButton, modifiers, centre(row, column));
    }
    // A press and release, then the second press that the platform reports as a double-click.
    void doubleClick(int row, int column) const
    {
        click(row, column);
        QTest::mouseDClick(cells(), Qt::LeftButton, Qt::NoModifier, centre(row, column));
    }
    QLineEdit* openEditor() const
    {
        const auto editors = view()->findChildren<QLineEdit*>(QStringLiteral("cellLineEdit"));
        for (QLineEdit* editor : editors) {
            if (editor->isVisible())
                return editor;
        }
        return nullptr;
    }
    Cells selectedCells() const
    {
        Cells selected;
        for (int row = 0; row < m_grid->rowCount(); ++row)
            for (int column = 0; column < m_grid->columnCount(); ++column)
                if (m_grid->isCellSelected(row, column))
                    selected.append({row, column});
        return selected;
    }
    // Drops data on a cell the way a view hands a drop to its model.
    bool drop(QMimeData* data, int row, int column) const
    {
        const std::unique_ptr<QMimeData> owned(data);
        QAbstractItemModel* model = m_grid->model();
        if (!model->canDropMimeData(data, Qt::MoveAction, -1, -1, index(row, column)))
            return false;
        return model->dropMimeData(data, Qt::MoveAction, -1, -1, index(row, column));
    }
    QMimeData* dragOfSelection() const
    {
        return m_grid->model()->mimeData(view()->selectionModel()->selectedIndexes());
    }
    static QMimeData* plainText(const QString& text)
    {
        auto* data = new QMimeData;
        data->setText(text);
        return data;
    }

private slots:
    void cleanup()
    {
        m_grid.reset();
        m_refusedAtBegin.clear();
        m_undoneAtEnd.clear();
    }

    void modelKeepsItsContractThroughEveryChangeOfShape()
    {
        makeGrid(0, 0);
        QAbstractItemModelTester tester(m_grid->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(m_grid->setColumnCount(4));
        QVERIFY(m_grid->setRowCount(30));
        QVERIFY(m_grid->setFixedColumnCount(1));
        m_grid->setCellText(5, 2, QStringLiteral("kato"));
        m_grid->setCellBackground(5, 2, QColor(0, 255, 0));
        m_grid->setCellText(0, 2, QStringLiteral("Esperanto"));
        QCOMPARE(m_grid->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Esperanto"));
        m_grid->setDragAndDropEnabled(true);
        m_grid->setRowDragMode(false);
        m_grid->setSelectedRange(5, 2, 5, 2);
        QVERIFY(drop(dragOfSelection(), 7, 3));
        QVERIFY(m_grid->setRowCount(10));
        QVERIFY(m_grid->setColumnCount(2));
        QVERIFY(m_grid->setFixedRowCount(3));
        QVERIFY(m_grid->setRowCount(2)); // below the fixed rows
        QCOMPARE(m_grid->fixedRowCount(), 2);
        QVERIFY(m_grid->setRowCount(0));
        QVERIFY(m_grid->setColumnCount(0));
        QVERIFY(!m_grid->setRowCount(-1));
        QCOMPARE(m_grid->model()->rowCount(), 0);
    }

    void operationsOutsideTheGridReportFailure()
    {
        makeGrid(3, 4);
        QCOMPARE(m_grid->cellText(9, 0), QString());
        QCOMPARE(m_grid->cellText(1, -1), QString());
        QVERIFY(!m_grid->setCellText(4, 0, QStringLiteral("x")));
        QVERIFY(!m_grid->setCellBackground(0, 4, Qt::red));
        QVERIFY(!m_grid->setColumnWidth(4, 10));
        QVERIFY(!m_grid->setColumnWidth(0, -1));
        QVERIFY(m_grid->setColumnWidth(3, 0));
        QCOMPARE(m_grid->rowCount(), 4);
        QVERIFY(m_grid->isCellModified(2, 1));
        QVERIFY(!m_grid->isCellModified(2, 5));
    }

    void selectedRangeOfNothingIsTheGridSizeAndMinusOne()
    {
        makeGrid(5, 4);
        QCOMPARE(m_grid->selectedRange(), (CellRange{6, 4, -1, -1}));
        QVERIFY(!m_grid->selectedRange().isValid());
        m_grid->setSelectedRange(2, 1, 3, 2);
        QCOMPARE(m_grid->selectedRange(), (CellRange{2, 1, 3, 2}));
        m_grid->setSelectedRange(1, 0, 5, 3, false);
        QCOMPARE(m_grid->selectedRange(), (CellRange{6, 4, -1, -1}));
    }

    void setSelectedRangeRaisesFixedBoundsAndIgnoresRangesBeyondTheGrid()
    {
        makeGrid(5, 4);
        m_grid->setSelectedRange(3, 0, 3, 3);
        QCOMPARE(selectedCells(), (Cells{{3, 0}, {3, 1}, {3, 2}, {3, 3}}));

        // Row 0 is the header: the range starts on the first data row.
        m_grid->setSelectedRange(0, 1, 0, 1);
        QCOMPARE(selectedCells(), (Cells{{1, 1}}));

        // Adding to the selection, then removing one cell of it.
        m_grid->setSelectedRange(1, 1, 2, 2, true);
        m_grid->setSelectedRange(2, 2, 2, 2, false);
        QCOMPARE(selectedCells(), (Cells{{1, 1}, {1, 2}, {2, 1}}));

        // Beyond the last row: the old selection is cleared and nothing else happens.
        m_grid->setSelectedRange(4, 0, 6, 3);
        QCOMPARE(selectedCells(), Cells());
        m_grid->setSelectedRange(1, 0, 1, 0);
        m_grid->setSelectedRange(2, 3, 2, 4, false);
        QCOMPARE(selectedCells(), (Cells{{1, 0}}));
    }

    void singleRowSelectionKeepsOneRowWhateverTheUserClicks()
    {
        makeGrid(12, 1);
        m_grid->setSingleRowSelection(true);
        show();
        click(2, 0);
        QCOMPARE(m_grid->rememberedRow(), 2);
        click(5, 0, Qt::ShiftModifier);
        QCOMPARE(selectedCells(), (Cells{{2, 0}}));
        click(7, 0, Qt::ControlModifier);
        QCOMPARE(selectedCells(), (Cells{{2, 0}}));
        QTest::keyClick(view(), Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(selectedCells(), (Cells{{2, 0}}));

        click(7, 0);
        QCOMPARE(selectedCells(), (Cells{{7, 0}}));
        QCOMPARE(m_grid->rememberedRow(), 7);

        // The program's own ranges follow the same rule.
        m_grid->setSelectedRange(3, 0, 3, 0, true);
        QCOMPARE(m_grid->rememberedRow(), 3);
        m_grid->setSelectedRange(1, 0, 6, 0, false);
        QCOMPARE(selectedCells(), Cells());
        QCOMPARE(m_grid->rememberedRow(), -1);

        m_grid->setSingleRowSelection(false);
        click(2, 0);
        click(4, 0, Qt::ShiftModifier);
        QCOMPARE(selectedCells(), (Cells{{2, 0}, {3, 0}, {4, 0}}));
    }

    void headerClickSelectsTheColumnAndNeverSorts()
    {
        makeGrid(6, 3);
        m_grid->setCellText(1, 1, QStringLiteral("zzz"));
        show();
        QSignalSpy changing(m_grid.get(), &CGridCtrl::selectionChanging);
        QSignalSpy changed(m_grid.get(), &CGridCtrl::selectionChanged);
        QHeaderView* header = view()->horizontalHeader();
        const int x = header->sectionViewportPosition(1) + header->sectionSize(1) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(x, header->height() / 2));
        QCOMPARE(m_grid->selectedRange(), (CellRange{1, 1, 6, 1}));
        QCOMPARE(selectedCells().size(), 6);
        QCOMPARE(m_grid->cellText(1, 1), QStringLiteral("zzz"));
        QCOMPARE(m_grid->cellText(2, 1), QStringLiteral("r2c1"));
        QCOMPARE(changing.size(), 1);
        QCOMPARE(changing.front(), (QVariantList{0, 1}));
        QCOMPARE(changed.size(), 1);
    }

    void ctrlASelectsEveryCellAndTellsTheHost()
    {
        makeGrid(4, 2);
        show();
        click(1, 0);
        QSignalSpy changing(m_grid.get(), &CGridCtrl::selectionChanging);
        QSignalSpy changed(m_grid.get(), &CGridCtrl::selectionChanged);
        QTest::keyClick(view(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(selectedCells().size(), 8);
        QCOMPARE(changing.size(), 1);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.front(), (QVariantList{1, 0}));
    }

    void deleteAsksBeginAndEndEditForEachSelectedCell()
    {
        makeGrid(4, 2);
        m_refusedAtBegin = {{2, 1}};
        m_undoneAtEnd = {{1, 1}};
        show();
        click(1, 0);
        click(2, 1, Qt::ShiftModifier);
        QTest::keyClick(view(), Qt::Key_Delete);
        QCOMPARE(m_begun, (Cells{{1, 0}, {1, 1}, {2, 0}, {2, 1}}));
        QCOMPARE(m_ended, (Cells{{1, 0}, {1, 1}, {2, 0}}));
        QCOMPARE(m_grid->cellText(1, 0), QString());
        QCOMPARE(m_grid->cellText(1, 1), QStringLiteral("r1c1")); // undone at end edit
        QCOMPARE(m_grid->cellText(2, 0), QString());
        QCOMPARE(m_grid->cellText(2, 1), QStringLiteral("r2c1")); // refused at begin edit
        QCOMPARE(m_grid->cellText(3, 0), QStringLiteral("r3c0"));
    }

    void copyAndCutSeparateCellsByTabsAndRowsByLineBreaks()
    {
        makeGrid(4, 3);
        show();
        m_grid->setSelectedRange(2, 0, 3, 1);
        QTest::keyClick(view(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("r2c0\tr2c1\nr3c0\tr3c1"));
        QApplication::clipboard()->clear();
        QTest::keyClick(view(), Qt::Key_Insert, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("r2c0\tr2c1\nr3c0\tr3c1"));

        m_grid->setSelectedRange(1, 2, 1, 2);
        QTest::keyClick(view(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("r1c2"));
        QCOMPARE(m_grid->cellText(1, 2), QString());
        QCOMPARE(m_ended, (Cells{{1, 2}}));
    }

    void pasteSplitsAtCommasTabsAndLineBreaks()
    {
        makeGrid(4, 2);
        show();
        QApplication::clipboard()->setText(QStringLiteral("  kato , hundo  "));
        click(1, 0);
        QTest::keyClick(view(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(m_grid->cellText(1, 0), QStringLiteral("kato"));
        QCOMPARE(m_grid->cellText(1, 1), QStringLiteral("hundo"));
        QCOMPARE(selectedCells(), (Cells{{1, 0}, {1, 1}}));
        QCOMPARE(m_ended, (Cells{{1, 0}, {1, 1}}));

        // In the last column the part after the comma has no cell and is dropped.
        click(2, 1);
        QTest::keyClick(view(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(m_grid->cellText(2, 1), QStringLiteral("kato"));
        QCOMPARE(m_grid->cellText(2, 0), QStringLiteral("r2c0"));
        QCOMPARE(m_grid->cellText(3, 0), QStringLiteral("r3c0"));

        // Rows at line breaks; a final line break adds no row; rows beyond the grid are dropped.
        QApplication::clipboard()->setText(QStringLiteral("a\tb\r\nc,d\ne\n"));
        click(3, 0);
        QTest::keyClick(view(), Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(m_grid->cellText(3, 0), QStringLiteral("a"));
        QCOMPARE(m_grid->cellText(3, 1), QStringLiteral("b"));
        QCOMPARE(m_grid->cellText(4, 0), QStringLiteral("c"));
        QCOMPARE(m_grid->cellText(4, 1), QStringLiteral("d"));
        QCOMPARE(m_grid->rowCount(), 5);
        QCOMPARE(m_grid->selectedRange(), (CellRange{3, 0, 4, 1}));
    }

    void typingReplacesTheTextAndEnterKeepsIt()
    {
        makeGrid(4, 2);
        show();
        click(2, 1);
        type(QStringLiteral("Zo"));
        QLineEdit* editor = openEditor();
        QVERIFY(editor);
        QCOMPARE(editor->text(), QStringLiteral("Zo"));
        QCOMPARE(m_begun, (Cells{{2, 1}}));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!openEditor());
        QCOMPARE(m_grid->cellText(2, 1), QStringLiteral("Zo"));
        QCOMPARE(m_ended, (Cells{{2, 1}}));
    }

    void editorClosesAsItWasOpened()
    {
        makeGrid(4, 2);
        show();
        // Escape restores the text and sends no end edit.
        click(1, 0);
        QTest::keyClick(view(), Qt::Key_F2);
        QLineEdit* editor = openEditor();
        QVERIFY(editor);
        QCOMPARE(editor->text(), QStringLiteral("r1c0"));
        QTest::keyClicks(editor, QStringLiteral("xyz"));
        QTest::keyClick(editor, Qt::Key_Escape);
        QTRY_VERIFY(!openEditor());
        QCOMPARE(m_grid->cellText(1, 0), QStringLiteral("r1c0"));
        QVERIFY(m_ended.isEmpty());

        // Opened by typing, Down keeps the text and moves on.
        QTest::keyClicks(view(), QStringLiteral("Q"));
        QVERIFY(openEditor());
        QTest::keyClick(openEditor(), Qt::Key_Down);
        QTRY_VERIFY(!openEditor());
        QCOMPARE(m_grid->cellText(1, 0), QStringLiteral("Q"));
        QCOMPARE(m_grid->focusRow(), 2);

        // Opened by a double-click, Down stays in the editor; Tab keeps the text and moves right.
        doubleClick(3, 0);
        editor = openEditor();
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_Down);
        QCOMPARE(openEditor(), editor);
        editor->setText(QStringLiteral("Kato"));
        QTest::keyClick(editor, Qt::Key_Tab);
        QTRY_VERIFY(!openEditor());
        QCOMPARE(m_grid->cellText(3, 0), QStringLiteral("Kato"));
        QCOMPARE(m_grid->focusColumn(), 1);
        QCOMPARE(m_ended, (Cells{{1, 0}, {3, 0}}));

        // An unchanged text sends no end edit.
        QTest::keyClick(view(), Qt::Key_F2);
        QVERIFY(openEditor());
        QTest::keyClick(openEditor(), Qt::Key_Return);
        QTRY_VERIFY(!openEditor());
        QCOMPARE(m_ended.size(), 2);
    }

    void beginEditRefusalKeepsTheEditorClosed()
    {
        makeGrid(3, 1);
        m_refusedAtBegin = {{2, 0}};
        show();
        click(2, 0);
        QTest::keyClick(view(), Qt::Key_F2);
        QVERIFY(!openEditor());
        QTest::keyClicks(view(), QStringLiteral("w"));
        QVERIFY(!openEditor());
        QCOMPARE(m_grid->cellText(2, 0), QStringLiteral("r2c0"));
    }

    void editLockRefusesTheEditorButAcceptsADrop()
    {
        makeGrid(5, 1);
        m_grid->setEditLocked(true);
        m_grid->setDragAndDropEnabled(true);
        m_grid->setRowDragMode(false);
        show();
        doubleClick(2, 0);
        QVERIFY(!openEditor());
        QTest::keyClick(view(), Qt::Key_F2);
        QTest::keyClicks(view(), QStringLiteral("x"));
        QVERIFY(!openEditor());
        QCOMPARE(m_grid->cellText(2, 0), QStringLiteral("r2c0"));
        QVERIFY(m_begun.isEmpty());

        QVERIFY(drop(plainText(QStringLiteral("Hundo")), 3, 0));
        QCOMPARE(m_grid->cellText(3, 0), QStringLiteral("Hundo"));
        QCOMPARE(m_ended, (Cells{{3, 0}}));
        click(2, 0);
        QTest::keyClick(view(), Qt::Key_Delete);
        QCOMPARE(m_grid->cellText(2, 0), QString());
    }

    void dropWithinTheGridChangesOnlyTheTargetAndLeavesNothingSelected()
    {
        makeGrid(6, 1);
        m_grid->setDragAndDropEnabled(true);
        m_grid->setRowDragMode(false);
        m_grid->setCellText(2, 0, QStringLiteral("kato, hundo"));
        show();
        click(2, 0);
        QVERIFY(drop(dragOfSelection(), 5, 0));
        QCOMPARE(m_grid->cellText(5, 0), QStringLiteral("kato, hundo")); // whole, comma and all
        QCOMPARE(m_grid->cellText(2, 0), QStringLiteral("kato, hundo"));
        QCOMPARE(m_grid->cellText(6, 0), QStringLiteral("r6c0"));
        QCOMPARE(selectedCells(), Cells());
        QCOMPARE(m_begun, (Cells{{5, 0}}));
        QCOMPARE(m_ended, (Cells{{5, 0}}));
        // What a move does to its source afterwards: nothing is selected, so nothing is emptied.
        m_grid->deleteSelection();
        QCOMPARE(m_grid->cellText(2, 0), QStringLiteral("kato, hundo"));
    }

    void dropOfAnotherProgramsTextIsSplitAsAPaste()
    {
        makeGrid(3, 2);
        m_grid->setDragAndDropEnabled(true);
        m_grid->setRowDragMode(false);
        QVERIFY(drop(plainText(QStringLiteral("kato, hundo")), 2, 0));
        QCOMPARE(m_grid->cellText(2, 0), QStringLiteral("kato"));
        QCOMPARE(m_grid->cellText(2, 1), QStringLiteral("hundo"));
    }

    void dropIsRefusedWhereTheGridOrCellSaysNo()
    {
        makeGrid(3, 1);
        QVERIFY(!drop(plainText(QStringLiteral("a")), 1, 0)); // drag and drop off
        m_grid->setDragAndDropEnabled(true);
        QVERIFY(!drop(plainText(QStringLiteral("a")), 1, 0)); // row drag mode still on
        m_grid->setRowDragMode(false);
        m_grid->setCellReadOnly(2, 0, true);
        QVERIFY(!drop(plainText(QStringLiteral("a")), 2, 0));
        m_grid->setEditable(false);
        QVERIFY(!drop(plainText(QStringLiteral("a")), 1, 0));
        QCOMPARE(m_grid->cellText(1, 0), QStringLiteral("r1c0"));
        QCOMPARE(m_grid->cellText(2, 0), QStringLiteral("r2c0"));
        QVERIFY(m_begun.isEmpty());
    }

    void gridThatIsNotEditableRefusesEveryUserChange()
    {
        makeGrid(3, 2);
        m_grid->setEditable(false);
        show();
        click(1, 0);
        QTest::keyClick(view(), Qt::Key_Delete);
        QApplication::clipboard()->setText(QStringLiteral("x"));
        QTest::keyClick(view(), Qt::Key_V, Qt::ControlModifier);
        doubleClick(1, 0);
        QVERIFY(!openEditor());
        QCOMPARE(m_grid->cellText(1, 0), QStringLiteral("r1c0"));
        QVERIFY(m_begun.isEmpty());
        // Selecting and copying still work.
        QTest::keyClick(view(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("r1c0"));
    }

    void tipShowsOnlyTextsWiderThanTheirColumn()
    {
        makeGrid(3, 2);
        const QString longText = QStringLiteral("Lentille (optique) convergente et divergente");
        m_grid->setCellText(1, 0, longText);
        m_grid->setColumnWidth(0, 80);
        show();
        QHelpEvent wide(QEvent::ToolTip, centre(1, 0), cells()->mapToGlobal(centre(1, 0)));
        QApplication::sendEvent(cells(), &wide);
        QTRY_COMPARE(QToolTip::text(), longText);
        QHelpEvent narrow(QEvent::ToolTip, centre(2, 0), cells()->mapToGlobal(centre(2, 0)));
        QApplication::sendEvent(cells(), &narrow);
        QTRY_VERIFY(!QToolTip::isVisible());
    }

    void clientWidthIsKnownBeforeTheGridIsShown()
    {
        for (const int dataRows : {3, 400}) {
            makeGrid(dataRows, 4);
            m_grid->resize(500, 250);
            const int expected = m_grid->clientWidth();
            show();
            QCOMPARE(view()->verticalScrollBar()->isVisible(), dataRows > 3);
            QCOMPARE(view()->viewport()->width(), expected);
            m_grid.reset();
        }
    }
};

QTEST_MAIN(CGridCtrlTest)
#include "CGridCtrlTest.moc"
