#include "support/LogDb.h"

#include "core/PrefixTableDb.h"
#include "platform/db/FbError.h"

using PrefixTableDb = DataModuleTest;

TEST_F(PrefixTableDb, CountryAndItsPrefixGoIn)
{
    DmPrefixTableExecutor exec(*dm);
    TKrajDX country;
    country.KrajId = 600;
    country.PrefixDX = "Q0";
    country.NazwaAng = "Test Land";
    country.NazwaPol = "Kraina Próbna";
    country.Kontynent = "EU";
    EXPECT_TRUE(country.KrajDXInsert(exec));
    TPrefixDX prefix;
    prefix.KrajId = 600;
    prefix.Prefix = "Q0'";
    EXPECT_TRUE(prefix.PrefixDXInsert(exec));

    dm->OpenKrajeDX();
    dm->OpenPrefiksy();
    EXPECT_EQ(dm->CountryNameForKrajId(600), QStringLiteral("Kraina Próbna"));
    EXPECT_EQ(dm->KrajIdForCall("Q0'ABC"), 600);
    // The same country again breaks the key and says so.
    EXPECT_THROW(country.KrajDXInsert(exec), FbError);
}

TEST_F(PrefixTableDb, PrefixOfAMissingCountryIsSkipped)
{
    DmPrefixTableExecutor exec(*dm);
    TPrefixDX prefix;
    prefix.KrajId = 999;
    prefix.Prefix = "Q9X";
    EXPECT_FALSE(prefix.PrefixDXInsert(exec));
    dm->OpenPrefiksy();
    EXPECT_EQ(dm->KrajIdForCall("Q9XABC"), 0);
}
