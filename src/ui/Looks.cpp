#include "Looks.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>

namespace {

QPalette tinted(const QColor& window, const QColor& button, const QColor& highlight)
{
    QPalette palette = QApplication::style()->standardPalette();
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::Button, button);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::AlternateBase, window.lighter(108));
    return palette;
}

QPalette dark()
{
    QPalette palette;
    const QColor window(53, 53, 53);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Base, QColor(35, 35, 35));
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::ToolTipBase, window);
    palette.setColor(QPalette::ToolTipText, Qt::white);
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::ButtonText, Qt::white);
    palette.setColor(QPalette::BrightText, Qt::red);
    palette.setColor(QPalette::Highlight, QColor(42, 130, 218));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::Text, Qt::darkGray);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, Qt::darkGray);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, Qt::darkGray);
    return palette;
}

// The style the platform chose, remembered before any look replaces it.
QString platformStyleName()
{
    static const QString name = QApplication::style()->name();
    return name;
}

} // namespace

void Looks::apply(int look)
{
    const QString platformStyle = platformStyleName();
    if (look == 207 || look == 219) {
        QApplication::setStyle(platformStyle);
        QApplication::setPalette(QApplication::style()->standardPalette());
        return;
    }
    QApplication::setStyle(QStringLiteral("Fusion"));
    switch (look) {
    case 215:
        QApplication::setPalette(tinted(QColor(219, 230, 244), QColor(197, 215, 238), QColor(61, 124, 201)));
        break;
    case 216:
        QApplication::setPalette(dark());
        break;
    case 217:
        QApplication::setPalette(tinted(QColor(230, 232, 236), QColor(213, 217, 223), QColor(110, 120, 135)));
        break;
    case 218:
        QApplication::setPalette(tinted(QColor(214, 240, 240), QColor(190, 228, 228), QColor(42, 160, 160)));
        break;
    default:
        QApplication::setPalette(QApplication::style()->standardPalette());
        break;
    }
}
