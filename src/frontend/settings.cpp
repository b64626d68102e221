#include "frontend/settings.h"

#include <algorithm>

#include "engine/text_encoding.h"
#include "frontend/text_file.h"

namespace kalvo {

namespace {

std::string StepKey(char axis, int kind) {
    return std::string("Step") + axis + static_cast<char>('0' + kind);
}

// Field texts may have been written as UTF-8 by another editor.
std::string ReadText(const IniFile& ini, std::string_view key, const std::string& fallback) {
    std::optional<std::string> value = ini.Value(kGraphicsSection, key);
    return value ? ToLatin1(*value) : fallback;
}

}  // namespace

Settings DefaultSettings(const HomeFolder& home) {
    Settings s;
    s.variablesFile = home.DefaultVariablesFile();
    s.functionsFile = home.DefaultFunctionsFile();
    return s;
}

Settings LoadSettings(const IniFile& ini, const HomeFolder& home) {
    Settings s = DefaultSettings(home);
    s.notation = ini.ReadInteger(kCalcSettingsSection, "Notation", s.notation);
    s.digits = ini.ReadInteger(kCalcSettingsSection, "Digits", s.digits);
    s.complexForm = ini.ReadInteger(kCalcSettingsSection, "Complex Form", s.complexForm);
    s.precision = ini.ReadInteger(kCalcSettingsSection, "Precison", s.precision);
    s.assistant = ini.ReadBool(kCalcSettingsSection, "Assistant", s.assistant);
    s.hint = ini.ReadBool(kCalcSettingsSection, "Hint", s.hint);
    s.angle = ini.ReadBool(kCalcSettingsSection, "Angle", s.angle != 0) ? 1 : 0;
    s.showComp = ini.ReadBool(kCalcSettingsSection, "ShowComp", s.showComp);

    s.variablesFile = ini.ReadString(kFilesSection, "Variables", s.variablesFile);
    s.functionsFile = ini.ReadString(kFilesSection, "Functions", s.functionsFile);

    s.plotType = ini.ReadInteger(kGraphicsSection, "Plot Type", s.plotType);
    s.xMin = ReadText(ini, "Xx min", s.xMin);
    s.xMax = ReadText(ini, "Yx min", s.xMax);
    s.yMin = ReadText(ini, "Xy min", s.yMin);
    s.yMax = ReadText(ini, "Yy min", s.yMax);
    for (int k = 0; k < kPlotKindCount; ++k) {
        auto i = static_cast<std::size_t>(k);
        s.stepX[i] = ini.ReadInteger(kGraphicsSection, StepKey('X', k), s.stepX[i]);
        s.stepY[i] = ini.ReadInteger(kGraphicsSection, StepKey('Y', k), s.stepY[i]);
    }
    s.legend = ReadText(ini, "Legend", s.legend);
    s.title = ReadText(ini, "Title", s.title);
    s.xAxis = ReadText(ini, "X axis", s.xAxis);
    s.yAxis = ReadText(ini, "Y axis", s.yAxis);

    s.left = ini.ReadInteger(kCalcSection, "Left", s.left);
    s.top = ini.ReadInteger(kCalcSection, "Top", s.top);

    s.surfacePlacement = RestorePlacement(ini, kSurfaceSection);
    s.elevationColor = ini.ReadInteger(kSurfaceSection, "ElevationColor", s.elevationColor);
    s.wallWidth = ini.ReadInteger(kSurfaceSection, "WallWidth", s.wallWidth);
    s.polarPlacement = RestorePlacement(ini, kPolarSection);

    // Indexes and spin positions from a hand-edited file are kept in their ranges: the
    // plot kind selects a step count, the notation a switch position.
    s.notation = std::clamp(s.notation, 0, 3);
    s.complexForm = std::clamp(s.complexForm, 0, 1);
    s.precision = std::clamp(s.precision, 1, 20);
    s.plotType = std::clamp(s.plotType, 0, kPlotKindCount - 1);
    return s;
}

void SaveSettings(IniFile& ini, const Settings& s) {
    ini.WriteInteger(kCalcSettingsSection, "Notation", s.notation);
    ini.WriteInteger(kCalcSettingsSection, "Angle", s.angle);
    ini.WriteInteger(kCalcSettingsSection, "Digits", s.digits);
    ini.WriteInteger(kCalcSettingsSection, "Precison", s.precision);
    ini.WriteBool(kCalcSettingsSection, "Assistant", s.assistant);
    ini.WriteBool(kCalcSettingsSection, "Hint", s.hint);
    ini.WriteBool(kCalcSettingsSection, "ShowComp", s.showComp);

    ini.WriteInteger(kGraphicsSection, "Plot Type", s.plotType);
    ini.WriteString(kGraphicsSection, "Xx min", s.xMin);
    ini.WriteString(kGraphicsSection, "Yx min", s.xMax);
    ini.WriteString(kGraphicsSection, "Xy min", s.yMin);
    ini.WriteString(kGraphicsSection, "Yy min", s.yMax);
    ini.WriteString(kGraphicsSection, "Legend", s.legend);
    ini.WriteString(kGraphicsSection, "Title", s.title);
    ini.WriteString(kGraphicsSection, "X axis", s.xAxis);
    ini.WriteString(kGraphicsSection, "Y axis", s.yAxis);
    for (int k = 0; k < kPlotKindCount; ++k) {
        ini.WriteInteger(kGraphicsSection, StepKey('X', k), s.stepX[static_cast<std::size_t>(k)]);
    }
    for (int k = 0; k < kPlotKindCount; ++k) {
        ini.WriteInteger(kGraphicsSection, StepKey('Y', k), s.stepY[static_cast<std::size_t>(k)]);
    }

    ini.WriteInteger(kCalcSection, "Left", s.left);
    ini.WriteInteger(kCalcSection, "Top", s.top);

    SavePlacement(ini, kSurfaceSection, s.surfacePlacement);
    ini.WriteInteger(kSurfaceSection, "ElevationColor", s.elevationColor);
    ini.WriteInteger(kSurfaceSection, "WallWidth", s.wallWidth);
    SavePlacement(ini, kPolarSection, s.polarPlacement);
}

Settings LoadSettingsFile(const std::string& settingsFile, const HomeFolder& home) {
    IniFile ini;
    ini.Load(settingsFile);  // a missing or unreadable file yields the defaults
    return LoadSettings(ini, home);
}

namespace {

// Read-modify-write that keeps what others put in the file.
template <typename Change>
FileResult UpdateSettingsFile(const std::string& settingsFile, Change change) {
    std::string content;
    ReadStatus status = ReadFileBytes(settingsFile, content);
    if (status == ReadStatus::kCannotRead) {
        // The file exists but cannot be read: writing would lose it.
        return FileResult::Failure(kCantReadFile + settingsFile);
    }
    IniFile ini = status == ReadStatus::kOk ? IniFile::Parse(content) : IniFile();
    change(ini);
    return ini.Save(settingsFile);
}

}  // namespace

FileResult SaveSettingsFile(const std::string& settingsFile, const Settings& settings) {
    return UpdateSettingsFile(settingsFile, [&](IniFile& ini) { SaveSettings(ini, settings); });
}

void SaveFilesPath(IniFile& ini, FilesKey key, const std::string& path) {
    ini.WriteString(kFilesSection, key == FilesKey::kVariables ? "Variables" : "Functions", path);
}

FileResult SaveFilesPath(const std::string& settingsFile, FilesKey key, const std::string& path) {
    return UpdateSettingsFile(settingsFile, [&](IniFile& ini) { SaveFilesPath(ini, key, path); });
}

WindowPlacement RestorePlacement(const IniFile& ini, const std::string& window) {
    WindowPlacement p;
    p.left = ini.ReadInteger(window, "Left", p.left);
    p.top = ini.ReadInteger(window, "Top", p.top);
    p.width = ini.ReadInteger(window, "Width", p.width);
    p.height = ini.ReadInteger(window, "Height", p.height);
    return p;
}

void SavePlacement(IniFile& ini, const std::string& window, const WindowPlacement& p) {
    ini.WriteInteger(window, "Left", p.left);
    ini.WriteInteger(window, "Top", p.top);
    ini.WriteInteger(window, "Width", p.width);
    ini.WriteInteger(window, "Height", p.height);
}

}  // namespace kalvo
