#pragma once

#include "VocabularyIndex.h"

#include <QDialog>

class Beeper;
class CWordStore;
class Prompts;
class QLabel;
class QLineEdit;
class QPushButton;

// "Vort-provizo": the user types new pairs, one at a time. Every accepted pair is appended to the
// store at once. Leaving the list-1 field fills the list-2 field with the stored translation, with a
// beep when the list-1 text was just typed.
class CDlg_Vortprovizo final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CDlg_Vortprovizo)

public:
    static constexpr int beepFrequencyHz = 900;
    static constexpr int beepDurationMs = 200;

    CDlg_Vortprovizo(CWordStore& store, Prompts& prompts, Beeper& beeper, QWidget* parent = nullptr);

    // "Aldonu (F1)".
    void addPair();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void leaveList1Field();
    void showCounter();

    CWordStore& m_store;
    Prompts& m_prompts;
    Beeper& m_beeper;
    // The lookup and the duplicate test, in a few steps on a store of any size.
    VocabularyIndex m_index;
    bool m_list1Changed = false;
    QLabel* m_counterLabel;
    QLineEdit* m_list1Edit;
    QLineEdit* m_list2Edit;
    QPushButton* m_addButton;
};
