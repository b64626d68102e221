// The settings file: parse it, read the settings, write them back as the close does, and
// check that what was written reads back the same.
#include <cstddef>
#include <cstdint>

#include "frontend/home_folder.h"
#include "frontend/ini_file.h"
#include "frontend/settings.h"
#include "fuzz_session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const kalvo::HomeFolder home{"/home", "/home/Kalvo"};
    kalvo::IniFile ini = kalvo::IniFile::Parse(kalvo::FuzzText(data, size));
    const kalvo::Settings settings = kalvo::LoadSettings(ini, home);
    kalvo::SaveSettings(ini, settings);
    const kalvo::Settings reread = kalvo::LoadSettings(kalvo::IniFile::Parse(ini.Text()), home);
    kalvo::FuzzCheck(reread.notation == settings.notation && reread.digits == settings.digits &&
                         reread.precision == settings.precision && reread.angle == settings.angle &&
                         reread.plotType == settings.plotType && reread.stepX == settings.stepX &&
                         reread.stepY == settings.stepY && reread.left == settings.left &&
                         reread.top == settings.top,
                     "the numbers written at close read back the same");
    kalvo::FuzzCheck(reread.variablesFile == settings.variablesFile &&
                         reread.functionsFile == settings.functionsFile,
                     "the files' paths are kept");
    return 0;
}
