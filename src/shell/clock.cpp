#include "shell/clock.h"

namespace {
std::function<QDateTime()>& Replacement_Clock()
{
    static std::function<QDateTime()> clock;
    return clock;
}
}  // namespace

QDateTime Clock::now()
{
    return Replacement_Clock() ? Replacement_Clock()() : QDateTime::currentDateTime();
}

QDate Clock::today()
{
    return now().date();
}

void Clock::setForTesting(std::function<QDateTime()> clock)
{
    Replacement_Clock() = std::move(clock);
}
