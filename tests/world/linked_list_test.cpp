// The owning list's cursor rules, which the world, the level, the effects and the menu walk by.
#include <gtest/gtest.h>

#include <vector>

#include "world/linked_list.hpp"

namespace {

struct Item {
    Item(int itemValue, std::vector<int>& deletions) : value(itemValue), deleted(deletions) {}
    ~Item() { deleted.push_back(value); }
    int value;
    std::vector<int>& deleted;
};

class LinkedListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int value : {1, 2, 3, 4}) {
            list.pushBack(new Item(value, deleted));
        }
    }
    int atCursor() const { return list.current() != nullptr ? list.current()->value : -1; }

    std::vector<int> deleted;
    LinkedList<Item> list;
};

TEST_F(LinkedListTest, PushesNeverMoveTheCursorWhichStopsAtBothEnds)
{
    EXPECT_EQ(list.current(), nullptr) << "a push does not place the cursor";
    list.seek(1);
    list.pushFront(new Item(0, deleted));
    EXPECT_EQ(atCursor(), 2);
    EXPECT_EQ(list.size(), 5);
    list.seek(99);
    EXPECT_EQ(atCursor(), 4) << "seeking past the end stays on the tail";
    EXPECT_FALSE(list.next());
    ASSERT_TRUE(list.first());
    EXPECT_FALSE(list.previous());
    EXPECT_EQ(atCursor(), 0);
}

TEST_F(LinkedListTest, RemovingMovesTheCursorOnOrBackToTheNewTail)
{
    list.seek(1);
    list.removeCurrent();
    EXPECT_EQ(atCursor(), 3) << "the following element takes the removed one's place";
    list.seek(2);
    list.removeCurrent();
    EXPECT_EQ(atCursor(), 3) << "removing the tail goes back to the new tail";
    ASSERT_TRUE(list.popBack());
    EXPECT_EQ(atCursor(), 1) << "so does popping the tail under the cursor";
    list.removeCurrent();
    EXPECT_EQ(list.size(), 0);
    EXPECT_EQ(list.current(), nullptr);
    list.removeCurrent();
    EXPECT_FALSE(list.popBack());
    EXPECT_EQ(deleted, (std::vector<int>{2, 4, 3, 1}));
    list.pushBack(new Item(5, deleted));
    ASSERT_TRUE(list.first()) << "head and tail were reset";
    EXPECT_EQ(atCursor(), 5);
    EXPECT_FALSE(list.next());
}

TEST_F(LinkedListTest, EraseContinuesWithTheFollowingAndClearDeletesFromTheTail)
{
    list.seek(3);
    auto at = list.begin();
    ++at;
    at = list.erase(at);
    EXPECT_EQ((*at)->value, 3);
    ++at;
    at = list.erase(at);
    EXPECT_EQ(at, list.end());
    EXPECT_EQ(atCursor(), 3) << "the erased tail sent the cursor to the new tail";
    list.pushBack(new Item(6, deleted));
    list.clear();
    EXPECT_EQ(list.size(), 0);
    EXPECT_EQ(deleted, (std::vector<int>{2, 4, 6, 3, 1}));
}

}  // namespace
