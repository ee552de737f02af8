#include "gemology/time_accuracy.h"

#include "gemology/birth_clock.h"

MinuteSpan Allowed_Birth_Minutes(TimeAccuracy accuracy, int givenMinute)
{
    if (accuracy == TimeAccuracy::notKnown)
        return {0, Minutes_Per_Day - 1};
    for (const TimeAccuracyChoice& choice : Time_Accuracy_Choices) {
        if (choice.accuracy == accuracy)
            return {givenMinute - choice.marginMinutes, givenMinute + choice.marginMinutes};
    }
    return {givenMinute, givenMinute};
}

TimeAccuracy Time_Accuracy_At(int position)
{
    if (position < 0 || position >= static_cast<int>(Time_Accuracy_Choices.size()))
        return TimeAccuracy::exact;
    return Time_Accuracy_Choices[static_cast<std::size_t>(position)].accuracy;
}
