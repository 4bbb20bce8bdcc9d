#pragma once

#include "SpeechEngine.h"
#include "TrainingRun.h"

#include <QDialog>
#include <QList>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Trejnado": the drill. Every click and accelerator is one operation of the training run, after
// which the dialog shows the run's view. Grades are in the store at once; the caller saves after.
class CDlg_trejnado final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CDlg_trejnado)

public:
    // random: the source of the random order, seeded by the caller.
    CDlg_trejnado(CWordStore& store, RandomSource& random, QWidget* parent = nullptr);
    ~CDlg_trejnado() override;

    const TrainingRun& run() const { return m_run; }
    // "Aŭskultu" reads through the engine, each list in its language; without an engine it is
    // disabled.
    void setSpeech(SpeechEngine& engine, const ListLanguages& languages);

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls(const CWordStore& store);
    // Puts the accelerator filter on the object and every widget below it.
    void watchKeys(QObject* object);
    void step(StepDirection direction);
    // Runs an accelerator's command when its button may be used.
    void press(QAbstractButton* button);
    void showView();
    // Enables "Aŭskultu" when there is something to read and a way to read it, and says why not.
    void showListening();
    void speak();

    TrainingRun m_run;
    QList<int> m_categoryCodes;
    QButtonGroup* m_directionGroup = nullptr;
    QButtonGroup* m_orderGroup = nullptr;
    QComboBox* m_categoryCombo = nullptr;
    QList<QCheckBox*> m_boxChecks;
    QCheckBox* m_automaticDateCheck = nullptr;
    QCheckBox* m_justTreatedCheck = nullptr;
    QLabel* m_referenceDateLabel = nullptr;
    QList<QLabel*> m_totalLabels;
    QList<QLabel*> m_dueLabels;
    QPushButton* m_nextDayButton = nullptr;
    QPushButton* m_todayButton = nullptr;
    QLabel* m_boxLabel = nullptr;
    QLineEdit* m_questionEdit = nullptr;
    QPushButton* m_backwardButton = nullptr;
    QPushButton* m_forwardButton = nullptr;
    QLabel* m_answerLabel = nullptr;
    QPushButton* m_showButton = nullptr;
    QLabel* m_articleLabel = nullptr;
    QPushButton* m_rightButton = nullptr;
    QPushButton* m_keepButton = nullptr;
    QPushButton* m_wrongButton = nullptr;
    QPushButton* m_undoButton = nullptr;
    QPushButton* m_listenButton = nullptr;
    SpeechEngine* m_speech = nullptr;
    QString m_speechUnavailable;
    ListLanguages m_languages;
};
