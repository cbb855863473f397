// Twips to pixels against the plain rounding of a double: nearest pixel, halves away from zero.
#include "runtime/controls/Twips.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tervala::rt;

TEST(Twips, ToPixelsRoundsAsTheDivisionInDoubles)
{
    for (int twips = -100000; twips <= 100000; ++twips) {
        const auto expected = static_cast<int>(std::lround(static_cast<double>(twips) / TwipsPerPixel));
        ASSERT_EQ(twipsToPixels(twips), expected) << twips;
    }
}
