#pragma once

#include <QDialog>
#include <array>

#include "DataSetNames.h"

class CWordStore;
class Prompts;
class QLineEdit;
class QPushButton;

// Names the two lists and the ten categories of the data set, each category field painted in the
// colour its entries are shown in. The store changes only at "Konfirmu", and only when the file can
// hold every name; nothing is saved here.
class CDlg_Personigu final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CDlg_Personigu)

public:
    CDlg_Personigu(CWordStore& store, Prompts& prompts, QWidget* parent = nullptr);

private:
    void confirm();

    CWordStore& m_store;
    Prompts& m_prompts;
    // In the order of DataSetNames: the two lists, then categories 1 to 10.
    std::array<QLineEdit*, DataSetNames::count> m_fields{};
    QPushButton* m_confirmButton;
};
