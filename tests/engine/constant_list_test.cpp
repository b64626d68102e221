// The named constants' list: newest first, found by name in constant time, with names
// cut to 20 characters.
#include "engine/constant_list.h"

#include <gtest/gtest.h>

#include <string>

namespace kalvo {
namespace {

TEST(ConstantListTest, StoreFindAndRemoveByName) {
    ConstantList list;
    bool created = false;
    list.Store("a", 1, &created);
    EXPECT_TRUE(created);
    list.Store("b", 2);
    list.Store("a", 3, &created);
    EXPECT_FALSE(created) << "an existing name is overwritten";
    ASSERT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.Records().front().name, "b");
    EXPECT_EQ(list.Find("a")->value, 3);
    EXPECT_EQ(list.Find("a")->identifier, 1000);
    EXPECT_EQ(list.Find("b")->identifier, 1001);
    EXPECT_EQ(list.Find("c"), nullptr);
    EXPECT_TRUE(list.Remove("a"));
    EXPECT_FALSE(list.Remove("a"));
    EXPECT_EQ(list.Find("a"), nullptr);
    EXPECT_EQ(list.Find("b")->value, 2);
    list.Clear();
    EXPECT_EQ(list.Find("b"), nullptr);
    EXPECT_EQ(list.Count(), 0u);
}

TEST(ConstantListTest, NamesCutToTheSameTwentyCharactersKeepTheirOrder) {
    // A long name never equals a stored (cut) name, so each store of one creates a record;
    // the evaluator reads the oldest of equal names, the tabs change and delete the newest.
    const std::string cut(ConstantList::kMaxNameLength, 'n');
    ConstantList list;
    list.Store(cut + "1", 1);
    list.Store(cut + "2", 2);
    ASSERT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.Records().front().name, cut);
    EXPECT_EQ(list.FindForRead(cut)->value, 1);
    EXPECT_EQ(list.Find(cut)->value, 2);
    list.Store(cut, 3);
    EXPECT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.Records().front().value, 3) << "the newest was overwritten";
    EXPECT_TRUE(list.Remove(cut));
    ASSERT_EQ(list.Count(), 1u);
    EXPECT_EQ(list.Find(cut)->value, 1);
    EXPECT_EQ(list.FindForRead(cut)->identifier, 1000);
}

}  // namespace
}  // namespace kalvo
