// The Constants tab's list, search and paste, and the constants file that ships.
#include <gtest/gtest.h>

#include "engine/engine.h"
#include "frontend/constants_file.h"
#include "frontend/temp_folder.h"

namespace {

using kalvo::testing::ReadBytes;
using kalvo::testing::TempFolder;
using kalvo::testing::WriteBytes;
using Lines = std::vector<std::string>;

const std::string kShippedFile = std::string(KALVO_SOURCE_DIR) + "/resources/data/Kalvo.CON";

TEST(ConstantsFileTest, LoadSortsIgnoringCaseAndDropsBlankLines) {
    TempFolder folder;
    std::string stem = folder.File("Kalvo");
    WriteBytes(stem + ".CON",
               "pi = 3.14\r\nG = 6.67E-11\n\n  \r\nc = 3E8\rPlanck h = 6.6E-34\nalpha\n");
    Lines lines;
    ASSERT_TRUE(kalvo::LoadConstantsFile(stem, lines));
    EXPECT_EQ(lines,
              (Lines{"alpha", "c = 3E8", "G = 6.67E-11", "pi = 3.14", "Planck h = 6.6E-34"}));
}

TEST(ConstantsFileTest, AMissingFileGivesTheWarningAndAnEmptyList) {
    TempFolder folder;
    std::string stem = folder.File("Kalvo");
    Lines lines{"old"};
    kalvo::FileResult result = kalvo::LoadConstantsFile(stem, lines);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.message, "File <" + stem + ".CON> not found.");
    EXPECT_TRUE(lines.empty());
}

TEST(ConstantsFileTest, SearchFindsTheFirstLineStartingWithTheTextInAnyCase) {
    Lines lines{"alpha = 7.3E-3", "c = 3E8", "Pl mass = 2.2E-8", "planck = 6.6E-34", "pLx = 1"};
    const struct {
        const char* text;
        bool found;
        std::size_t index;
        const char* warning;
    } rows[] = {
        {"pl", true, 2, ""},
        {"PLA", true, 3, ""},
        {"plX", true, 4, ""},
        {"C", true, 1, ""},
        {"alpha = 7.3E-3", true, 0, ""},
        {"alpha = 7.3E-3 more", false, 0,
         "Constant name begining from <\"ALPHA = 7.3E-3 MORE\"> not found"},
        {"zeta", false, 0, "Constant name begining from <\"ZETA\"> not found"},
        {"", false, 0, "Constant name begining from <\"\"> not found"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        kalvo::ConstantSearchResult result = kalvo::SearchConstant(lines, row.text);
        EXPECT_EQ(result.found, row.found);
        if (row.found) {
            EXPECT_EQ(result.index, row.index);
        }
        EXPECT_EQ(result.warning, row.warning);
    }
}

TEST(ConstantsFileTest, PasteTextDropsBlanksAndEverythingUpToTheFirstEquals) {
    const struct {
        const char* line;
        const char* text;
    } rows[] = {
        {"c = 3E8", "3E8"},   {"  speed of light  ", "speedoflight"},
        {"a = b = 2", "b=2"}, {"x =", ""},
        {"= 1 000", "1000"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(kalvo::ConstantPasteText(row.line), row.text);
    }
}

TEST(ConstantsFileTest, TheShippedFileNamesItsSourceAndEveryValueEvaluates) {
    TempFolder folder;
    std::string stem = folder.File("Kalvo");
    ASSERT_TRUE(kalvo::InstallConstantsOnFirstStart(kShippedFile, stem));
    EXPECT_EQ(ReadBytes(stem + ".CON"), ReadBytes(kShippedFile));

    std::string raw = ReadBytes(kShippedFile);
    std::string firstLine = raw.substr(0, raw.find("\r\n"));
    EXPECT_EQ(firstLine.find('='), std::string::npos);
    EXPECT_NE(firstLine.find("CODATA 2018"), std::string::npos);

    Lines lines;
    ASSERT_TRUE(kalvo::LoadConstantsFile(stem, lines));
    EXPECT_GE(lines.size(), 60u);
    kalvo::SilentHost host;
    kalvo::Engine engine(host);
    for (const std::string& line : lines) {
        SCOPED_TRACE(line);
        for (char c : line) {
            EXPECT_TRUE(c >= ' ' && c < 127) << "not plain ASCII";
        }
        if (line == firstLine) {
            continue;
        }
        ASSERT_NE(line.find(" = "), std::string::npos);
        engine.Evaluate(kalvo::ConstantPasteText(line));
        EXPECT_FALSE(engine.State().errorFlag);
        engine.State().errorFlag = false;
    }
    const struct {
        const char* search;
        kalvo::Real value;
    } known[] = {
        {"c,", 299792458.0L},
        {"h,", 6.62607015E-34L},
        {"k,", 1.380649E-23L},
        {"NA,", 6.02214076E23L},
        {"G,", 6.67430E-11L},
        {"me,", 9.1093837015E-31L},
        {"pi,", 3.14159265358979323846L},
    };
    for (const auto& row : known) {
        SCOPED_TRACE(row.search);
        kalvo::ConstantSearchResult found = kalvo::SearchConstant(lines, row.search);
        ASSERT_TRUE(found.found);
        kalvo::Real value = engine.Evaluate(kalvo::ConstantPasteText(lines[found.index]));
        EXPECT_EQ(value, row.value);
    }
}

TEST(ConstantsFileTest, InstallingHappensOnlyOnAFirstStart) {
    TempFolder folder;
    std::string stem = folder.File("Kalvo");
    // Not a first start: a user who deleted the file keeps it deleted.
    WriteBytes(stem + ".INI", "[Calc]\r\n");
    ASSERT_TRUE(kalvo::InstallConstantsOnFirstStart(kShippedFile, stem));
    EXPECT_FALSE(std::filesystem::exists(stem + ".CON"));
    // A first start with the user's own file already there keeps that file.
    std::filesystem::remove(stem + ".INI");
    WriteBytes(stem + ".CON", "mine = 1\r\n");
    ASSERT_TRUE(kalvo::InstallConstantsOnFirstStart(kShippedFile, stem));
    EXPECT_EQ(ReadBytes(stem + ".CON"), "mine = 1\r\n");
    // A missing shipped file is reported.
    std::filesystem::remove(stem + ".CON");
    kalvo::FileResult result = kalvo::InstallConstantsOnFirstStart(folder.File("none.CON"), stem);
    EXPECT_EQ(result.message, "Can't open file " + folder.File("none.CON"));
    EXPECT_FALSE(std::filesystem::exists(stem + ".CON"));
}

}  // namespace
