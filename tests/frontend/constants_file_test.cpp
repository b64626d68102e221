// The Constants tab's list, search and paste, and the constants file that ships.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "engine/engine.h"
#include "engine/text_encoding.h"
#include "frontend/constants_file.h"
#include "frontend/decimal_text.h"
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
    EXPECT_NE(firstLine.find("CODATA 2022"), std::string::npos);

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
        {"me,", 9.1093837139E-31L},
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

TEST(ConstantsFileTest, TheShippedPhysicalConstantsAgreeWithEachOther) {
    // Each adjustment changes most measured constants together; a value left from an
    // earlier adjustment breaks these relations by 1e-9 or more, while rounding to the
    // published digits leaves less than 1e-10.
    std::map<std::string, kalvo::Real> v;
    for (const std::string& line : kalvo::SplitLines(ReadBytes(kShippedFile))) {
        const std::size_t comma = line.find(',');
        const std::size_t equals = line.rfind(" = ");
        kalvo::Real value = 0;
        if (comma != std::string::npos && equals != std::string::npos && comma < equals &&
            kalvo::ReadDecimalReal(line.substr(equals + 3), value)) {
            v[line.substr(0, comma)] = value;
        }
    }
    const kalvo::Real pi = kalvo::kPi;
    const kalvo::Real c = v["c"], h = v["h"], e = v["e"], hbar = h / (2 * pi);
    const kalvo::Real mega = 1e6L;
    const struct {
        const char* relation;
        kalvo::Real left;
        kalvo::Real right;
    } relations[] = {
        {"alpha times its inverse", v["alpha"] * v["1/alpha"], 1},
        {"mu0 eps0 c^2 = 1", v["mu0"] * v["eps0"] * c * c, 1},
        {"Z0 = mu0 c", v["Z0"], v["mu0"] * c},
        {"mu0 = 2 alpha h / (e^2 c)", v["mu0"], 2 * v["alpha"] * h / (e * e * c)},
        {"me = 2 Rinf h / (c alpha^2)", v["me"], 2 * v["Rinf"] * h / (c * v["alpha"] * v["alpha"])},
        {"a0 = alpha / (4 pi Rinf)", v["a0"], v["alpha"] / (4 * pi * v["Rinf"])},
        {"re = alpha^2 a0", v["re"], v["alpha"] * v["alpha"] * v["a0"]},
        {"lambdaC = h / (me c)", v["lambdaC"], h / (v["me"] * c)},
        {"lambdaC p = h / (mp c)", v["lambdaC p"], h / (v["mp"] * c)},
        {"sigmae = 8 pi re^2 / 3", v["sigmae"], 8 * pi / 3 * v["re"] * v["re"]},
        {"muB = e hbar / (2 me)", v["muB"], e * hbar / (2 * v["me"])},
        {"muN = e hbar / (2 mp)", v["muN"], e * hbar / (2 * v["mp"])},
        {"mue = ge muB / 2", v["mue"], v["ge"] / 2 * v["muB"]},
        {"gammae = 2 |mue| / hbar", v["gammae"], -2 * v["mue"] / hbar},
        {"Eh = 2 Rinf h c", v["Eh"], 2 * v["Rinf"] * h * c},
        {"Eh in eV", v["Eh in eV"], v["Eh"] / e},
        {"Ry in eV = Eh / 2", v["Ry in eV"], v["Eh in eV"] / 2},
        {"me c^2 in MeV", v["me c^2"], v["me"] * c * c / e / mega},
        {"mp c^2 in MeV", v["mp c^2"], v["mp"] * c * c / e / mega},
        {"mn c^2 in MeV", v["mn c^2"], v["mn"] * c * c / e / mega},
        {"u c^2 in MeV", v["u c^2"], v["u"] * c * c / e / mega},
        {"mp/me", v["mp/me"], v["mp"] / v["me"]},
        {"e/me", v["e/me"], -e / v["me"]},
        {"h/2me", v["h/2me"], h / (2 * v["me"])},
    };
    ASSERT_GE(v.size(), 70U);
    for (const auto& row : relations) {
        SCOPED_TRACE(row.relation);
        ASSERT_NE(row.right, 0);
        EXPECT_LT(std::fabs(row.left / row.right - 1), 1e-10L)
            << double(row.left) << " vs " << double(row.right);
    }
}

}  // namespace
