#pragma once

#include "CMatchingExercise.h"

#include <QDialog>

class CGridCtrl;
class CWordStore;
class Prompts;
class QButtonGroup;
class QCheckBox;
class QProgressBar;
class QPushButton;
class RandomSource;

// "Kiu kies ?": the pairing game. The left grid shows the list-1 texts, the right grid the answers,
// which the learner drags from row to row until every row is right. The dialog reads the store and
// never changes it.
class CDlg_Kiu_kies final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CDlg_Kiu_kies)

public:
    static const QColor rightColour;
    static const QColor justRightColour;

    // random: the source of "Malordigu", seeded by the caller.
    CDlg_Kiu_kies(const CWordStore& store, Prompts& prompts, RandomSource& random, QWidget* parent = nullptr);

    const CMatchingExercise& exercise() const { return m_exercise; }

    // Escape and the close button stop an ordering in progress instead of closing.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    // Each grid's one column fills its width.
    void fitColumns();
    void fitScreen();
    CMatchingExercise::ConfirmCallback confirmation();
    // Orders the rows by the chosen order. The morphological chain is computed in slices while the
    // window stays alive: the ordering bar moves, and "Nuligu" or Escape stops it, leaving the rows
    // in "Alfabete" order. The other controls wait meanwhile.
    void orderRowsAlive();

    void chooseOrder(int order);
    void reload();
    void selectRows();
    void scramble();
    void markRightRows();
    bool answerDropped();
    void keepOneAnswerSelected();

    void showRows();
    // Right-grid rows 1 to rowCount coloured; partners of the latest exchange light green.
    void colourRows(int exchanged = -1, int partner = -1);
    void whitenAndUntick();
    int gridRows() const;

    const CWordStore& m_store;
    Prompts& m_prompts;
    RandomSource& m_random;
    CMatchingExercise m_exercise;
    QButtonGroup* m_orderGroup = nullptr;
    QProgressBar* m_orderingBar = nullptr;
    QPushButton* m_stopOrderingButton = nullptr;
    bool m_ordering = false;
    bool m_stopRequested = false;
    QPushButton* m_scrambleButton = nullptr;
    QCheckBox* m_markCheck = nullptr;
    CGridCtrl* m_leftGrid = nullptr;
    CGridCtrl* m_rightGrid = nullptr;
    QProgressBar* m_scoreBar = nullptr;
};
