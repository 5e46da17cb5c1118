// Where the installed application finds its data files, and the reading of the
// process start time used by the start-up probe.
#include "shell/application.h"

#include <gtest/gtest.h>
#include <time.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "shell/startup.h"

namespace ordinax::shell {
namespace {

namespace fs = std::filesystem;

// A prefix laid out as `cmake --install` does: bin/ and share/ordinax/.
class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("ordinax-program-folder-" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(bin());
        fs::create_directories(shared());
    }
    void TearDown() override { fs::remove_all(root); }
    fs::path bin() const { return root / "prefix" / "bin"; }
    fs::path shared() const { return root / "prefix" / "share" / "ordinax"; }
    static void catalogueIn(const fs::path& folder) { std::ofstream(folder / CatalogueFileName) << "x"; }
    fs::path root;
};

TEST_F(ProgramFolderTest, InstalledLayoutFindsTheSharedFolder) {
    catalogueIn(shared());
    EXPECT_EQ(programFolder(bin()), shared());
}

TEST_F(ProgramFolderTest, DataBesideTheExecutableWinsOverTheSharedFolder) {
    // The build tree copies the data next to the binaries; a run from there must not pick
    // up an older installed copy.
    catalogueIn(shared());
    catalogueIn(bin());
    EXPECT_EQ(programFolder(bin()), bin());
}

TEST_F(ProgramFolderTest, WithoutCatalogueTheExecutableFolderIsNamed) {
    // The start-up then refuses to run, naming the file it looked for beside the program.
    EXPECT_EQ(programFolder(bin()), bin());
}

// Lines of /proc/<pid>/stat; field 22 is the start time in clock ticks.
TEST(ProcessStartTest, StartTimeIsFieldTwentyTwo) {
    struct Case {
        const char* stat;
        long ticks;
        std::optional<double> ms;
    };
    const Case cases[] = {
        // 567890 ticks at 100 per second = 5678.9 s = 5678900 ms (by hand).
        {"1234 (ordinax) S 1 1234 1234 0 -1 4194560 1000 0 0 0 10 5 0 0 20 0 4 0 567890 123456 789 18446744073709551615",
         100, 5678900.0},
        // A command name holding spaces and parentheses does not shift the fields.
        {"77 (a) b (c) R 1 77 77 0 -1 0 0 0 0 0 0 0 0 0 20 0 1 0 250 1 1", 250, 1000.0},
        // Cut before field 22, or a field that is not a number.
        {"1234 (ordinax) S 1 1234 1234 0 -1 4194560 1000 0 0 0 10 5 0 0 20 0 4 0", 100, std::nullopt},
        {"1234 (ordinax) S 1 1234 1234 0 -1 4194560 1000 0 0 0 10 5 0 0 20 0 4 0 56x890 1", 100, std::nullopt},
        {"1234 ordinax S 1", 100, std::nullopt},
        {"1234 (ordinax) S 1 1234 1234 0 -1 4194560 1000 0 0 0 10 5 0 0 20 0 4 0 567890", 0, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stat);
        const std::optional<double> ms = processStartMs(c.stat, c.ticks);
        ASSERT_EQ(ms.has_value(), c.ms.has_value());
        if (ms) {
            EXPECT_DOUBLE_EQ(*ms, *c.ms);
        }
    }
}

TEST(ProcessStartTest, OwnStartIsInThePastOnTheBootClock) {
    std::ifstream stat("/proc/self/stat");
    if (!stat) GTEST_SKIP() << "no /proc";
    const std::string text{std::istreambuf_iterator<char>(stat), std::istreambuf_iterator<char>()};
    const std::optional<double> start = processStartMs(text, sysconf(_SC_CLK_TCK));
    ASSERT_TRUE(start);
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs = static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1.0e6;
    // The probe subtracts the two: the difference is this test's age, not hours or a negative time.
    EXPECT_LE(*start, nowMs);
    EXPECT_GT(*start, nowMs - 600000.0);
}

}  // namespace
}  // namespace ordinax::shell
