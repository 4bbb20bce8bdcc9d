#include "DialogWindows.h"

#include <algorithm>

#include <QDialog>
#include <QEvent>
#include <QMargins>
#include <QRect>
#include <QScreen>

DialogWindows::DialogWindows(QObject* parent) : QObject(parent) {}

QPoint DialogWindows::centredFramePosition(const QRect& ownerFrame, const QSize& clientSize,
                                           const QMargins& frame, const QRect& screen)
{
    const QSize outer = clientSize.grownBy(frame);
    const QPoint centre = ownerFrame.topLeft() + QPoint(ownerFrame.width() / 2, ownerFrame.height() / 2);
    int x = centre.x() - outer.width() / 2;
    int y = centre.y() - outer.height() / 2;
    x = std::max(screen.left(), std::min(x, screen.left() + screen.width() - outer.width()));
    y = std::max(screen.top(), std::min(y, screen.top() + screen.height() - outer.height()));
    return {x, y};
}

bool DialogWindows::eventFilter(QObject* watched, QEvent* event)
{
    const bool shown = event->type() == QEvent::Show;
    if ((!shown && event->type() != QEvent::Hide) || !watched->isWidgetType())
        return QObject::eventFilter(watched, event);
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (dialog == nullptr || !dialog->isWindow() || dialog->parentWidget() == nullptr)
        return QObject::eventFilter(watched, event);
    QWidget* owner = dialog->parentWidget()->window();
    if (!owner->isVisible())
        return QObject::eventFilter(watched, event);
    if (!shown) {
        // A window manager may leave no window active when a dialog closes after a dialog of its own.
        owner->activateWindow();
        return QObject::eventFilter(watched, event);
    }
    // The dialog's own frame is drawn only once it is shown; the owner's, from the same window
    // manager, stands in for it.
    const QRect ownerFrame = owner->frameGeometry();
    const QRect ownerClient = owner->geometry();
    const QMargins frame(ownerClient.left() - ownerFrame.left(), ownerClient.top() - ownerFrame.top(),
                         ownerFrame.right() - ownerClient.right(),
                         ownerFrame.bottom() - ownerClient.bottom());
    const QScreen* screen = owner->screen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : ownerFrame;
    // Until the window manager has framed the dialog, its position is that of its client area.
    const QPoint outer = centredFramePosition(ownerFrame, dialog->size(), frame, available);
    const bool framed = dialog->frameGeometry() != dialog->geometry();
    dialog->move(framed ? outer : outer + QPoint(frame.left(), frame.top()));
    return QObject::eventFilter(watched, event);
}
