#include "TrainingRun.h"

#include "CWordStore.h"
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
const CalendarDate tomorrow{11, 3, 2016};
const CalendarDate longAgo{1, 1, 2000};

WordEntry entry(std::u16string text1, std::u16string text2, int box1 = 0, CalendarDate answered = longAgo,
                int category = 0)
{
    WordEntry made;
    made.text1 = std::move(text1);
    made.text2 = std::move(text2);
    made.box1 = box1;
    made.box2 = 1;
    made.setBothAnswerDates(answered);
    made.category = category;
    return made;
}

CWordStore storeOf(std::vector<WordEntry> entries)
{
    CWordStore store(today, u"");
    store.replaceEntries(std::move(entries));
    return store;
}

// Step, and the question shown afterwards.
std::u16string step(TrainingRun& run, StepDirection direction = StepDirection::Forward)
{
    run.Step(direction);
    return run.view().questionText;
}

void expectIdle(const TrainingView& view)
{
    EXPECT_EQ(u"", view.questionText);
    EXPECT_EQ(Rgb(), view.questionColour);
    EXPECT_EQ(u"", view.boxLabel);
    EXPECT_EQ(u"", view.answerLabel);
    EXPECT_EQ(u"", view.articleLabel);
    EXPECT_FALSE(view.showOffered);
    EXPECT_FALSE(view.gradeOffered);
    EXPECT_FALSE(view.keepShown);
}

} // namespace

TEST(TrainingRun, ShowCyclesThroughTheArticlesOfAWord)
{
    CWordStore store = storeOf({entry(u"Lentille (optique)", u"Lenso", 0, longAgo, 3),
                                entry(u"Pomo", u"Pomme"),
                                entry(u"Lentille (kontakta)", u"Kontaktlenso", 5),
                                entry(u"Lentille (légume)", u"Lento", 0, today)});
    ScriptedRandomSource random{};
    TrainingRun run(store, random);

    EXPECT_EQ(u"Lentille (optique)", step(run));
    EXPECT_EQ(u"2 artikloj", run.view().articleLabel);
    EXPECT_EQ(u"Skatolo 1", run.view().boxLabel);
    EXPECT_EQ(u"?", run.view().answerLabel);
    EXPECT_EQ((Rgb{0, 250, 255}), run.view().questionColour);
    EXPECT_TRUE(run.view().showOffered);
    EXPECT_FALSE(run.view().gradeOffered);

    const char16_t* const cycle[][2] = {{u"Lenso", u"Lentille (optique)"},
                                        {u"Lento", u"Lentille (légume)"}, // not due, still an article
                                        {u"Lenso", u"Lentille (optique)"}};
    for (const auto& [answer, question] : cycle) {
        run.Show();
        EXPECT_EQ(answer, run.view().answerLabel);
        EXPECT_EQ(question, run.view().questionText);
        EXPECT_TRUE(run.view().gradeOffered);
        EXPECT_FALSE(run.view().keepShown);
    }
    EXPECT_EQ(u"Lentille (optique)", run.referenceText());
}

TEST(TrainingRun, KeepButtonOnlyFromBoxTwoOnceTheAnswerIsShown)
{
    for (int box = 0; box < 5; ++box) {
        SCOPED_TRACE(box);
        CWordStore store = storeOf({entry(u"kato", u"chat", box)});
        ScriptedRandomSource random{};
        TrainingRun run(store, random);
        run.Step(StepDirection::Forward);
        EXPECT_EQ(u"Skatolo " + std::u16string(1, static_cast<char16_t>(u'1' + box)), run.view().boxLabel);
        EXPECT_EQ(u"1 artiklo", run.view().articleLabel);
        EXPECT_FALSE(run.view().keepShown);
        run.Show();
        EXPECT_EQ(box > 0, run.view().keepShown);
    }
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
        CWordStore store = storeOf({entry(u"domo", u"maison", row.box, longAgo, 4), entry(u"urbo", u"ville", 5)});
        ScriptedRandomSource random{};
        TrainingRun run(store, random);
        run.AdvanceDay();
        EXPECT_TRUE(run.view().todayOffered);
        run.Step(StepDirection::Forward);
        run.Show();
        row.grade(run);

        WordEntry expected = entry(u"domo", u"maison", row.newBox, longAgo, 4);
        expected.setAnswerDate(1, today);
        EXPECT_EQ(expected, store.entry(0));
        expectIdle(run.view());
        EXPECT_EQ(0, run.current());
        EXPECT_EQ(row.newBox < 5 ? 1 : 0, run.view().counts.total[static_cast<std::size_t>(row.newBox % 5)]);
        EXPECT_EQ(u"11/03/2016", run.view().referenceDate);
    }
}

