#include "TrainingRun.h"

#include "CWordStore.h"
#include "Entries.h"
#include "ScriptedRandomSource.h"

#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

void PrintTo(const BoxCountTable& counts, std::ostream* out)
{
    for (const auto* row : {&counts.total, &counts.due}) {
        *out << "[";
        for (const int count : *row)
            *out << " " << count;
        *out << " ]";
    }
}

namespace {

const CalendarDate today{10, 3, 2016};
const CalendarDate longAgo{1, 1, 2000};

// Direction 2 is always in box 2, answered with direction 1.
WordEntry entry(std::u16string text1, std::u16string text2, int box1 = 0, CalendarDate answered = longAgo,
                int category = 0)
{
    return makeEntry(
        std::move(text1), std::move(text2),
        {.box1 = box1, .box2 = 1, .category = category, .answered1 = answered, .answered2 = answered});
}

CWordStore storeOf(std::vector<WordEntry> entries)
{
    CWordStore store(today, u"");
    store.replaceEntries(std::move(entries));
    return store;
}

// The question box and the labels beside it, then the buttons on offer: M "Montru", B "Bone" and
// "Malbone", K the keep button.
std::u16string shown(const TrainingRun& run)
{
    const TrainingView& view = run.view();
    return view.questionText + u"|" + view.boxLabel + u"|" + view.answerLabel + u"|" + view.articleLabel +
           u"|" + (view.showOffered ? u"M" : u"") + (view.gradeOffered ? u"B" : u"") +
           (view.keepShown ? u"K" : u"");
}

std::u16string step(TrainingRun& run, StepDirection direction = StepDirection::Forward)
{
    run.Step(direction);
    return run.view().questionText;
}

} // namespace

TEST(TrainingRun, ShowCyclesThroughTheArticlesOfAWord)
{
    CWordStore store = storeOf({entry(u"Lentille (optique)", u"Lenso", 0, longAgo, 3),
                                entry(u"Pomo", u"Pomme"), entry(u"Lentille (kontakta)", u"Kontaktlenso", 5),
                                entry(u"Lentille (légume)", u"Lento", 0, today)});
    ScriptedRandomSource random{};
    TrainingRun run(store, random);
    run.Step(StepDirection::Forward);
    EXPECT_EQ(u"Lentille (optique)|Skatolo 1|?|2 artikloj|M", shown(run));
    EXPECT_EQ((Rgb{0, 250, 255}), run.view().questionColour);
    run.Show();
    EXPECT_EQ(u"Lentille (optique)|Skatolo 1|Lenso|2 artikloj|MB", shown(run));
    run.Show(); // the other article is shown although it is not due; the learned one never
    EXPECT_EQ(u"Lentille (légume)|Skatolo 1|Lento|2 artikloj|MB", shown(run));
    run.Show();
    EXPECT_EQ(u"Lentille (optique)|Skatolo 1|Lenso|2 artikloj|MB", shown(run));
}

