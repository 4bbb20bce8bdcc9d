#include "DialogUnits.h"

#include <algorithm>

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

DialogUnits::DialogUnits(const QFont& font)
{
    // The average width of the Latin letters, as dialog units are measured, rather than the font's
    // own average: it follows the widths of real words more closely.
    const QFontMetrics metrics(font);
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    m_averageCharWidth = (metrics.horizontalAdvance(alphabet) / 26 + 1) / 2;
    m_fontHeight = metrics.height();
}

int DialogUnits::x(int units) const
{
    return (units * m_averageCharWidth + 2) / 4;
}

int DialogUnits::y(int units) const
{
    return (units * m_fontHeight + 4) / 8;
}

QRect DialogUnits::rect(int left, int top, int width, int height) const
{
    // Edges are converted rather than sizes, so that widgets side by side never overlap by rounding.
    return {x(left), y(top), x(left + width) - x(left), y(top + height) - y(top)};
}

QSize DialogUnits::size(int width, int height) const
{
    return {x(width), y(height)};
}

void DialogUnits::place(QWidget* widget, int left, int top, int width, int height) const
{
    widget->setGeometry(rect(left, top, width, height));
}

// A push button needs its text and a little room, not the wide minimum the style would give it.
int DialogUnits::textWidth(const QWidget* widget)
{
    if (const auto* button = qobject_cast<const QPushButton*>(widget))
        return button->fontMetrics().horizontalAdvance(button->text()) +
               4 * button->fontMetrics().averageCharWidth() / 2;
    if (qobject_cast<const QAbstractButton*>(widget))
        return widget->sizeHint().width();
    if (const auto* label = qobject_cast<const QLabel*>(widget); label && !label->wordWrap())
        return label->sizeHint().width();
    return 0;
}

void DialogUnits::fitTexts(QWidget* dialog, const std::function<int(const QWidget*)>& neededWidth,
                           Overlaps overlaps)
{
    QList<QWidget*> children = dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    children.removeIf([](const QWidget* child) { return child->isWindow(); });
    // Stacked widgets go by their right edges, so that a wide one below narrow ones (a list under a
    // row of buttons) grows only by what they have not already given it.
    std::stable_sort(children.begin(), children.end(), [overlaps](const QWidget* a, const QWidget* b) {
        if (overlaps == Overlaps::FollowRightEdge && a->geometry().right() != b->geometry().right())
            return a->geometry().right() < b->geometry().right();
        return a->x() < b->x();
    });
    int rightmost = 0;
    for (const QWidget* child : std::as_const(children))
        rightmost = std::max(rightmost, child->geometry().right());
    const int margin = dialog->width() - rightmost;

    for (QWidget* widget : std::as_const(children)) {
        const int shortfall = neededWidth(widget) - widget->width();
        if (shortfall <= 0)
            continue;
        const int left = widget->x();
        const int right = widget->geometry().right();
        widget->resize(widget->width() + shortfall, widget->height());
        for (QWidget* other : std::as_const(children)) {
            if (other == widget)
                continue;
            const int otherRight = other->geometry().right();
            const bool within = overlaps == Overlaps::FollowRightEdge && other->x() > left;
            if (other->x() > right || (within && otherRight > right))
                other->move(other->x() + shortfall, other->y());
            else if ((other->x() <= left && otherRight >= right) || (within && otherRight == right))
                other->resize(other->width() + shortfall, other->height()); // a frame or field around it
        }
    }
    rightmost = 0;
    for (const QWidget* child : std::as_const(children))
        rightmost = std::max(rightmost, child->geometry().right());
    if (rightmost + margin > dialog->width())
        dialog->setFixedWidth(rightmost + margin);
}
