#include "ui/keypad_table.h"

#include <set>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "engine/function_table.h"

namespace kalvo {
namespace {

TEST(KeypadTable, EveryShortcutKeyLeadsToOneEntry) {
    for (bool alt : {false, true}) {
        std::set<char> seen;
        for (const KeypadKey& key : KeypadKeys()) {
            for (const char* c = alt ? key.altKeys : key.ctrlKeys; *c != '\0'; ++c) {
                EXPECT_TRUE(seen.insert(*c).second)
                    << (alt ? "Alt+" : "Ctrl+") << *c << " is claimed twice";
                EXPECT_EQ(FindShortcut(*c, alt), &key);
            }
        }
    }
}

TEST(KeypadTable, ButtonsHaveUniqueNamesAndPlaces) {
    std::set<std::string> names;
    std::set<std::tuple<int, int, int>> places;
    for (const KeypadKey& key : KeypadKeys()) {
        if (key.group == KeyGroup::kNone) {
            continue;
        }
        EXPECT_TRUE(names.insert(key.objectName).second) << key.objectName;
        EXPECT_TRUE(places.insert({static_cast<int>(key.group), key.gridRow, key.gridColumn}).second)
            << key.objectName << " overlaps another button";
        EXPECT_EQ(FindKey(key.objectName), &key);
    }
}

TEST(KeypadTable, FunctionRowsExistAndVariablesAreUsableSlots) {
    for (const KeypadKey& key : KeypadKeys()) {
        SCOPED_TRACE(key.objectName);
        if (key.action == KeyAction::kFunction) {
            EXPECT_GE(key.row, 0);
            EXPECT_LT(key.row, kFunctionCount);
        } else if (key.action == KeyAction::kVariable) {
            EXPECT_GE(key.row, 1);
            EXPECT_LE(key.row, 10) << "L and U are not typed";
        }
    }
}

}  // namespace
}  // namespace kalvo
