#include "cli/cli_data.h"

#include <filesystem>

#include "frontend/calculator_session.h"
#include "frontend/home_folder.h"
#include "frontend/ini_file.h"
#include "frontend/settings.h"
#include "frontend/user_functions_file.h"
#include "frontend/user_vars_file.h"
#include "frontend/variable_edit.h"
#include "frontend/variables_file.h"

namespace kalvo {

namespace {

bool Exists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::exists(path, error);
}

/// The home folder's current data files: the "Files" keys of its settings file, or the
/// defaults beside it. Nothing is created: the command line only reads.
struct HomeDataFiles {
    std::string functions;
    std::string userVariables;
};

HomeDataFiles HomeFiles(const std::string& homeOption) {
    HomeDataFiles files;
    HomeFolderChoice choice = ChooseHomeFolder(HomeFolderInputsFromEnvironment(homeOption));
    if (choice.source == HomeFolderChoice::Source::kNone) {
        return files;
    }
    HomeFolder home{choice.folder, choice.folder + "/Kalvo"};
    files.functions = home.DefaultFunctionsFile();
    files.userVariables = home.DefaultVariablesFile();
    IniFile ini;
    if (Exists(home.SettingsFile()) && ini.Load(home.SettingsFile()).ok) {
        files.functions = ini.ReadString(kFilesSection, "Functions", files.functions);
        files.userVariables = ini.ReadString(kFilesSection, "Variables", files.userVariables);
    }
    return files;
}

}  // namespace

bool LoadCliData(CalculatorSession& session, const CliOptions& options,
                 const std::function<void(const std::string&)>& report) {
    bool ok = true;
    auto fail = [&ok, &report](const std::string& message) {
        report(message);
        ok = false;
    };
    Engine& engine = session.GetEngine();
    const bool needHome = options.functionFiles.empty() || options.userVariableFiles.empty();
    const HomeDataFiles home = needHome ? HomeFiles(options.home) : HomeDataFiles{};

    // Files the user named must load; the home folder's own files are read when present.
    if (!options.functionFiles.empty()) {
        for (const std::string& file : options.functionFiles) {
            LoadUserFunctionsFile(engine.Functions(), file, fail);
        }
    } else if (Exists(home.functions)) {
        LoadUserFunctionsFile(engine.Functions(), home.functions, fail);
    }

    std::vector<std::string> lines;
    if (!options.userVariableFiles.empty()) {
        for (const std::string& file : options.userVariableFiles) {
            if (FileResult result = LoadUserVarsFile(file, engine.State().constants, lines);
                !result.ok) {
                fail(result.message);
            }
        }
    } else if (Exists(home.userVariables)) {
        if (FileResult result =
                LoadUserVarsFile(home.userVariables, engine.State().constants, lines);
            !result.ok) {
            fail(result.message);
        }
    }

    for (const std::string& file : options.variableFiles) {
        VariablesData data;
        if (FileResult result = ReadVariablesFile(file, data); !result.ok) {
            fail(result.message);
            continue;
        }
        // As the Variables tab's "&Load": take the file, then calculate every row.
        const auto rows = CalculateAllVariables(engine, data);
        for (int slot = 1; slot <= kTabVariableCount; ++slot) {
            const VariableEditResult& row = rows[static_cast<std::size_t>(slot - 1)];
            if (row.evaluated && !row.ok) {
                fail(file + ": " + std::string(1, EngineState::Letter(slot)) + ": " + row.error);
            }
        }
    }
    return ok;
}

}  // namespace kalvo
