#include <gtest/gtest.h>

#include "user_texts.h"

// Parts go in by number in one pass: a part is never searched for markers, and a % without
// a given part stays.
TEST(FillText, PutsPartsInByNumberOnce) {
    EXPECT_EQ(FillText("%2 vor %1", {"a", "b"}), "b vor a");
    EXPECT_EQ(FillText(TEXT_CANNOT_OPEN, {"%2.txt", "Grund"}),
              "Die Datei „%2.txt“ kann nicht geöffnet werden.\nGrund");
    EXPECT_EQ(FillText(TEXT_PROGRESS, {" 10"}), "Suche besten Zug  10 %");
    EXPECT_EQ(FillText("%1%3%0%", {"x"}), "x%3%0%");
}
