#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalvo {

/// The least Z value that is not a missing-value marker (+-1234321); 1e38 when there is none.
double ZMinimum(const std::vector<double>& z);

/// The greatest Z value that is not a missing-value marker; -1e38 when there is none.
double ZMaximum(const std::vector<double>& z);

/// More automatic levels than this are not placed: the plot set-up asks for at most 1000.
inline constexpr int kMaxAutomaticLevels = 10000;

/// The automatic levels a + k * step, k = 0 … n-1, with step = (b - a) / n, or (b - a) / 2
/// for n = 1: the first level lies at a and none at b. A surface whose computed extremes lie
/// closer than 1e-50 has none; n is taken as at most kMaxAutomaticLevels.
std::vector<double> AutomaticLevels(double computedMinimum, double computedMaximum, double a,
                                    double b, int n);

/// The level rounded to 12 significant digits, as it is traced and printed.
double RoundLevel(double level);

/// The level in the general 12-digit form: "0.3", "-2.5", "1.2E-7".
std::string LevelText(double level);

/// A user-level text read as a number ("2.5", " -1e-3 "); nothing when it is not one.
std::optional<double> ReadLevelText(std::string_view text);

/// The number of significant digits for the label texts of these levels: 6, or more (up to
/// 12) when 6 would give two different levels the same text.
int LabelDigits(std::vector<double> levels);

/// A label text: the level in the general form with `digits` significant digits, without
/// trailing zeros ("0.3", "-2.98729", "1.5E-7").
std::string LabelText(double level, int digits);

}  // namespace kalvo
