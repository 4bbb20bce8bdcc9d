#pragma once

#include <QObject>

class QMargins;
class QPoint;
class QRect;
class QSize;

// Opens every dialog of the application (message boxes and file choosers included) centred over
// the window it belongs to, frames included, and kept within the screen; when the dialog closes,
// that window has the keyboard again. Install it once on the application.
class DialogWindows final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DialogWindows)

public:
    explicit DialogWindows(QObject* parent = nullptr);

    // The outer top-left corner of a dialog of clientSize whose window frame will be frame, centred
    // over ownerFrame (the owner's outer rectangle) and moved as little as needed to lie on screen.
    static QPoint centredFramePosition(const QRect& ownerFrame, const QSize& clientSize,
                                       const QMargins& frame, const QRect& screen);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
