#include "shell/clock.h"

namespace {
std::function<QDateTime()>& replacement()
{
    static std::function<QDateTime()> clock;
    return clock;
}
}  // namespace

QDateTime Clock::now()
{
    return replacement() ? replacement()() : QDateTime::currentDateTime();
}

QDate Clock::today()
{
    return now().date();
}

void Clock::setForTesting(std::function<QDateTime()> clock)
{
    replacement() = std::move(clock);
}
