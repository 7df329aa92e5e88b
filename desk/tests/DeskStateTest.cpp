#include <gtest/gtest.h>

#include "DeskState.h"

using namespace desk;

TEST(desk_State, PlacesGoToStringsAndBack) {
    for (const SavedPlace place : {SavedPlace{true, {120, 340}}, SavedPlace{false, {-1920, -5}},
                                   SavedPlace{true, {0, 0}}}) {
        const std::string text = FormatPlace(place);
        const auto back = ParsePlace(text);
        ASSERT_TRUE(back) << text;
        EXPECT_EQ(back->shown, place.shown);
        EXPECT_EQ(back->position.x, place.position.x);
        EXPECT_EQ(back->position.y, place.position.y);
    }
    EXPECT_EQ(FormatPlace({true, {120, -40}}), "shown 120 -40");
}

TEST(desk_State, AnythingElseInTheRegistryIsNoPlace) {
    for (const char* text : {"", "shown", "shown 1", "shown 1 2 3", "visible 1 2", "shown  1 2", "shown 1 2 ",
                             "shown 1 x", "shown - 2", "shown 99999999999999999999 2", "shown 1000001 0",
                             "hidden 1 -", "shown 1\t2", "SHOWN 1 2"}) {
        EXPECT_FALSE(ParsePlace(text)) << '"' << text << '"';
    }
    EXPECT_FALSE(ParsePlace("shown 1 " + std::string(100000, '7')));
}

TEST(desk_State, OnlyTheOfferedScalesAndPlausibleNamesAreTaken) {
    EXPECT_EQ(ValidScale(150), 150);
    EXPECT_EQ(ValidScale(200), 200);
    EXPECT_EQ(ValidScale(175), 100);
    EXPECT_EQ(ValidScale(-150), 100);
    EXPECT_TRUE(IsPlausibleName("Pip"));
    EXPECT_FALSE(IsPlausibleName(""));
    EXPECT_FALSE(IsPlausibleName(std::string(65, 'a')));
    EXPECT_FALSE(IsPlausibleName("Pi\np"));
}
