#pragma once

#include <string>

namespace kalvo {

/// The greeting shown in the assistant panel at start-up; `dayFraction` is the time of
/// day as a fraction of 24 hours (07:00 is 0.2917: "Good morning Sir/Madam!").
std::string GreetingText(double dayFraction, const std::string& addressee = "Sir/Madam");

}  // namespace kalvo
