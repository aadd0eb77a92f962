// Centring the pages, and the command line that starts the Application Manager.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "setup/centring.h"
#include "setup/launch_command.h"

namespace orrery {
namespace {

TEST(CentredOrigin, HalvesTheDifferenceRoundingTowardZero) {
    // 279 x 161 dialog units on a 1024 x 768 screen, about 425 x 291 pixels with frame.
    ScreenPoint p = CentredOrigin(1024, 768, 425, 291);
    EXPECT_EQ(p.x, 299);  // 599 / 2
    EXPECT_EQ(p.y, 238);  // 477 / 2
    p = CentredOrigin(800, 600, 800, 600);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 0);
}

TEST(CentredOrigin, WindowLargerThanTheScreenStaysAtZero) {
    // -1 / 2 rounds toward zero to 0; -3 / 2 to -1, which is raised to 0.
    ScreenPoint p = CentredOrigin(640, 480, 641, 483);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 0);
    p = CentredOrigin(640, 480, 2000, 100);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 190);
}

TEST(CentredOrigin, ExtremeSizesDoNotOverflow) {
    ScreenPoint p = CentredOrigin(2147483647, 100, -2147483647 - 1, 0);
    EXPECT_EQ(p.x, 2147483647);
    EXPECT_EQ(p.y, 50);
    p = CentredOrigin(-2147483647 - 1, 0, 2147483647, 0);
    EXPECT_EQ(p.x, 0);
}

constexpr char kManager[] = "C:\\Program Files\\Microsoft ActiveSync\\CEAPPMGR.EXE";

TEST(LaunchCommand, DriveRootGetsNoSecondBackslash) {
    EXPECT_EQ(LaunchCommand(kManager, "E:\\"),
              "\"C:\\Program Files\\Microsoft ActiveSync\\CEAPPMGR.EXE\" \"E:\\bin\\setup.ini\"");
}

TEST(LaunchCommand, FolderGetsTheBackslash) {
    EXPECT_EQ(LaunchCommand("C:\\Tools\\ceappmgr.exe", "E:\\setup"),
              "\"C:\\Tools\\ceappmgr.exe\" \"E:\\setup\\bin\\setup.ini\"");
}

// Both paths are quoted, so spaces stay inside one argument each.
TEST(LaunchCommand, PathsWithSpacesAreQuoted) {
    EXPECT_EQ(LaunchCommand(kManager, "D:\\Quorvel Astrology\\Disk 1"),
              "\"C:\\Program Files\\Microsoft ActiveSync\\CEAPPMGR.EXE\" "
              "\"D:\\Quorvel Astrology\\Disk 1\\bin\\setup.ini\"");
}

TEST(LaunchCommand, NetworkShareFolder) {
    EXPECT_EQ(LaunchCommand("C:\\m.exe", "\\\\server\\media\\astro"),
              "\"C:\\m.exe\" \"\\\\server\\media\\astro\\bin\\setup.ini\"");
}

std::vector<std::uint8_t> Bytes(const char* text, std::size_t size) {
    return std::vector<std::uint8_t>(text, text + size);
}

TEST(ManagerPathFromValue, TerminatedAndUnterminatedStrings) {
    auto terminated = Bytes("C:\\A\\ceappmgr.exe", 18);  // with its NUL
    EXPECT_EQ(ManagerPathFromValue(terminated, true), "C:\\A\\ceappmgr.exe");
    auto unterminated = Bytes("C:\\A\\ceappmgr.exe", 17);
    EXPECT_EQ(ManagerPathFromValue(unterminated, true), "C:\\A\\ceappmgr.exe");
    // Anything after the first terminator is not part of the path.
    auto padded = Bytes("C:\\x.exe\0junk", 13);
    EXPECT_EQ(ManagerPathFromValue(padded, true), "C:\\x.exe");
}

TEST(ManagerPathFromValue, SurroundingQuotesAreRemovedOnce) {
    auto quoted = Bytes("\"C:\\Program Files\\ceappmgr.exe\"", 31);
    EXPECT_EQ(ManagerPathFromValue(quoted, true), "C:\\Program Files\\ceappmgr.exe");
}

TEST(ManagerPathFromValue, UnusableValuesGiveNothing) {
    auto path = Bytes("C:\\x.exe", 9);
    EXPECT_EQ(ManagerPathFromValue(path, false), std::nullopt);  // not a string value
    EXPECT_EQ(ManagerPathFromValue({}, true), std::nullopt);
    auto empty = Bytes("\0", 1);
    EXPECT_EQ(ManagerPathFromValue(empty, true), std::nullopt);
    auto emptyQuotes = Bytes("\"\"", 2);
    EXPECT_EQ(ManagerPathFromValue(emptyQuotes, true), std::nullopt);
    auto withArguments = Bytes("\"C:\\x.exe\" /s", 13);
    EXPECT_EQ(ManagerPathFromValue(withArguments, true), std::nullopt);
    auto loneQuote = Bytes("\"", 1);
    EXPECT_EQ(ManagerPathFromValue(loneQuote, true), std::nullopt);
}

TEST(DecideLaunch, StartsTheManagerWhenEverythingWasRead) {
    const LaunchDecision decision = DecideLaunch(std::string("C:\\m.exe"), std::string("E:\\"));
    EXPECT_TRUE(decision.launch);
    EXPECT_EQ(decision.command, "\"C:\\m.exe\" \"E:\\bin\\setup.ini\"");
}

TEST(DecideLaunch, MissingRegistryOrDirectoryShowsTheErrorMessage) {
    EXPECT_FALSE(DecideLaunch(std::nullopt, std::string("E:\\")).launch);
    EXPECT_FALSE(DecideLaunch(std::string("C:\\m.exe"), std::nullopt).launch);
    EXPECT_FALSE(DecideLaunch(std::nullopt, std::nullopt).launch);
    EXPECT_STREQ(kLaunchErrorText, "Unable to Launch Application Manager for Windows CE");
    EXPECT_STREQ(kLaunchErrorCaption, "Error");
}

TEST(DecideLaunch, RegistryKeyAndBufferSizes) {
    EXPECT_STREQ(kManagerAppPathsKey,
                 "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\CEAPPMGR.EXE");
    EXPECT_EQ(kManagerPathBufferSize, 261u);
    EXPECT_EQ(kCurrentDirectoryBufferSize, 258u);
}

}  // namespace
}  // namespace orrery
