#pragma once
#include <QDateTime>
#include <functional>

// "Now" for the whole program; tests set their own.
namespace Clock {
QDateTime now();
QDate today();
// Replaces the clock; an empty function restores the system clock.
void setForTesting(std::function<QDateTime()> clock);
}
