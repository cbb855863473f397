// The listing order of folder entries; which entries are listed is seen through the builder's stages.
#include "runtime/FolderListing.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(FolderListing, UpperCasedOrdinalOrder)
{
    // Upper-cased, "_" (0x5F) sorts after every letter; folding to lower case would put it before them.
    QStringList names = { "b", "_x", "a_b", "AB", "Émile", "ab", "Z", "1", "a.b" };
    std::sort(names.begin(), names.end(), tervala::rt::listsBefore);
    EXPECT_EQ(names, QStringList({ "1", "a.b", "AB", "ab", "a_b", "b", "Z", "_x", "Émile" }));
}
