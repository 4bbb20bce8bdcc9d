#pragma once

#include "BoxSchedule.h"
#include "PresentationOrder.h"
#include "TrainingView.h"

#include <string>
#include <string_view>
#include <vector>

class CWordStore;
class RandomSource;

// What "Aŭskultu" reads aloud: a text without its comment, and the list (1 or 2) whose language it
// is in; list 0 when nothing is to be read.
struct SpokenText
{
    int list = 0;
    std::u16string text;

    bool operator==(const SpokenText&) const = default;
};

// One drill of the training dialog: stepping through the due entries, revealing answers, grading.
// Grades go straight into the word store, stamped with the store's today; everything the dialog shows
// is in view(), fresh after every operation. Operations whose button is not offered do nothing.
// The store and the random source are borrowed and must outlive the run; the store's entries are not
// added or removed while it lasts.
class TrainingRun final
{
public:
    // Starts the run at once (see Start).
    TrainingRun(CWordStore& store, RandomSource& random);

    // The initial state: default settings with the reference date today, chronological order,
    // nothing presented, every visit count 0.
    void Start();
    void Step(StepDirection step);
    void Show();
    void GradeRight();
    void GradeWrong();
    void GradeKeep();
    // Takes back the latest grade not yet taken back: the entry's box value and answer date in the
    // direction it was graded in return to what they were, and the entry is shown again as just
    // before the grade, its answer revealed. A grade made in the other direction brings the run's
    // direction back to it. Every grade of the run can be taken back, newest first.
    void Undo();
    // The user has edited the question box; text is its whole new content.
    void LookUp(std::u16string_view text);

    // box counts from 1.
    void SetBoxFlag(int box, bool on);
    void SetAutomaticDate(bool on);
    void SetJustTreated(bool on);
    void SetDirection(int direction);
    void SetCategoryFilter(int code);
    void SetOrder(PresentationOrder order);
    void AdvanceDay();
    void BackToToday();
    // Releases the visit counts and the grades kept for Undo; every grade is already in the store.
    void Finish();

    // The question of the entry presented, or its answer once shown.
    SpokenText spokenText() const;

    const TrainingView& view() const { return m_view; }
    const ScheduleSettings& settings() const { return m_settings; }
    PresentationOrder order() const { return m_order; }
    // The entry presented or graded last, -1 before the first.
    int current() const { return m_current; }
    const std::u16string& referenceText() const { return m_referenceText; }

private:
    // What the dialog showed for the current entry just before a grade, and what the grade changed.
    struct GradeRecord
    {
        int entry;
        int direction;
        int boxValue;
        CalendarDate answerDate;
        std::u16string referenceText;
        std::u16string shownAnswer;
        bool answerShown;
        TrainingView view;
    };

    bool hasCurrent() const;
    std::u16string_view question(int index) const;
    std::u16string_view answer(int index) const;
    int boxValue(int index) const;
    void setBoxValue(int index, int value);
    std::vector<int> dueEntries() const;
    int countArticles(int index, bool countsItself) const;
    void present(int index);
    void showEntryLabels(int index, bool countsItself);
    void grade(int newBoxValue);
    void resetDisplay();
    void resetVisits();
    void refresh();

    CWordStore& m_store;
    RandomSource& m_random;
    ScheduleSettings m_settings;
    PresentationOrder m_order = PresentationOrder::Chronological;
    int m_current = -1;
    std::u16string m_referenceText;
    std::u16string m_shownAnswer;
    bool m_answerShown = false;
    std::vector<int> m_visits;
    std::vector<GradeRecord> m_grades;
    TrainingView m_view;
};
