#pragma once

#include <QFont>
#include <QRect>

class QWidget;

// Places widgets by dialog units, the layout measure of the program's dialogs: a horizontal unit is
// a quarter of the font's average character width, a vertical unit an eighth of its height.
class DialogUnits final
{
public:
    explicit DialogUnits(const QFont& font);

    int x(int units) const;
    int y(int units) const;
    QRect rect(int left, int top, int width, int height) const;
    QSize size(int width, int height) const;
    // Sets the geometry of widget from dialog units.
    void place(QWidget* widget, int left, int top, int width, int height) const;

    // Widens every label and button of dialog whose text would be cut off, moving whatever stands
    // to its right along by as much (and widening what spans it), so that places keep their order;
    // the dialog grows by the same amount. Call it once every child is placed.
    static void fitTexts(QWidget* dialog);

private:
    int m_averageCharWidth;
    int m_fontHeight;
};
