#pragma once

#include <QDialog>
#include <QList>
#include <array>

class CWordStore;
class QChart;
class QChartView;
class QComboBox;
struct DirectionStatistics;

// "Statistiko": for each direction, the entries in each box and the learned ones, and how many
// fall due on each of the coming days, as bar charts. It reads the store and changes nothing.
class CDlg_Statistiko final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CDlg_Statistiko)

public:
    explicit CDlg_Statistiko(const CWordStore& store, QWidget* parent = nullptr);
    ~CDlg_Statistiko() override;

private:
    // Draws the charts again for the category filter code.
    void showStatistics(int categoryFilter);
    QChart* boxChart(const DirectionStatistics& statistics, const QString& direction) const;
    QChart* forecastChart(const DirectionStatistics& statistics, const QString& direction) const;
    // The look of every chart, from the dialog's palette: light or dark.
    void styleChart(QChart& chart, const QString& title) const;

    const CWordStore& m_store;
    QList<int> m_categoryCodes;
    QComboBox* m_categoryCombo = nullptr;
    // Per direction: the boxes, then the forecast.
    std::array<QChartView*, 4> m_chartViews{};
};
