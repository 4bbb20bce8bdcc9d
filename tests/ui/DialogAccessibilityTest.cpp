// Every dialog as assistive technology and large desktops see it: each interactive control has an
// accessible name, and no label or button text is cut. Run by ctest once at the default font, once
// at QT_SCALE_FACTOR=2 and once with a 14-point application font (ZENVALO_TEST_POINT_SIZE=14).
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextDocument>

#include "CZenvaloView.h"
#include "EveryDialog.h"
#include "Looks.h"

namespace {

bool isInteractive(const QWidget* widget)
{
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QComboBox*>(widget) || qobject_cast<const QAbstractItemView*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) || qobject_cast<const QAbstractSlider*>(widget);
}

// A control inside another (a combo box's field, a grid's editor, a scroll bar) is named by its owner.
bool ownedByAnotherControl(const QWidget* widget, const QWidget* dialog)
{
    for (const QWidget* up = widget->parentWidget(); up != nullptr && up != dialog; up = up->parentWidget())
        if (isInteractive(up))
            return true;
    return qobject_cast<const QAbstractSlider*>(widget) && widget->parentWidget() != nullptr &&
           widget->parentWidget()->inherits("QAbstractScrollArea");
}

QString describe(const QWidget* widget)
{
    return QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ') + widget->objectName();
}

// The width a text needs in its control and the width the control gives it (for a wrapped label,
// the heights), or {0, 0} when it shows no text.
std::pair<int, int> neededAndGiven(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->text().isEmpty() || Qt::mightBeRichText(label->text()))
            return {0, 0};
        if (label->wordWrap()) // a wrapped text needs height instead
            return {label->heightForWidth(label->width()), label->height()};
        QString text = label->text();
        if (label->buddy() != nullptr)
            text.remove(QLatin1Char('&'));
        const int width =
            label->contentsRect().width() - 2 * std::max(label->margin(), 0) - std::max(label->indent(), 0);
        int needed = 0;
        for (const QString& line : text.split(QLatin1Char('\n')))
            needed = std::max(needed, label->fontMetrics().horizontalAdvance(line));
        return {needed, width};
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget);
        button && !button->text().isEmpty()) {
        QString text = button->text();
        text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
        const int needed = button->fontMetrics().horizontalAdvance(text);
        QStyleOptionButton option;
        option.initFrom(button);
        QStyle::SubElement contents = QStyle::SE_PushButtonContents;
        if (button->inherits("QCheckBox"))
            contents = QStyle::SE_CheckBoxContents;
        else if (button->inherits("QRadioButton"))
            contents = QStyle::SE_RadioButtonContents;
        else if (!qobject_cast<const QPushButton*>(button))
            return {0, 0};
        int given = button->style()->subElementRect(contents, &option, button).width();
        if (contents == QStyle::SE_PushButtonContents)
            given -= 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button) / 3;
        return {needed, given};
    }
    return {0, 0};
}

} // namespace

class DialogAccessibilityTest final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<EveryDialog> m_every;

    // Calls check on every visible widget of every dialog, and fails naming each complaint.
    void overEveryDialog(const std::function<QString(const QWidget*, const QWidget*)>& check)
    {
        QStringList complaints;
        for (const auto& [name, make] : m_every->dialogs()) {
            const std::unique_ptr<QDialog> dialog = make();
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
            for (const QWidget* widget : dialog->findChildren<QWidget*>())
                if (widget->isVisibleTo(dialog.get()))
                    if (const QString complaint = check(widget, dialog.get()); !complaint.isEmpty())
                        complaints.append(name + QStringLiteral(": ") + describe(widget) +
                                          QStringLiteral(" ") + complaint);
        }
        for (const QString& complaint : std::as_const(complaints))
            qWarning("%s", qPrintable(complaint));
        QVERIFY2(complaints.isEmpty(), "see the controls listed above");
    }

