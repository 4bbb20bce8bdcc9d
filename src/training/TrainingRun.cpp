#include "TrainingRun.h"

#include "CWordStore.h"
#include "EntryEquality.h"
#include "RandomSource.h"

#include <algorithm>
#include <climits>
#include <string>

namespace {

constexpr int learnedBox = boxCount;
constexpr int highestCategory = CWordStore::categoryCount;

std::u16string decimal(long long value)
{
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

std::u16string boxLabel(int boxValue)
{
    return u"Skatolo " + decimal(static_cast<long long>(boxValue) + 1);
}

std::u16string articleLabel(int articles)
{
    return decimal(articles) + (articles > 1 ? u" artikloj" : u" artiklo");
}

} // namespace

TrainingRun::TrainingRun(CWordStore& store, RandomSource& random)
    : m_store(store), m_random(random), m_settings(store.today())
{
    Start();
}

void TrainingRun::Start()
{
    m_settings = ScheduleSettings(m_store.today());
    m_order = PresentationOrder::Chronological;
    m_current = -1;
    m_referenceText.clear();
    m_shownAnswer.clear();
    m_answerShown = false;
    m_visits.assign(m_store.entries().size(), 0);
    m_grades.clear();
    m_view = TrainingView();
    refresh();
}

void TrainingRun::Step(StepDirection step)
{
    if (step == StepDirection::Backward && !hasBackwardStep(m_order))
        return;
    if (!hasCurrent())
        m_current = -1;
    const std::vector<int> due = dueEntries();
    if (due.empty())
        return;
    if (due.size() == 1) {
        present(due.front());
    } else {
        const ChoiceInput input{.entries = m_store.entries(),
                                .direction = m_settings.direction(),
                                .due = due,
                                .current = m_current,
                                .reference = m_referenceText};
        const std::optional<int> chosen = ChooseNext(m_order, step, input, m_visits, m_random);
        if (!chosen)
            return;
        present(*chosen);
    }
    refresh();
}

void TrainingRun::Show()
{
    if (!m_view.showOffered || !hasCurrent())
        return;
    const int count = static_cast<int>(m_store.entries().size());
    if (m_answerShown) {
        // The next article: another entry, due or not, with the same question, in stored order
        // after the current one and around.
        for (int j = (m_current + 1) % count; j != m_current; j = (j + 1) % count) {
            if (boxValue(j) >= learnedBox)
                continue;
            if (TextsMatch(question(j), m_view.questionText)) {
                m_current = j;
                break;
            }
        }
    }
    m_shownAnswer = answer(m_current);
    m_answerShown = true;
    m_view.answerLabel = m_shownAnswer;
    m_view.questionText = question(m_current);
    m_view.boxLabel = boxLabel(boxValue(m_current));
    m_view.gradeOffered = true;
    m_view.keepShown = boxValue(m_current) > 0;
    refresh();
}

void TrainingRun::GradeRight()
{
    if (!m_view.gradeOffered || !hasCurrent())
        return;
    const int box = boxValue(m_current);
    grade(box < INT_MAX ? box + 1 : box);
    if (m_settings.justTreated()) {
        m_view.boxLabel = boxLabel(boxValue(m_current));
        m_view.keepShown = true;
    } else {
        resetDisplay();
    }
    refresh();
}

void TrainingRun::GradeWrong()
{
    if (!m_view.gradeOffered || !hasCurrent())
        return;
    grade(0);
    if (m_settings.justTreated()) {
        m_view.boxLabel = boxLabel(0);
        m_view.keepShown = false;
    } else {
        resetDisplay();
    }
    refresh();
}

void TrainingRun::GradeKeep()
{
    if (!m_view.keepShown || !hasCurrent())
        return;
    grade(boxValue(m_current));
    if (!m_settings.justTreated())
        resetDisplay();
    refresh();
}

void TrainingRun::Undo()
{
    if (m_grades.empty())
        return;
    GradeRecord record = std::move(m_grades.back());
    m_grades.pop_back();
    if (record.entry >= static_cast<int>(m_store.entries().size())) {
        refresh();
        return;
    }
    WordEntry& entry = m_store.entry(static_cast<std::size_t>(record.entry));
    (record.direction == 2 ? entry.box2 : entry.box1) = record.boxValue;
    entry.setAnswerDate(record.direction, record.answerDate);
    if (record.direction != m_settings.direction()) {
        m_settings.setDirection(record.direction, m_store.today());
        resetVisits();
    }
    m_current = record.entry;
    m_referenceText = std::move(record.referenceText);
    m_shownAnswer = std::move(record.shownAnswer);
    m_answerShown = record.answerShown;
    m_view = std::move(record.view);
    refresh();
}

void TrainingRun::LookUp(std::u16string_view text)
{
    m_view.answerLabel.clear();
    const auto& entries = m_store.entries();
    int found = -1;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].text(m_settings.direction()) == text && IsDue(m_settings, entries[i])) {
            found = static_cast<int>(i);
            break;
        }
    }
    if (found < 0) {
        m_view.questionText = std::u16string(text);
        m_view.questionColour = Rgb();
        m_view.boxLabel.clear();
        m_view.articleLabel.clear();
        m_view.showOffered = false;
        m_view.gradeOffered = false;
        m_view.keepShown = false;
        refresh();
        return;
    }
    m_current = found;
    m_view.questionText = question(found);
    m_referenceText = m_view.questionText;
    showEntryLabels(found, boxValue(found) < learnedBox);
    refresh();
}

void TrainingRun::SetBoxFlag(int box, bool on)
{
    if (box < 1 || box > boxCount)
        return;
    resetDisplay();
    m_settings.setBoxFlag(box, on);
    resetVisits();
    refresh();
}

