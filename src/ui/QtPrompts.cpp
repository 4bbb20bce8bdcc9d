#include "QtPrompts.h"

#include <QApplication>
#include <QMessageBox>

namespace {

const QString title = QStringLiteral("Zenvalo");

} // namespace

bool QtPrompts::askYesNo(const QString& question)
{
    return QMessageBox::question(QApplication::activeWindow(), title, question,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

bool QtPrompts::askYesNoDefaultNo(const QString& question)
{
    return QMessageBox::question(QApplication::activeWindow(), title, question,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void QtPrompts::showError(const QString& message)
{
    QMessageBox::critical(QApplication::activeWindow(), title, message);
}

void QtPrompts::showWarning(const QString& message)
{
    QMessageBox::warning(QApplication::activeWindow(), title, message);
}

void QtPrompts::showInformation(const QString& message)
{
    QMessageBox::information(QApplication::activeWindow(), title, message);
}
