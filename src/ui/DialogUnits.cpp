#include "DialogUnits.h"

#include <QFontMetrics>
#include <QWidget>

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    m_averageCharWidth = metrics.averageCharWidth();
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
    return {x(left), y(top), x(width), y(height)};
}

QSize DialogUnits::size(int width, int height) const
{
    return {x(width), y(height)};
}

void DialogUnits::place(QWidget* widget, int left, int top, int width, int height) const
{
    widget->setGeometry(rect(left, top, width, height));
}
