// The owning list's erase and clear, which the world's update walk and teardown rely on.
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