TEST(TrainingRun, GradesStampTodayNotTheReferenceDate)
{
    struct Row
    {
        const char* rule;
        int box;
        std::function<void(TrainingRun&)> grade;
        int newBox;
    };
    const Row rows[] = {
        {"right from box 5 learns the entry", 4, &TrainingRun::GradeRight, 5},
        {"wrong from box 3 goes back to box 1", 2, &TrainingRun::GradeWrong, 0},
        {"keep stays in the box", 3, &TrainingRun::GradeKeep, 3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        CWordStore store =
            storeOf({entry(u"domo", u"maison", row.box, longAgo, 4), entry(u"urbo", u"ville", 5)});
        ScriptedRandomSource random{};
        TrainingRun run(store, random);
        run.AdvanceDay();
        run.Step(StepDirection::Forward);
        run.Show();
        EXPECT_EQ(u"domo|Skatolo " + std::u16string(1, static_cast<char16_t>(u'1' + row.box)) +
                      u"|maison|1 artiklo|MBK",
                  shown(run));
        row.grade(run);

        WordEntry expected = entry(u"domo", u"maison", row.newBox, longAgo, 4);
        expected.setAnswerDate(1, today);
        EXPECT_EQ(expected, store.entry(0));
        EXPECT_EQ(u"||||", shown(run));
        EXPECT_EQ(Rgb(), run.view().questionColour);
        EXPECT_EQ(row.newBox < 5 ? 1 : 0, run.view().counts.total[static_cast<std::size_t>(row.newBox % 5)]);
        EXPECT_EQ(u"11/03/2016", run.view().referenceDate);
        EXPECT_TRUE(run.view().todayOffered);
    }
}

TEST(TrainingRun, WrongAnswerIsDueAgainTheNextDay)
{
    CWordStore store = storeOf({entry(u"domo", u"maison", 2, {1, 3, 2016})});
    ScriptedRandomSource random{};
    TrainingRun run(store, random);
    EXPECT_EQ(u"domo", step(run));
    run.Show();
    run.GradeWrong();
    EXPECT_EQ((BoxCountTable{{1, 0, 0, 0, 0}, {0, 0, 0, 0, 0}}), run.view().counts);
    EXPECT_EQ(u"", step(run));
    run.AdvanceDay();
    EXPECT_EQ((BoxCountTable{{1, 0, 0, 0, 0}, {1, 0, 0, 0, 0}}), run.view().counts);
    EXPECT_EQ(u"domo", step(run));
}

TEST(TrainingRun, JustTreatedModeGradesTheSameEntryAgain)
{
    CWordStore store = storeOf({entry(u"kato", u"chat", 1, today), entry(u"hundo", u"chien", 5, today),
                                entry(u"bovo", u"vache", 0, {9, 3, 2016})});
    ScriptedRandomSource random{};
    TrainingRun run(store, random);
    run.SetJustTreated(true);
    EXPECT_FALSE(run.view().nextDayOffered);
    for (int box = 1; box <= 5; ++box)
        run.SetBoxFlag(box, false);
    run.Step(StepDirection::Forward); // learned entries graded today stay reachable
    EXPECT_EQ(u"hundo|Skatolo 6|?|1 artiklo|M", shown(run));
    run.LookUp(u"hundo"); // typed, a learned entry does not count itself
    EXPECT_EQ(u"hundo|Skatolo 6|?|0 artiklo|M", shown(run));

    run.SetBoxFlag(2, true);
    run.Step(StepDirection::Forward);
    run.Show();
    run.GradeRight();
    run.GradeRight();
    EXPECT_EQ(3, store.entry(0).box1);
    EXPECT_EQ(u"kato|Skatolo 4|chat|1 artiklo|MBK", shown(run));
    run.GradeWrong();
    EXPECT_EQ(u"kato|Skatolo 1|chat|1 artiklo|MB", shown(run));
    run.GradeKeep(); // not offered
    run.GradeRight();
    EXPECT_EQ(1, store.entry(0).box1);
    EXPECT_EQ(today, store.entry(0).answerDate(1));
}

TEST(TrainingRun, StepWithNothingDueChangesNothing)
{
    CWordStore store = storeOf({entry(u"kato", u"chat", 0, today)});
    ScriptedRandomSource random{};
    TrainingRun run(store, random);
    run.AdvanceDay();
    run.Step(StepDirection::Forward);
    run.Show();
    run.BackToToday();
    const TrainingView before = run.view();
    EXPECT_EQ(u"kato|Skatolo 1|chat|1 artiklo|MB", shown(run));
    run.Step(StepDirection::Forward);
    run.Step(StepDirection::Backward);
    EXPECT_EQ(before, run.view());
}

TEST(TrainingRun, ASingleDueEntryIsPresentedWithoutAChoice)
{
    CWordStore store = storeOf({entry(u"kato", u"chat", 0, today), entry(u"hundo", u"chien")});
    ScriptedRandomSource random{};
    TrainingRun run(store, random);
    run.SetOrder(PresentationOrder::Alphabetical);
    EXPECT_EQ(u"hundo", step(run, StepDirection::Backward));
    EXPECT_EQ(u"hundo", run.referenceText());
    run.SetOrder(PresentationOrder::Random);
    EXPECT_FALSE(run.view().backwardOffered);
    EXPECT_EQ(u"hundo", step(run));
    EXPECT_TRUE(random.isUsedUp());
    run.LookUp(u"");
    EXPECT_EQ(u"", step(run, StepDirection::Backward)); // "<" is not offered in this order
}

TEST(TrainingRun, LookUpFindsTheFirstDueEntryWithExactlyThatQuestion)
{
    CWordStore store =
        storeOf({entry(u"hundo", u"chien", 0, today), entry(u"kato (besto)", u"chat", 1),
                 entry(u"kato", u"matou", 0, longAgo, 2), entry(u"kato", u"chat"), entry(u"bovo", u"vache")});
    ScriptedRandomSource random{};
    TrainingRun run(store, random);
    run.LookUp(u"kato");
    EXPECT_EQ(u"kato|Skatolo 1|?|3 artikloj|M", shown(run));
    EXPECT_EQ(2, run.current());
    EXPECT_EQ((Rgb{220, 255, 0}), run.view().questionColour);

    for (const char16_t* typed : {u"kato (besta)", u"hundo", u"kat"}) {
        run.LookUp(typed);
        EXPECT_EQ(typed + std::u16string(u"||||"), shown(run));
        EXPECT_EQ(Rgb(), run.view().questionColour);
    }
    EXPECT_EQ(u"kato", step(run)); // on from the entry found last
    EXPECT_EQ(3, run.current());
}

// After two morphological steps the third goes to a less visited word; every change that starts
// the visits afresh makes the nearest word come first instead.
TEST(TrainingRun, SettingChangesStartTheVisitsAfresh)
{
    struct Row
    {
        const char* change;
        std::function<void(TrainingRun&)> apply;
        std::u16string third;
    };
    const Row rows[] = {
        {"no change", [](TrainingRun&) {}, u"doma"},
        {"next day", [](TrainingRun& run) { run.AdvanceDay(); }, u"doma"},
        {"order chosen again", [](TrainingRun& run) { run.SetOrder(PresentationOrder::Morphological); },
         u"domo"},
        {"box flag", [](TrainingRun& run) { run.SetBoxFlag(3, false); }, u"domo"},
        {"automatic date", [](TrainingRun& run) { run.SetAutomaticDate(true); }, u"domo"},
        {"just treated", [](TrainingRun& run) { run.SetJustTreated(false); }, u"domo"},
        {"category filter", [](TrainingRun& run) { run.SetCategoryFilter(withoutCategory); }, u"domo"},
        {"same category filter", [](TrainingRun& run) { run.SetCategoryFilter(allCategories); }, u"doma"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.change);
        CWordStore store = storeOf(
            {entry(u"domo", u"a"), entry(u"domoj", u"b"), entry(u"doma", u"c"), entry(u"hundo", u"d")});
        ScriptedRandomSource random{};
        TrainingRun run(store, random);
        run.SetOrder(PresentationOrder::Morphological);
        EXPECT_EQ(u"domo", step(run));
        EXPECT_EQ(u"domoj", step(run));
        row.apply(run);
        EXPECT_EQ(row.third, step(run));
    }
}

TEST(TrainingRun, DirectionChangeStartsOverFromTheOtherSide)
{
    CWordStore store = storeOf({entry(u"kato", u"chat"), entry(u"hundo", u"chien")});
    ScriptedRandomSource random{};
    TrainingRun run(store, random);
    run.SetOrder(PresentationOrder::Alphabetical);
    EXPECT_EQ(u"hundo", step(run));
    run.AdvanceDay();
    run.SetDirection(2);
    EXPECT_EQ(u"||||", shown(run));
    EXPECT_EQ(u"", run.referenceText());
    EXPECT_EQ(u"10/03/2016", run.view().referenceDate);
    EXPECT_EQ(u"chat", step(run));
    run.Show();
    run.GradeRight();
    WordEntry expected = entry(u"kato", u"chat");
    expected.box2 = 2;
    expected.setAnswerDate(2, today);
    EXPECT_EQ(expected, store.entry(0));
}

// Values that only a hand-edited file holds: no colour, no box, and nothing read beyond a table.
TEST(TrainingRun, CategoriesAndBoxesOutOfRangeAreHarmless)
{
    CWordStore store = storeOf({entry(u"a", u"1", 0, longAgo, 5), entry(u"b", u"2", 0, longAgo, 42),
                                entry(u"c", u"3", -3, longAgo, -1), entry(u"b", u"4", 9),
                                entry(u"d", u"5", 0, longAgo, -7)});
    ScriptedRandomSource random{};
    TrainingRun run(store, random);
    EXPECT_EQ((BoxCountTable{{3, 0, 0, 0, 0}, {3, 0, 0, 0, 0}}), run.view().counts);
    EXPECT_EQ(u"a", step(run));
    EXPECT_EQ(u"b", step(run));
    EXPECT_EQ(u"d", step(run));
    EXPECT_EQ((Rgb{255, 130, 255}), run.view().questionColour); // still that of category 5
    run.SetCategoryFilter(42);
    EXPECT_EQ(u"b", step(run));
    run.Show();
    run.Show();
    EXPECT_EQ(u"b|Skatolo 1|2|1 artiklo|MB", shown(run)); // box 9 is learned: no other article
    run.SetDirection(2);
    run.SetCategoryFilter(-1);
    EXPECT_EQ(u"3", step(run));
}

// Every kind of grade is taken back, newest first, in normal and just treated mode: the store, the
// counts and the display return to what they were just before each grade.
TEST(TrainingRun, UndoWalksBackEveryGradeOfTheRun)
{
    const std::vector<WordEntry> original = {entry(u"kato", u"chat", 1), entry(u"hundo", u"chien", 3),
                                             entry(u"bovo", u"vache", 2)};
    CWordStore store = storeOf(original);
    ScriptedRandomSource random{};
    TrainingRun run(store, random);
    run.Undo(); // nothing to take back
    EXPECT_FALSE(run.view().undoOffered);

    struct Before
    {
        std::u16string shown;
        BoxCountTable counts;
    };
    std::vector<Before> before;
    const auto answerAndGrade = [&](void (TrainingRun::*grade)()) {
        run.Show();
        before.push_back({shown(run), run.view().counts});
        (run.*grade)();
    };
    run.Step(StepDirection::Forward);
    answerAndGrade(&TrainingRun::GradeRight);
    run.Step(StepDirection::Forward);
    answerAndGrade(&TrainingRun::GradeWrong);
    run.Step(StepDirection::Forward);
    answerAndGrade(&TrainingRun::GradeKeep);
    run.SetJustTreated(true);
    run.Step(StepDirection::Forward);
    answerAndGrade(&TrainingRun::GradeRight);
    before.push_back({shown(run), run.view().counts});
    run.GradeRight(); // graded again from the just treated display
    EXPECT_EQ(4, store.entry(0).box1);
    run.SetDirection(2);
    run.SetJustTreated(false);

    const std::vector<int> expectedEntries = {0, 1, 2, 0, 0};
    for (std::size_t undone = before.size(); undone-- > 0;) {
        SCOPED_TRACE(undone);
        EXPECT_TRUE(run.view().undoOffered);
        run.Undo();
        EXPECT_EQ(before[undone].shown, shown(run));
        if (undone < 3) { // graded with the settings of now; the others in just treated mode
            EXPECT_EQ(before[undone].counts, run.view().counts);
        }
        EXPECT_EQ(expectedEntries[undone], run.current());
        EXPECT_EQ(1, run.settings().direction());
    }
    EXPECT_EQ(original, store.entries());
    EXPECT_FALSE(run.view().undoOffered);
    run.GradeRight(); // the restored display offers the grade again
    EXPECT_EQ(2, store.entry(0).box1);
}

TEST(TrainingRun, SpeaksTheQuestionThenTheAnswerWithoutComments)
{
    CWordStore store = storeOf({entry(u"Lentille (optique)", u"Lenso (okula) ")});
    ScriptedRandomSource random{};
    TrainingRun run(store, random);
    EXPECT_EQ(SpokenText(), run.spokenText());
    for (const int direction : {1, 2}) {
        SCOPED_TRACE(direction);
        run.SetDirection(direction);
        run.Step(StepDirection::Forward);
        const SpokenText question = run.spokenText();
        run.Show();
        const SpokenText answer = run.spokenText();
        EXPECT_EQ((direction == 1 ? SpokenText{1, u"Lentille"} : SpokenText{2, u"Lenso"}), question);
        EXPECT_EQ((direction == 1 ? SpokenText{2, u"Lenso"} : SpokenText{1, u"Lentille"}), answer);
        run.GradeRight();
        EXPECT_EQ(SpokenText(), run.spokenText()); // nothing presented any more
    }
}
