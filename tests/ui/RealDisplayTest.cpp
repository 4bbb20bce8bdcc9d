// The dialogs on a real X display under a window manager, driven by real input through the X
// server (xdotool): what offscreen tests cannot see, a frame lying over a control or a focus chain
// that traps the keyboard. Started by tests/desktop/run_on_display.py, which provides the display.
#include <memory>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProcess>
#include <QTableView>
#include <QTest>

#include "CDlg_Kiu_kies.h"
#include "CDlg_Modifu.h"
#include "CGridCtrl.h"
#include "EveryDialog.h"

namespace {

void xdotool(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    QVERIFY2(process.waitForFinished(10000), "xdotool did not finish");
    QCOMPARE(process.exitCode(), 0);
}

// Records which widget each real mouse press reaches, and swallows the press and its release so that
// probing a control never triggers it.
class PressProbe final : public QObject
{
public:
    QWidget* pressed = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
            pressed = static_cast<QWidget*>(watched);
            return true;
        }
        return event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::MouseButtonDblClick;
    }
};

bool isInteractive(const QWidget* widget)
{
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QComboBox*>(widget) || qobject_cast<const QAbstractItemView*>(widget);
}

QString nameOf(const QWidget* widget)
{
    if (widget == nullptr)
        return QStringLiteral("nothing");
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

} // namespace

class RealDisplayTest final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<EveryDialog> m_every;

    static void showOnScreen(QDialog& dialog)
    {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        // Until the window manager has framed the window, its place may still change.
        QTRY_VERIFY2(dialog.frameGeometry() != dialog.geometry(), qPrintable(dialog.objectName()));
        QTest::qWait(200);
    }

    // Presses Tab (or Ctrl+Tab inside a grid) with real keys and lists where the focus goes.
    static QStringList walkTabOrder(int steps)
    {
        QStringList names{nameOf(QApplication::focusWidget())};
        for (int i = 0; i < steps; ++i) {
            const bool inGrid = qobject_cast<QAbstractItemView*>(QApplication::focusWidget()) != nullptr;
            QWidget* before = QApplication::focusWidget();
            xdotool({QStringLiteral("key"), inGrid ? QStringLiteral("ctrl+Tab") : QStringLiteral("Tab")});
            if (!QTest::qWaitFor([before] { return QApplication::focusWidget() != before; }, 3000))
                break;
            names.append(nameOf(QApplication::focusWidget()));
        }
        return names;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QGuiApplication::platformName() == QStringLiteral("xcb"), "needs a real X display");
        m_every = std::make_unique<EveryDialog>();
    }

    void aClickAtTheCentreOfEveryControlReachesThatControl()
    {
        for (const auto& [name, make] : m_every->dialogs()) {
            const std::unique_ptr<QDialog> dialog = make();
            showOnScreen(*dialog);
            PressProbe probe;
            qApp->installEventFilter(&probe);
            const QList<QWidget*> children = dialog->findChildren<QWidget*>();
            for (QWidget* control : children) {
                if (!isInteractive(control) || !control->isVisible() || !control->isEnabled())
                    continue;
                const QPoint centre = control->mapToGlobal(control->rect().center());
                probe.pressed = nullptr;
                xdotool({QStringLiteral("mousemove"), QString::number(centre.x()),
                         QString::number(centre.y()), QStringLiteral("click"), QStringLiteral("1")});
                QTRY_VERIFY_WITH_TIMEOUT(probe.pressed != nullptr, 3000);
                const bool reached = probe.pressed == control || control->isAncestorOf(probe.pressed);
                QVERIFY2(reached, qPrintable(name + QStringLiteral(": a click on ") + nameOf(control) +
                                             QStringLiteral(" reached ") + nameOf(probe.pressed)));
            }
            qApp->removeEventFilter(&probe);
        }
    }

    void tabWalksTheModifyDialogAndLeavesItsGrid()
    {
        CDlg_Modifu dialog(m_every->store, m_every->prompts);
        showOnScreen(dialog);
        QTRY_COMPARE(nameOf(QApplication::focusWidget()), QStringLiteral("searchLineEdit"));
        QCOMPARE(walkTabOrder(9),
                 (QStringList{QStringLiteral("searchLineEdit"), QStringLiteral("findNextButton"),
                              QStringLiteral("exchangeButton"), QStringLiteral("deleteButton"),
                              QStringLiteral("confirmButton"), QStringLiteral("cancelButton"),
                              QStringLiteral("cellTableView"), QStringLiteral("categoryComboBox"),
                              QStringLiteral("applyButton"), QStringLiteral("searchLineEdit")}));

        // Tab walks the cells; on the last one it goes on to the next control, Shift+Tab back.
        auto* grid = dialog.findChild<CGridCtrl*>(QStringLiteral("entriesGrid"));
        grid->tableView()->setFocus();
        grid->setFocusCell(grid->rowCount() - 1, 2);
        xdotool({QStringLiteral("key"), QStringLiteral("Tab")});
        QTRY_COMPARE(grid->focusColumn(), 3);
        QVERIFY(grid->tableView()->hasFocus());
        xdotool({QStringLiteral("key"), QStringLiteral("Tab")});
        QTRY_COMPARE(nameOf(QApplication::focusWidget()), QStringLiteral("categoryComboBox"));
        xdotool({QStringLiteral("key"), QStringLiteral("shift+Tab")});
        QTRY_COMPARE(nameOf(QApplication::focusWidget()), QStringLiteral("cellTableView"));
        xdotool({QStringLiteral("key"), QStringLiteral("ctrl+shift+Tab")});
        QTRY_COMPARE(nameOf(QApplication::focusWidget()), QStringLiteral("cancelButton"));
    }

    void ctrlTabLeavesBothGridsOfTheMatchingGame()
    {
        CDlg_Kiu_kies dialog(m_every->store, m_every->prompts, m_every->random);
        showOnScreen(dialog);
        auto* left = dialog.findChild<CGridCtrl*>(QStringLiteral("leftGrid"));
        auto* right = dialog.findChild<CGridCtrl*>(QStringLiteral("rightGrid"));
        left->tableView()->setFocus();
        QTRY_VERIFY(left->tableView()->hasFocus());
        xdotool({QStringLiteral("key"), QStringLiteral("ctrl+Tab")});
        QTRY_VERIFY(right->tableView()->hasFocus());
        xdotool({QStringLiteral("key"), QStringLiteral("ctrl+Tab")});
        QTRY_COMPARE(nameOf(QApplication::focusWidget()), QStringLiteral("exitButton"));
    }
};

QTEST_MAIN(RealDisplayTest)
#include "RealDisplayTest.moc"