TEST(TrainingRun, WrongAnswerIsDueAgainTheNextDay)
{
    CWordStore store = storeOf({entry(u"domo", u"maison", 2, {1, 3, 2016})});
    ScriptedRandomSource random{};
    TrainingRun run(store, random);
    EXPECT_EQ(1, run.view().counts.due[2]);
    EXPECT_EQ(u"domo", step(run));
    run.Show();
    run.GradeWrong();
    EXPECT_EQ(0, store.entry(0).box1);
    EXPECT_EQ(today, store.entry(0).answerDate(1));
    EXPECT_EQ((BoxCountTable{{1, 0, 0, 0, 0}, {0, 0, 0, 0, 0}}), run.view().counts);
    EXPECT_EQ(u"", step(run));

    run.AdvanceDay();
    EXPECT_EQ((BoxCountTable{{1, 0, 0, 0, 0}, {1, 0, 0, 0, 0}}), run.view().counts);
    EXPECT_EQ(u"domo", step(run));
    run.BackToToday();
    EXPECT_FALSE(run.view().todayOffered);
    EXPECT_EQ(u"domo", run.view().questionText); // the display stays
}

TEST(TrainingRun, JustTreatedModeGradesTheSameEntryAgain)
{
    CWordStore store = storeOf({entry(u"kato", u"chat", 1, today), entry(u"hundo", u"chien", 5, today),
                                entry(u"bovo", u"vache", 0, {9, 3, 2016})});
    ScriptedRandomSource random{};
    TrainingRun run(store, random);
    run.SetJustTreated(true);
    EXPECT_FALSE(run.settings().automaticDate());
    EXPECT_FALSE(run.view().nextDayOffered);
    for (int box = 1; box <= 5; ++box)
        run.SetBoxFlag(box, false);
    EXPECT_EQ(u"hundo", step(run)); // learned entries graded today stay reachable
    EXPECT_EQ(u"Skatolo 6", run.view().boxLabel);
    EXPECT_EQ(u"1 artiklo", run.view().articleLabel);
    run.LookUp(u"hundo"); // typed, a learned entry does not count itself
    EXPECT_EQ(u"0 artiklo", run.view().articleLabel);
    run.SetBoxFlag(2, true);
    EXPECT_EQ(u"kato", step(run));
    run.Show();

    run.GradeRight();
    run.GradeRight();
    EXPECT_EQ(3, store.entry(0).box1);
    EXPECT_EQ(u"Skatolo 4", run.view().boxLabel);
    EXPECT_TRUE(run.view().keepShown);
    EXPECT_EQ(u"chat", run.view().answerLabel);
    EXPECT_TRUE(run.view().gradeOffered);

    run.GradeWrong();
    EXPECT_EQ(0, store.entry(0).box1);
    EXPECT_EQ(u"Skatolo 1", run.view().boxLabel);
    EXPECT_FALSE(run.view().keepShown);
    run.GradeKeep(); // not offered
    run.GradeRight();
    EXPECT_EQ(1, store.entry(0).box1);
    EXPECT_EQ(today, store.entry(0).answerDate(1));
    EXPECT_EQ(u"kato", run.view().questionText);
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
    EXPECT_TRUE(before.gradeOffered);
    for (const StepDirection direction : {StepDirection::Forward, StepDirection::Backward}) {
        run.Step(direction);
        EXPECT_EQ(before, run.view());
    }
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
    CWordStore store = storeOf({entry(u"hundo", u"chien", 0, today), entry(u"kato (besto)", u"chat", 1),
                                entry(u"kato", u"matou", 0, longAgo, 2), entry(u"kato", u"chat"),
                                entry(u"bovo", u"vache")});
    ScriptedRandomSource random{};
    TrainingRun run(store, random);
    run.LookUp(u"kato");
    EXPECT_EQ(2, run.current());
    EXPECT_EQ(u"kato", run.referenceText());
    EXPECT_EQ(u"3 artikloj", run.view().articleLabel);
    EXPECT_EQ(u"Skatolo 1", run.view().boxLabel);
    EXPECT_EQ(u"?", run.view().answerLabel);
    EXPECT_EQ((Rgb{220, 255, 0}), run.view().questionColour);
    EXPECT_TRUE(run.view().showOffered);

    const char16_t* const misses[] = {u"kato (besta)", u"hundo", u"kat"};
    for (const char16_t* typed : misses) {
        SCOPED_TRACE(std::string(typed, typed + std::char_traits<char16_t>::length(typed)));
        run.LookUp(typed);
        EXPECT_EQ(typed, run.view().questionText);
        EXPECT_EQ(Rgb(), run.view().questionColour);
        EXPECT_EQ(u"", run.view().boxLabel);
        EXPECT_EQ(u"", run.view().answerLabel);
        EXPECT_EQ(u"", run.view().articleLabel);
        EXPECT_FALSE(run.view().showOffered);
        EXPECT_EQ(2, run.current());
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
        {"order chosen again", [](TrainingRun& run) { run.SetOrder(PresentationOrder::Morphological); }, u"domo"},
        {"box flag", [](TrainingRun& run) { run.SetBoxFlag(3, false); }, u"domo"},
        {"automatic date", [](TrainingRun& run) { run.SetAutomaticDate(true); }, u"domo"},
        {"just treated", [](TrainingRun& run) { run.SetJustTreated(false); }, u"domo"},
        {"category filter", [](TrainingRun& run) { run.SetCategoryFilter(withoutCategory); }, u"domo"},
        {"same category filter", [](TrainingRun& run) { run.SetCategoryFilter(allCategories); }, u"doma"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.change);
        CWordStore store = storeOf({entry(u"domo", u"a"), entry(u"domoj", u"b"), entry(u"doma", u"c"),
                                    entry(u"hundo", u"d")});
        ScriptedRandomSource random{};
        TrainingRun run(store, random);
        run.SetOrder(PresentationOrder::Morphological);
        EXPECT_FALSE(run.view().backwardOffered);
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
    expectIdle(run.view());
    EXPECT_EQ(u"", run.referenceText());
    EXPECT_EQ(u"10/03/2016", run.view().referenceDate);
    EXPECT_FALSE(run.view().todayOffered);
    EXPECT_EQ(u"chat", step(run));
    run.Show();
    EXPECT_EQ(u"kato", run.view().answerLabel);
    EXPECT_TRUE(run.view().keepShown); // box2 is 1 in every entry here
    run.GradeRight();
    EXPECT_EQ(2, store.entry(0).box2);
    EXPECT_EQ(0, store.entry(0).box1);
    EXPECT_EQ(longAgo, store.entry(0).answerDate(1));
}

// Values that only a hand-edited file holds: no colour, no box, and nothing read beyond a table.
TEST(TrainingRun, CategoriesAndBoxesOutOfRangeAreHarmless)
{
    CWordStore store = storeOf({entry(u"a", u"1", 0, longAgo, 5), entry(u"b", u"2", 0, longAgo, 42),
                                entry(u"c", u"3", -3, longAgo, -1), entry(u"b", u"4", 9), entry(u"d", u"5", 0, longAgo, -7)});
    ScriptedRandomSource random{};
    TrainingRun run(store, random);
    EXPECT_EQ((BoxCountTable{{3, 0, 0, 0, 0}, {3, 0, 0, 0, 0}}), run.view().counts);
    EXPECT_EQ(u"a", step(run));
    const Rgb categoryFive{255, 130, 255};
    EXPECT_EQ(categoryFive, run.view().questionColour);
    EXPECT_EQ(u"b", step(run));
    EXPECT_EQ(categoryFive, run.view().questionColour);
    EXPECT_EQ(u"1 artiklo", run.view().articleLabel);
    run.Show();
    run.Show();
    EXPECT_EQ(u"2", run.view().answerLabel);
    EXPECT_EQ(u"d", step(run));
    EXPECT_EQ(categoryFive, run.view().questionColour);
    run.SetCategoryFilter(42);
    EXPECT_EQ(u"b", step(run));
    run.SetDirection(2);
    run.SetCategoryFilter(-1);
    EXPECT_EQ((BoxCountTable{{0, 1, 0, 0, 0}, {0, 1, 0, 0, 0}}), run.view().counts);
    EXPECT_EQ(u"3", step(run));
}
