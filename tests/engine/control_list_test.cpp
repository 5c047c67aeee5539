#include "control_list.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace
{
CControlDescriptor described(std::uint32_t id, const char* name = "")
{
    CControlDescriptor d;
    d.controlId = id;
    d.setName(name);
    return d;
}

CControlList& fill(CControlList& list, std::initializer_list<std::uint32_t> ids)
{
    for (std::uint32_t id : ids)
        list.append(described(id));
    return list;
}

std::vector<std::uint32_t> idsOf(const CControlList& list)
{
    std::vector<std::uint32_t> ids;
    for (std::int32_t i = 0; i < list.count(); ++i)
        ids.push_back(list.at(i)->controlId);
    return ids;
}

using Ids = std::vector<std::uint32_t>;
} // namespace

TEST(ControlList, AppendKeepsOrderAndAtRejectsPositionsOutsideTheList)
{
    CControlList list;
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.at(0), nullptr);
    fill(list, {4, 7, 1});
    EXPECT_EQ(idsOf(list), (Ids{4, 7, 1}));
    EXPECT_EQ(list.at(-1), nullptr);
    EXPECT_EQ(list.at(3), nullptr);
}

TEST(ControlList, PrependAddsAtTheHead)
{
    CControlList list;
    fill(list, {1, 2});
    list.prepend(described(9));
    EXPECT_EQ(idsOf(list), (Ids{9, 1, 2}));
}

TEST(ControlList, InsertAfterPlacesBehindTheGivenNodeOnly)
{
    struct Case
    {
        std::int32_t position;
        Ids expected;
    };
    const Case cases[] = {
        {0, {1, 9, 2, 3}}, {1, {1, 2, 9, 3}},
        {2, {1, 2, 3, 9}}, {3, {1, 2, 3}}, // beyond the last node: nothing added
        {-1, {1, 2, 3}},                   // negative: nothing added
    };
    for (const Case& c : cases)
    {
        CControlList list;
        fill(list, {1, 2, 3}).insertAfter(c.position, described(9));
        EXPECT_EQ(idsOf(list), c.expected) << "position " << c.position;
    }
}

TEST(ControlList, UpdateOverwritesTheFirstMatchOnly)
{
    CControlList list;
    list.append(described(1, "a"));
    list.append(described(2, "b"));
    list.append(described(2, "c"));
    list.update(described(2, "new"));
    EXPECT_STREQ(list.at(1)->name, "new");
    EXPECT_STREQ(list.at(2)->name, "c");

    list.update(described(5, "nobody"));
    EXPECT_EQ(idsOf(list), (Ids{1, 2, 2}));

    CControlList empty;
    empty.update(described(1));
    EXPECT_EQ(empty.count(), 0);
}

TEST(ControlList, RemoveUnlinksTheFirstMatchOnly)
{
    struct Case
    {
        std::uint32_t id;
        Ids expected;
    };
    const Case cases[] = {
        {1, {2, 3, 2}}, // head
        {2, {1, 3, 2}}, // first of two matches
        {9, {1, 2, 3, 2}},
    };
    for (const Case& c : cases)
    {
        CControlList list;
        fill(list, {1, 2, 3, 2}).remove(described(c.id));
        EXPECT_EQ(idsOf(list), c.expected) << "id " << c.id;
    }

    CControlList list;
    fill(list, {1, 2});
    list.remove(*list.at(1)); // the argument is the node being freed
    list.remove(*list.at(0));
    EXPECT_EQ(list.count(), 0);
    list.remove(described(1));
    EXPECT_EQ(list.count(), 0);
}

TEST(ControlList, ClearEmptiesTheListAndItCanBeRefilled)
{
    CControlList list;
    fill(list, {1, 2, 3}).clear();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.at(0), nullptr);
    fill(list, {5});
    EXPECT_EQ(idsOf(list), (Ids{5}));
}

TEST(ControlList, EveryInsertionStoresADeepCopy)
{
    float variable = 0;
    const std::string longText(1500, 'n');
    CControlDescriptor d = described(3);
    d.setName(longText.c_str());
    d.floatVariable = &variable;

    CControlList list;
    list.append(d);
    list.prepend(d);
    list.insertAfter(0, d);
    d.setName("changed afterwards");
    d.controlId = 4;
    list.update(d); // no node with id 4: nothing changes
    ASSERT_EQ(list.count(), 3);
    for (std::int32_t i = 0; i < 3; ++i)
    {
        EXPECT_EQ(std::string(list.at(i)->name), longText.substr(0, 1023));
        EXPECT_EQ(list.at(i)->floatVariable, &variable);
    }
}
