#pragma once

#include <QDialog>
#include <array>

#include "DataSetNames.h"
#include "SpeechEngine.h"

class CWordStore;
class Prompts;
class QComboBox;
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

    // Fills the language boxes beside the list names: "neniu", then the voices' languages, with
    // the chosen ones selected (kept even when no voice has them now).
    void offerSpeechLanguages(const QStringList& available, const ListLanguages& chosen);
    // The languages chosen, as read at "Konfirmu".
    const ListLanguages& speechLanguages() const { return m_speechLanguages; }
    // The languages the boxes show now.
    ListLanguages shownSpeechLanguages() const;

private:
    void confirm();

    CWordStore& m_store;
    Prompts& m_prompts;
    // In the order of DataSetNames: the two lists, then categories 1 to 10.
    std::array<QLineEdit*, DataSetNames::count> m_fields{};
    QPushButton* m_confirmButton;
    std::array<QComboBox*, 2> m_languageBoxes{};
    ListLanguages m_speechLanguages;
};
