#include "core/Validators.h"

#include <gtest/gtest.h>

TEST(Validators, LocatorValidation)
{
    EXPECT_TRUE(IsValidLocator(""));
    EXPECT_TRUE(IsValidLocator("JO91"));
    EXPECT_TRUE(IsValidLocator("jo91rg"));
    EXPECT_TRUE(IsValidLocator("  KO02MD "));
    EXPECT_TRUE(IsValidLocator("RR99XX"));
    EXPECT_TRUE(IsValidLocator("   "));
    EXPECT_FALSE(IsValidLocator("JS91RG"));
    EXPECT_FALSE(IsValidLocator("SO91RG"));
    EXPECT_FALSE(IsValidLocator("JO91YA"));
    EXPECT_FALSE(IsValidLocator("JO91AZ"));
    EXPECT_FALSE(IsValidLocator("JOA1RG"));
    EXPECT_FALSE(IsValidLocator("JO9"));
    EXPECT_FALSE(IsValidLocator("JO91R"));
    EXPECT_FALSE(IsValidLocator("JO91RG1"));
}

TEST(Validators, ReportAndIotaValidation)
{
    EXPECT_TRUE(IsValidReport(""));
    EXPECT_FALSE(IsValidReport("5"));
    EXPECT_TRUE(IsValidReport("59"));
    EXPECT_TRUE(IsValidReport("599"));

    EXPECT_TRUE(IsValidIota(""));
    EXPECT_TRUE(IsValidIota(" - "));
    EXPECT_TRUE(IsValidIota("EU-024"));
    EXPECT_TRUE(IsValidIota("eu-024"));
    EXPECT_FALSE(IsValidIota("EU-24"));
    EXPECT_FALSE(IsValidIota("EU 024"));
    EXPECT_FALSE(IsValidIota("E1-024"));
    EXPECT_FALSE(IsValidIota("EU-0245"));
}