void TrainingRun::SetAutomaticDate(bool on)
{
    resetDisplay();
    m_settings.setAutomaticDate(on, m_store.today());
    resetVisits();
    refresh();
}

void TrainingRun::SetJustTreated(bool on)
{
    resetDisplay();
    m_settings.setJustTreated(on, m_store.today());
    resetVisits();
    refresh();
}

void TrainingRun::SetDirection(int direction)
{
    resetDisplay();
    m_referenceText.clear();
    m_settings.setDirection(direction, m_store.today());
    resetVisits();
    refresh();
}

void TrainingRun::SetCategoryFilter(int code)
{
    if (code == m_settings.categoryFilter())
        return;
    resetDisplay();
    m_settings.setCategoryFilter(code);
    resetVisits();
    refresh();
}

void TrainingRun::SetOrder(PresentationOrder order)
{
    m_order = order;
    if (order == PresentationOrder::Morphological)
        resetVisits();
    refresh();
}

void TrainingRun::AdvanceDay()
{
    m_settings.advanceDay();
    refresh();
}

void TrainingRun::BackToToday()
{
    m_settings.backToToday(m_store.today());
    refresh();
}

void TrainingRun::Finish()
{
    m_visits.clear();
    m_visits.shrink_to_fit();
    m_grades.clear();
    m_grades.shrink_to_fit();
}

SpokenText TrainingRun::spokenText() const
{
    if (!m_view.showOffered || !hasCurrent())
        return {};
    const int questionList = m_settings.direction();
    if (m_answerShown)
        return {questionList == 2 ? 1 : 2, PrepareText(m_shownAnswer)};
    return {questionList, PrepareText(m_view.questionText)};
}

bool TrainingRun::hasCurrent() const
{
    return m_current >= 0 && m_current < static_cast<int>(m_store.entries().size());
}

std::u16string_view TrainingRun::question(int index) const
{
    return m_store.entry(static_cast<std::size_t>(index)).text(m_settings.direction());
}

std::u16string_view TrainingRun::answer(int index) const
{
    return m_store.entry(static_cast<std::size_t>(index)).text(m_settings.direction() == 2 ? 1 : 2);
}

int TrainingRun::boxValue(int index) const
{
    return m_store.entry(static_cast<std::size_t>(index)).box(m_settings.direction());
}

void TrainingRun::setBoxValue(int index, int value)
{
    WordEntry& entry = m_store.entry(static_cast<std::size_t>(index));
    (m_settings.direction() == 2 ? entry.box2 : entry.box1) = value;
}

std::vector<int> TrainingRun::dueEntries() const
{
    std::vector<int> due;
    const auto& entries = m_store.entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (IsDue(m_settings, entries[i]))
            due.push_back(static_cast<int>(i));
    }
    return due;
}

int TrainingRun::countArticles(int index, bool countsItself) const
{
    const std::u16string_view text = question(index);
    const auto& entries = m_store.entries();
    int articles = countsItself ? 1 : 0;
    for (std::size_t j = 0; j < entries.size(); ++j) {
        if (static_cast<int>(j) != index && entries[j].box(m_settings.direction()) < learnedBox &&
            TextsMatch(entries[j].text(m_settings.direction()), text))
            ++articles;
    }
    return articles;
}

void TrainingRun::present(int index)
{
    m_current = index;
    m_view.questionText = question(index);
    m_referenceText = m_view.questionText;
    showEntryLabels(index, true);
}

// The asked state for an entry: its box and articles, the answer hidden.
void TrainingRun::showEntryLabels(int index, bool countsItself)
{
    m_shownAnswer.clear();
    m_answerShown = false;
    m_view.boxLabel = boxLabel(boxValue(index));
    m_view.answerLabel = u"?";
    m_view.articleLabel = articleLabel(countArticles(index, countsItself));
    m_view.showOffered = true;
    m_view.gradeOffered = false;
    m_view.keepShown = false;
    // A category no colour belongs to (a hand-edited file) leaves the colour as it was.
    const int category = m_store.entry(static_cast<std::size_t>(index)).category;
    if (category >= 0 && category <= highestCategory)
        m_view.questionColour = categoryColour(category);
}

void TrainingRun::grade(int newBoxValue)
{
    const WordEntry& graded = m_store.entry(static_cast<std::size_t>(m_current));
    const int direction = m_settings.direction();
    m_grades.push_back({.entry = m_current,
                        .direction = direction,
                        .boxValue = graded.box(direction),
                        .answerDate = graded.answerDate(direction),
                        .referenceText = m_referenceText,
                        .shownAnswer = m_shownAnswer,
                        .answerShown = m_answerShown,
                        .view = m_view});
    setBoxValue(m_current, newBoxValue);
    m_store.entry(static_cast<std::size_t>(m_current)).setAnswerDate(m_settings.direction(), m_store.today());
}

void TrainingRun::resetDisplay()
{
    m_view.questionText.clear();
    m_view.questionColour = Rgb();
    m_view.boxLabel.clear();
    m_view.answerLabel.clear();
    m_view.articleLabel.clear();
    m_view.showOffered = false;
    m_view.gradeOffered = false;
    m_view.keepShown = false;
}

void TrainingRun::resetVisits()
{
    m_visits.assign(m_store.entries().size(), 0);
}

void TrainingRun::refresh()
{
    m_view.counts = BoxCounts(m_settings, m_store.entries());
    m_view.referenceDate = formatDate(m_settings.referenceDate());
    m_view.nextDayOffered = m_settings.automaticDate();
    m_view.todayOffered = m_settings.isReferenceDateMoved(m_store.today());
    m_view.backwardOffered = hasBackwardStep(m_order);
    m_view.undoOffered = !m_grades.empty();
}
