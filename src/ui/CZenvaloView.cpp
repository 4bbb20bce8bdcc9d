#include "CZenvaloView.h"

#include "CWordStore.h"
#include "QtText.h"

#include <QContextMenuEvent>
#include <QKeySequence>
#include <QMenu>
#include <QPainter>

const QColor CZenvaloView::textColour(30, 200, 30);

CZenvaloView::CZenvaloView(const CWordStore& store, QWidget* parent)
    : QWidget(parent), m_store(store), m_background(QStringLiteral(":/zenvalo/background.png")),
      m_editionMenu(new QMenu(QStringLiteral("Edition"), this))
{
    setObjectName(QStringLiteral("zenvaloView"));
    m_editionMenu->setObjectName(QStringLiteral("editionMenu"));
    const struct
    {
        const char16_t* text;
        QKeySequence::StandardKey key;
    } items[] = {
        {u"&Couper", QKeySequence::Cut}, {u"C&opier", QKeySequence::Copy}, {u"Co&ller", QKeySequence::Paste}};
    for (const auto& item : items) {
        QAction* action = m_editionMenu->addAction(QString::fromUtf16(item.text));
        action->setShortcut(item.key);
        action->setShortcutVisibleInContextMenu(true);
        action->setEnabled(false); // nothing in the main window cuts, copies or pastes
    }
}

QString CZenvaloView::sizeText(int count)
{
    if (count < 0)
        return {};
    return count < 2 ? QStringLiteral("%1 vorto").arg(count) : QStringLiteral("%1 vortoj").arg(count);
}

void CZenvaloView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_background.isNull())
        painter.fillRect(rect(), Qt::white);
    else
        painter.drawPixmap(rect(), m_background);
    painter.setPen(textColour);
    const int ascent = fontMetrics().ascent();
    painter.drawText(QPoint(10, 10 + ascent), toQString(m_store.dataTitle()));
    painter.drawText(QPoint(10, 30 + ascent), sizeText(m_store.count()));
    painter.drawText(QPoint(10, 200 + ascent), toQString(m_store.todayText()));
}

void CZenvaloView::contextMenuEvent(QContextMenuEvent* event)
{
    m_editionMenu->popup(event->globalPos());
}