private slots:
    void initTestCase()
    {
        if (const int points = qEnvironmentVariableIntValue("ZENVALO_TEST_POINT_SIZE"); points > 0) {
            QFont font = QApplication::font();
            font.setPointSize(points);
            QApplication::setFont(font);
        }
        m_every = std::make_unique<EveryDialog>();
    }

    void everyInteractiveControlHasAnAccessibleNameAndEveryFieldLabelIsABuddy()
    {
        overEveryDialog([](const QWidget* widget, const QWidget* dialog) {
            // A label that ends in a colon names the field after it, for the screen reader as well.
            if (const auto* label = qobject_cast<const QLabel*>(widget))
                return label->text().trimmed().endsWith(QLatin1Char(':')) && label->buddy() == nullptr
                           ? QStringLiteral("is not the buddy of its field")
                           : QString();
            if (!isInteractive(widget) || ownedByAnotherControl(widget, dialog))
                return QString();
            QAccessibleInterface* accessible =
                QAccessible::queryAccessibleInterface(const_cast<QWidget*>(widget));
            if (accessible == nullptr)
                return QStringLiteral("has no accessible interface");
            return accessible->text(QAccessible::Name).trimmed().isEmpty()
                       ? QStringLiteral("has no accessible name")
                       : QString();
        });
    }

    void noLabelOrButtonTextIsCut()
    {
        int checkedTexts = 0;
        overEveryDialog([&checkedTexts](const QWidget* widget, const QWidget*) {
            const auto [needed, given] = neededAndGiven(widget);
            checkedTexts += needed > 0 ? 1 : 0;
            if (needed <= given)
                return QString();
            return QStringLiteral("needs %1 pixels for its text, has %2").arg(needed).arg(given);
        });
        QVERIFY(checkedTexts > 50); // the measure reached the texts
    }

    // What stands beyond the screen's foot cannot be reached: on a 1920 x 1080 screen every dialog,
    // with room for its frame, fits.
    void everyDialogFitsAFullHdScreen()
    {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        if (screen.height() < 1080)
            QSKIP("the screen is smaller than 1920 x 1080");
        for (const auto& [name, make] : m_every->dialogs()) {
            const std::unique_ptr<QDialog> dialog = make();
            dialog->show();
            const int frame = 2 * dialog->fontMetrics().height();
            QVERIFY2(dialog->width() <= screen.width() && dialog->height() + frame <= screen.height(),
                     qPrintable(name));
        }
    }

    // The dark look stays for the checks after this one, which do not depend on it.
    void textOnColouredFieldsStaysReadableInTheDarkLook()
    {
        Looks::apply(216);
        const auto brightness = [](const QColor& c) {
            return (299 * c.red() + 587 * c.green() + 114 * c.blue()) / 1000;
        };
        int coloured = 0;
        overEveryDialog([&](const QWidget* widget, const QWidget*) {
            const auto* field = qobject_cast<const QLineEdit*>(widget);
            if (field == nullptr ||
                field->palette().color(QPalette::Base) == QApplication::palette().color(QPalette::Base))
                return QString();
            ++coloured;
            const int contrast = std::abs(brightness(field->palette().color(QPalette::Base)) -
                                          brightness(field->palette().color(QPalette::Text)));
            return contrast < 100 ? QStringLiteral("shows its text with a contrast of %1").arg(contrast)
                                  : QString();
        });
        QVERIFY(coloured >= 10); // the category fields at least
    }

    void theMainViewTellsItsThreeTexts()
    {
        CZenvaloView view(m_every->store);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&view);
        QVERIFY(accessible != nullptr);
        const QStringList texts = view.shownTexts();
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Franca-Esperanto"));
        QCOMPARE(accessible->text(QAccessible::Description), texts[1] + QStringLiteral(", ") + texts[2]);
        QCOMPARE(texts[1], QStringLiteral("4 vortoj"));
        QVERIFY(!texts[2].isEmpty());

        // What a screen reader asks is read at the moment it asks.
        m_every->store.setDataTitle(u"Germana-Esperanto");
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Germana-Esperanto"));
    }
};

QTEST_MAIN(DialogAccessibilityTest)
#include "DialogAccessibilityTest.moc"
