#pragma once

#include <QPixmap>
#include <QWidget>

class CWordStore;
class QMenu;

// The main window's client area: the background picture of six box files, and over it the data
// set's name, its size and today's date.
class CZenvaloView final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CZenvaloView)

public:
    static const QColor textColour;

    explicit CZenvaloView(const CWordStore& store, QWidget* parent = nullptr);

    // The size as shown: nothing without a data set, "%d vorto" below 2, "%d vortoj" from 2 on.
    static QString sizeText(int count);

    // The three texts over the picture, top to bottom: name, size, date. Drawn, and told to
    // assistive technology as the view's name (the data set's name) and description (size, date).
    QStringList shownTexts() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    const CWordStore& m_store;
    QPixmap m_background;
    QMenu* m_editionMenu;
    QStringList m_toldTexts; // as a screen reader last heard them
};
