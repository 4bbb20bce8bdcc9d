#include "ModalDialogs.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>

QPointer<QObject> onNextModalDialog(std::function<void(QDialog*)> action, int timeoutMs)
{
    auto* poll = new QTimer(qApp);
    poll->setInterval(10);
    const QDeadlineTimer deadline(timeoutMs);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, deadline, action = std::move(action)] {
        QPointer<QDialog> dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        const bool shown = dialog && dialog->isVisible();
        if (!shown && !deadline.hasExpired())
            return;
        poll->stop();
        poll->deleteLater();
        if (!shown)
            return;
        action(dialog);
        if (dialog && dialog->isVisible()) {
            const QString name = dialog->objectName();
            dialog->reject();
            QTest::qFail(qPrintable(QStringLiteral("The modal dialog %1 was left open").arg(name)), __FILE__,
                         __LINE__);
        }
    });
    poll->start();
    return poll;
}
