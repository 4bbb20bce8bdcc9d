#include "CZenvaloView.h"

#include "CWordStore.h"
#include "QtText.h"

#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QMenu>
#include <QPainter>

const QColor CZenvaloView::textColour(30, 200, 30);

namespace {

// What a screen reader hears of the view: the texts painted over the picture, read at the moment.
class ViewAccessible final : public QAccessibleWidget
{
public:
    explicit ViewAccessible(CZenvaloView* view) : QAccessibleWidget(view, QAccessible::Client) {}

    QString text(QAccessible::Text kind) const override
    {
        const QStringList texts = static_cast<const CZenvaloView*>(widget())->shownTexts();
        if (kind == QAccessible::Name)
            return texts[0].isEmpty() ? QStringLiteral("Zenvalo") : texts[0];
        if (kind == QAccessible::Description)
            return QStringList{texts[1], texts[2]}.join(QStringLiteral(", "));
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* viewAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("CZenvaloView") && object != nullptr && object->isWidgetType())
        return new ViewAccessible(static_cast<CZenvaloView*>(object));
    return nullptr;
}

} // namespace

CZenvaloView::CZenvaloView(const CWordStore& store, QWidget* parent)
    : QWidget(parent), m_store(store), m_background(QStringLiteral(":/zenvalo/background.png")),
      m_editionMenu(new QMenu(QStringLiteral("Edition"), this))
{
    setObjectName(QStringLiteral("zenvaloView"));
    [[maybe_unused]] static const bool factoryInstalled = (QAccessible::installFactory(viewAccessible), true);
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
    painter.setRenderHint(QPainter::SmoothPixmapTransform); // the picture follows the window's size
    if (m_background.isNull())
        painter.fillRect(rect(), Qt::white);
    else
        painter.drawPixmap(rect(), m_background);
    painter.setPen(textColour);
    const int ascent = fontMetrics().ascent();
    const QStringList texts = shownTexts();
    if (texts != m_toldTexts) { // every change of the data set repaints the view
        m_toldTexts = texts;
        for (const QAccessible::Event change : {QAccessible::NameChanged, QAccessible::DescriptionChanged}) {
            QAccessibleEvent event(this, change);
            QAccessible::updateAccessibility(&event);
        }
    }
    painter.drawText(QPoint(10, 10 + ascent), texts[0]);
    painter.drawText(QPoint(10, 30 + ascent), texts[1]);
    painter.drawText(QPoint(10, 200 + ascent), texts[2]);
}

QStringList CZenvaloView::shownTexts() const
{
    return {toQString(m_store.dataTitle()), sizeText(m_store.count()), toQString(m_store.todayText())};
}

void CZenvaloView::contextMenuEvent(QContextMenuEvent* event)
{
    m_editionMenu->popup(event->globalPos());
}
