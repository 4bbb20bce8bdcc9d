#include "CDlg_Statistiko.h"

#include <algorithm>

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QValueAxis>
#include <QVBoxLayout>

#include "CWordStore.h"
#include "CategoryFilterBox.h"
#include "QtText.h"
#include "Statistics.h"

namespace {

bool isDark(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

// The value axis from 0, counting in whole entries with at most about six ticks, and with room
// above the highest bar for its number, more for an upright one.
QValueAxis* countAxis(const QList<int>& values, bool upright)
{
    auto* axis = new QValueAxis();
    const int highest = std::max(1, *std::max_element(values.begin(), values.end()));
    axis->setRange(0, highest + std::max(1, highest / (upright ? 3 : 5)));
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    // A step of 1, 2 or 5 times a power of ten.
    int interval = 1;
    for (int factor = 0; highest / interval > 6; ++factor)
        interval *= factor % 3 == 1 ? 5 : 2;
    axis->setTickInterval(interval);
    return axis;
}

// One bar per value, its number above it, along the horizontal axis given.
void addBars(QChart& chart, const QList<int>& values, QAbstractAxis* horizontal, const QColor& colour,
             const QColor& labelColour, bool upright)
{
    auto* set = new QBarSet(QString());
    for (const int value : values)
        set->append(value);
    set->setColor(colour);
    set->setBorderColor(colour);
    set->setLabelColor(labelColour);
    auto* series = new QBarSeries();
    series->append(set);
    series->setBarWidth(0.8);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    if (upright) {
        // Narrow bars: the numbers stand upright so that neighbours do not overlap.
        series->setLabelsAngle(-90);
        QFont font = set->labelFont();
        font.setPointSizeF(font.pointSizeF() * 0.85);
        set->setLabelFont(font);
    }
    chart.addSeries(series);
    chart.addAxis(horizontal, Qt::AlignBottom);
    series->attachAxis(horizontal);
    QValueAxis* vertical = countAxis(values, upright);
    chart.addAxis(vertical, Qt::AlignLeft);
    series->attachAxis(vertical);
    chart.legend()->hide();
}

} // namespace

CDlg_Statistiko::CDlg_Statistiko(const CWordStore& store, QWidget* parent) : QDialog(parent), m_store(store)
{
    setObjectName(QStringLiteral("statisticsDialog"));
    setWindowTitle(QStringLiteral("Statistiko"));
    resize(900, 640);

    m_categoryCombo = new QComboBox(this);
    m_categoryCombo->setObjectName(QStringLiteral("categoryComboBox"));
    m_categoryCodes = fillCategoryFilterBox(*m_categoryCombo, store);
    auto* exitButton = new QPushButton(QStringLiteral("Eliru"), this);
    exitButton->setObjectName(QStringLiteral("exitButton"));
    exitButton->setDefault(true);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_categoryCombo, &QComboBox::activated, this,
            [this](int index) { showStatistics(m_categoryCodes.value(index, allCategories)); });

    auto* charts = new QGridLayout();
    for (std::size_t i = 0; i < m_chartViews.size(); ++i) {
        m_chartViews[i] = new QChartView(this);
        m_chartViews[i]->setObjectName(
            (i % 2 == 0 ? QStringLiteral("boxes%1ChartView") : QStringLiteral("forecast%1ChartView"))
                .arg(i / 2 + 1));
        m_chartViews[i]->setRenderHint(QPainter::Antialiasing);
        m_chartViews[i]->setMinimumSize(300, 220);
        charts->addWidget(m_chartViews[i], static_cast<int>(i / 2), static_cast<int>(i % 2));
    }
    charts->setColumnStretch(0, 1);
    charts->setColumnStretch(1, 1);

    auto* bottom = new QHBoxLayout();
    bottom->addWidget(m_categoryCombo);
    bottom->addStretch();
    bottom->addWidget(exitButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(charts, 1);
    layout->addLayout(bottom);

    showStatistics(allCategories);
}

CDlg_Statistiko::~CDlg_Statistiko()
{
    // A chart view does not delete the chart it shows.
    for (QChartView* view : m_chartViews)
        delete view->chart();
}

void CDlg_Statistiko::showStatistics(int categoryFilter)
{
    const QString list1 = toQString(m_store.listName1());
    const QString list2 = toQString(m_store.listName2());
    const QString arrow = QStringLiteral(" --> ");
    for (int direction = 1; direction <= 2; ++direction) {
        const DirectionStatistics statistics =
            CollectStatistics(m_store.entries(), direction, categoryFilter, m_store.today());
        const QString name = direction == 1 ? list1 + arrow + list2 : list2 + arrow + list1;
        const std::size_t first = static_cast<std::size_t>(direction - 1) * 2;
        const std::array<QChart*, 2> made = {boxChart(statistics, name), forecastChart(statistics, name)};
        for (std::size_t i = 0; i < made.size(); ++i) {
            QChart* old = m_chartViews[first + i]->chart();
            m_chartViews[first + i]->setChart(made[i]);
            delete old;
        }
    }
}

QChart* CDlg_Statistiko::boxChart(const DirectionStatistics& statistics, const QString& direction) const
{
    auto* chart = new QChart();
    styleChart(*chart, QStringLiteral("Skatoloj: %1").arg(direction));
    QList<int> values(statistics.boxes.begin(), statistics.boxes.end());
    // The learned entries as a sixth bar beside the boxes.
    values.append(statistics.learned);
    const QStringList categories = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                    QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("lernitaj")};
    auto* axis = new QBarCategoryAxis();
    axis->append(categories);
    axis->setTruncateLabels(false);
    const QColor colour = isDark(palette()) ? QColor(90, 170, 255) : QColor(30, 100, 200);
    addBars(*chart, values, axis, colour, palette().color(QPalette::Text), false);
    return chart;
}

QChart* CDlg_Statistiko::forecastChart(const DirectionStatistics& statistics, const QString& direction) const
{
    auto* chart = new QChart();
    styleChart(*chart,
               QStringLiteral("Pritraktotaj en la venontaj %1 tagoj: %2").arg(forecastDays).arg(direction));
    const QList<int> values(statistics.forecast.begin(), statistics.forecast.end());
    // Bars stand at 0 to 29 on a value axis, which labels every fifth day only.
    auto* axis = new QValueAxis();
    axis->setRange(-0.5, forecastDays - 0.5);
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(5);
    axis->setTitleText(QStringLiteral("tagoj post hodiaŭ"));
    const QColor colour = isDark(palette()) ? QColor(255, 170, 60) : QColor(200, 100, 0);
    addBars(*chart, values, axis, colour, palette().color(QPalette::Text), true);
    return chart;
}

void CDlg_Statistiko::styleChart(QChart& chart, const QString& title) const
{
    chart.setTheme(isDark(palette()) ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    chart.setBackgroundBrush(palette().color(QPalette::Base));
    chart.setTitleBrush(palette().color(QPalette::Text));
    chart.setTitle(title);
    chart.setMargins(QMargins(4, 4, 4, 4));
}
