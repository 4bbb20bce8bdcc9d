#pragma once

#include "BoxSchedule.h"
#include "CategoryColours.h"

#include <string>

// Everything the training dialog shows after an operation of the run: texts exactly as displayed,
// and which buttons may be used.
struct TrainingView
{
    std::u16string questionText;
    Rgb questionColour;
    std::u16string boxLabel;     // "Skatolo 3", or empty
    std::u16string answerLabel;  // "?" while the answer is hidden, the answer once shown, or empty
    std::u16string articleLabel; // "1 artiklo", "2 artikloj", or empty
    bool showOffered = false;    // "Montru"
    bool gradeOffered = false;   // "Bone" and "Malbone"
    bool keepShown = false;      // the keep button, visible only when it may be used
    BoxCountTable counts;        // "Entute" and "Pritraktebla"
    std::u16string referenceDate;
    bool nextDayOffered = true;  // "Postan tagon"
    bool todayOffered = false;   // "Hodiaŭ"
    bool backwardOffered = true; // "<"
    bool undoOffered = false;    // "Malfaru": a grade of this run can be taken back

    bool operator==(const TrainingView&) const = default;
};
