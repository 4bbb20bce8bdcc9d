#pragma once

#include "ImportPlan.h"
#include "ImportedTable.h"

#include <QDialog>

class CWordStore;
class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class QTableWidget;

// "Importo": shows the first rows of a file to import as they will be taken, with the detected
// format and encoding, and lets the user choose the columns, the header row, whether pairs already
// stored are left out and what becomes of texts that the data-set file cannot hold. Nothing is
// changed in the store; after "Importu" the caller applies preview().
class CDlg_Importu final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CDlg_Importu)

public:
    static constexpr int shownRows = 50;

    CDlg_Importu(const ImportedTable& table, const CWordStore& store, QWidget* parent = nullptr);

    const ImportChoices& choices() const { return m_choices; }
    const ImportPreview& preview() const { return m_preview; }

private:
    void readChoices();
    void showPreview();

    const ImportedTable& m_table;
    const CWordStore& m_store;
    ImportChoices m_choices;
    ImportPreview m_preview;

    QComboBox* m_column1 = nullptr;
    QComboBox* m_column2 = nullptr;
    QCheckBox* m_header = nullptr;
    QCheckBox* m_skipStored;
    QRadioButton* m_replace;
    QRadioButton* m_skipUnstorable;
    QLabel* m_unstorableCount;
    QTableWidget* m_rows;
    QLabel* m_summary;
};

// The names shown for formats and encodings.
QString formatName(ExchangeFormat format, char16_t separator);
QString encodingName(TextEncoding encoding);
