// Time of the work a damaged or large file causes: user-function preparation over long
// bodies, loading many user variables, reading a settings file of blank lines, and reading
// a manual page full of "&" that starts no character reference. Each
// must grow linearly with the input (see the fitted complexity of each family).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine/constant_list.h"
#include "engine/user_function.h"
#include "frontend/help_index.h"
#include "frontend/home_folder.h"
#include "frontend/ini_file.h"
#include "frontend/settings.h"
#include "frontend/user_vars_file.h"

namespace {

// A definition whose body holds n/4 occurrences of each of two parameters.
void BM_PrepareLongBody(benchmark::State& state) {
    std::string line = "f(a,b)=";
    while (line.size() < static_cast<std::size_t>(state.range(0))) {
        line += "a*b+";
    }
    line += "0";
    for (auto _ : state) {
        kalvo::TUserFunc function(line);
        benchmark::DoNotOptimize(function.ParameterCount());
    }
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PrepareLongBody)->RangeMultiplier(4)->Range(1 << 15, 1 << 21)->Complexity();

void BM_LoadUserVars(benchmark::State& state) {
    std::vector<std::string> file;
    for (long i = 0; i < state.range(0); ++i) {
        file.push_back("v" + std::to_string(i) + " = 1.5E+0");
    }
    for (auto _ : state) {
        std::vector<std::string> read = file;
        kalvo::ConstantList constants;
        std::vector<std::string> lines;
        kalvo::LoadUserVarsLines(read, "bench.USR", constants, lines);
        benchmark::DoNotOptimize(constants.Count());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LoadUserVars)->RangeMultiplier(4)->Range(1 << 12, 160000)->Complexity();

void BM_SettingsOfBlankLines(benchmark::State& state) {
    const std::string text(static_cast<std::size_t>(state.range(0)), '\n');
    const kalvo::HomeFolder home{"/home", "/home/Kalvo"};
    for (auto _ : state) {
        kalvo::Settings settings = kalvo::LoadSettings(kalvo::IniFile::Parse(text), home);
        benchmark::DoNotOptimize(settings.digits);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SettingsOfBlankLines)->RangeMultiplier(4)->Range(1 << 14, 1 << 22)->Complexity();

void BM_HelpPageOfAmpersands(benchmark::State& state) {
    const std::string html(static_cast<std::size_t>(state.range(0)), '&');
    for (auto _ : state) {
        kalvo::HelpPageText page = kalvo::ExtractHelpPage("page.html", html);
        benchmark::DoNotOptimize(page.text.size());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_HelpPageOfAmpersands)
    ->RangeMultiplier(4)
    ->Range(1 << 12, kalvo::kMaxHelpPageBytes)
    ->Complexity();

}  // namespace
