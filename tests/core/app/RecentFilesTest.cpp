#include "core/app/RecentFiles.h"
#include "core/base/Settings.h"

#include "support/TestSettings.h"

class RecentFilesTest : public SettingsTest
{};

TEST_F(RecentFilesTest, NewestFirstEachOnceAtMostEight)
{
    for (int n = 1; n <= 10; ++n)
        RecentFiles::add(QStringLiteral("/games/g%1.cus").arg(n));
    RecentFiles::add(QStringLiteral("/games/./g5.cus")); // the same file again
    const QStringList expected{"/games/./g5.cus", "/games/g10.cus", "/games/g9.cus",
                               "/games/g8.cus",   "/games/g7.cus",  "/games/g6.cus",
                               "/games/g4.cus",   "/games/g3.cus"};
    EXPECT_EQ(RecentFiles::list(), expected);
    EXPECT_EQ(Settings::readText(QStringLiteral("Recent File List"), QStringLiteral("File1"), {}),
              QStringLiteral("/games/./g5.cus"));

    RecentFiles::remove(QStringLiteral("/games/g10.cus"));
    EXPECT_EQ(RecentFiles::list().size(), 7);
    EXPECT_EQ(RecentFiles::list()[1], QStringLiteral("/games/g9.cus"));
    EXPECT_FALSE(Settings::contains(QStringLiteral("Recent File List"), QStringLiteral("File8")));
}
