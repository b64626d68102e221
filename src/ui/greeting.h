#pragma once

#include <string>

namespace kalvo {

/// The greeting shown in the assistant panel at start-up; `dayFraction` is the time of
/// day as a fraction of 24 hours (07:00 is 0.2917: "Good morning Sir/Madam!").
std::string GreetingText(double dayFraction, const std::string& addressee = "Sir/Madam");

/// Whether a later show of the window greets again: only when more than one day lies
/// between the day of the last greeting and today (days counted from any fixed origin).
inline bool GreetAgain(long long greetedDay, long long today) { return today - greetedDay > 1; }

}  // namespace kalvo
