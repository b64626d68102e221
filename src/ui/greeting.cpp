#include "ui/greeting.h"

namespace kalvo {

std::string GreetingText(double t, const std::string& addressee) {
    if (t > 0.0 && t < 0.2) {
        return "Oh... Good ... night ... " + addressee + "!";
    }
    if (t >= 0.2 && t < 0.5) {
        return "Good morning " + addressee + "!";
    }
    if (t >= 0.5 && t < 0.75) {
        return "Good afternoon " + addressee + "!";
    }
    if (t >= 0.75 && t < 1.0) {
        return "Good evening " + addressee + "!";
    }
    return "What is the time?";
}

}  // namespace kalvo
