#pragma once

#include <array>
#include <string>

#include "frontend/home_folder.h"
#include "frontend/ini_file.h"

namespace kalvo {

/// Section names of the settings file.
inline constexpr char kCalcSettingsSection[] = "Calc Settings";
inline constexpr char kFilesSection[] = "Files";
inline constexpr char kGraphicsSection[] = "Graphics";
inline constexpr char kCalcSection[] = "Calc";
inline constexpr char kSurfaceSection[] = "fmSurface";
inline constexpr char kPolarSection[] = "fmPolar";

/// Number of plot kinds, each with its own X and Y step counts.
inline constexpr int kPlotKindCount = 5;

/// Placement of a window that remembers it in a section named after the window
/// ("fmPlot2D", "fmContourPlot", "fmSurface", "fmPolar").
struct WindowPlacement {
    int left = 0;
    int top = 0;
    int width = 640;
    int height = 480;
};

/// Everything the settings file holds for the main window, with the defaults of a first
/// start. Texts meant for fields and the engine are Latin-1; the two paths are file
/// system names as they are.
struct Settings {
    // "Calc Settings"
    int notation = 0;       ///< "Notation": 0 Scn, 1 Fix, 2 Eng, 3 Sxg
    int digits = 12;        ///< "Digits"
    int complexForm = 1;    ///< "Complex Form": 0 Polar, 1 Rect; read, never written
    int precision = 9;      ///< "Precison": the precision spin, 1..20
    bool assistant = true;  ///< "Assistant"
    bool hint = true;       ///< "Hint": keypad hints ("Show help")
    int angle = 1;          ///< "Angle": 0 radians, 1 degrees
    bool showComp = true;   ///< "ShowComp"
    // "Files": written only by the "Save As" buttons, see SaveFilesPath.
    std::string variablesFile;  ///< "Variables": the current user-variables file
    std::string functionsFile;  ///< "Functions": the current user-functions file
    // "Graphics"
    int plotType = 0;                                             ///< "Plot Type", 0..4
    std::string xMin = "-10";                                     ///< "Xx min": X range start field
    std::string xMax = "10";                                      ///< "Yx min": X range end field
    std::string yMin = "-10";                                     ///< "Xy min": Y range start field
    std::string yMax = "10";                                      ///< "Yy min": Y range end field
    std::array<int, kPlotKindCount> stepX{200, 40, 40, 40, 360};  ///< "StepX0".."StepX4"
    std::array<int, kPlotKindCount> stepY{0, 40, 40, 40, 0};      ///< "StepY0".."StepY4"
    std::string legend;                                           ///< "Legend"
    std::string title = "f()";                                    ///< "Title"
    std::string xAxis = "X";                                      ///< "X axis"
    std::string yAxis = "Y";                                      ///< "Y axis"
    // "Calc": the main window's position.
    int left = 0;
    int top = 0;
    // "fmSurface" and "fmPolar": the surface and polar windows.
    WindowPlacement surfacePlacement;
    int elevationColor = 16776960;  ///< "ElevationColor": red 0, green 255, blue 255
    int wallWidth = 10;             ///< "WallWidth"
    WindowPlacement polarPlacement;
};

/// The defaults, with the current data files in the home folder.
Settings DefaultSettings(const HomeFolder& home);

/// Every key with its default when missing or unreadable. "Angle" reads as a boolean:
/// any value other than 0 means degrees. Notation, complex form, precision and plot kind
/// are clamped to their ranges (0..3, 0..1, 1..20, 0..4); Digits is left to the session,
/// whose range depends on the notation.
Settings LoadSettings(const IniFile& ini, const HomeFolder& home);

/// Writes the keys saved at close, in their order: "Calc Settings" (Notation, Angle,
/// Digits, Precison, Assistant, Hint, ShowComp), "Graphics" (Plot Type, the four range
/// fields, Legend, Title, X axis, Y axis, StepX0..4, StepY0..4), "Calc" (Left, Top),
/// "fmSurface" (placement, ElevationColor, WallWidth), "fmPolar" (placement).
/// "Complex Form" and the "Files" keys are left as they are.
void SaveSettings(IniFile& ini, const Settings& settings);

/// Start-up: the settings file's values, or every default when it is missing or unreadable.
Settings LoadSettingsFile(const std::string& settingsFile, const HomeFolder& home);
/// Close: reads the settings file, writes the keys saved at close and writes it back, so
/// every other section and key is kept. A file that exists but cannot be read is left
/// alone and reported ("Can't read file " + path).
FileResult SaveSettingsFile(const std::string& settingsFile, const Settings& settings);

enum class FilesKey { kVariables, kFunctions };
/// The "Save As" buttons: store the chosen file under "Files".
void SaveFilesPath(IniFile& ini, FilesKey key, const std::string& path);
/// The same on the settings file itself: read it, set the key, write it back.
FileResult SaveFilesPath(const std::string& settingsFile, FilesKey key, const std::string& path);

WindowPlacement RestorePlacement(const IniFile& ini, const std::string& window);
void SavePlacement(IniFile& ini, const std::string& window, const WindowPlacement& placement);

}  // namespace kalvo
