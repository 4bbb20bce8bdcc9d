#pragma once

#include <QFont>
#include <functional>
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

    // The width a widget needs to show its whole text: a label's or a button's, 0 for the others.
    static int textWidth(const QWidget* widget);
    // How fitTexts treats the widgets that overlap a widened one only in part.
    enum class Overlaps
    {
        StayPut,        // for dialogs laid out in rows
        FollowRightEdge // for widgets stacked under one another that share a right edge
    };
    // Widens every child of dialog that is narrower than neededWidth says (by default textWidth),
    // left to right. When a widget grows, what starts right of it moves along by as much and what
    // spans it widens by as much, so that places keep their order. With FollowRightEdge, the widgets
    // are taken in the order of their right edges, what starts within a widened one and ends beyond
    // it moves too, and what starts within it and ends where it ends widens, so that right edges
    // stay aligned. The dialog grows by as much as its children. Call it
    // once every child is placed.
    static void fitTexts(QWidget* dialog, const std::function<int(const QWidget*)>& neededWidth = textWidth,
                         Overlaps overlaps = Overlaps::StayPut);

private:
    int m_averageCharWidth;
    int m_fontHeight;
};
