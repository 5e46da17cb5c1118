// The start-up sequence and the recent-file list.
#include "shell/startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/strings_shell.h"
#include "settings/macro_attributes.h"
#include "shell_test_support.h"

namespace ordinax::shell {
namespace {

namespace fs = std::filesystem;

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        environment.programFolder = scratch.path() / "programme";
        environment.home = scratch.path() / "home";
        environment.tempFolder = scratch.path() / "tmp";
        fs::create_directories(environment.programFolder);
        fs::create_directories(environment.home);
        fs::create_directories(environment.tempFolder);
    }
    void installCatalogue() {
        fs::copy_file(fs::path(ORDINAX_SOURCE_DIR) / "data" / CatalogueFileName,
                      environment.programFolder / CatalogueFileName);
    }
    test::ScratchFolder scratch;
    StartupEnvironment environment;
    settings::MemoryStore store;
};

TEST_F(StartupTest, MissingCatalogueStopsTheStartNamingTheFile) {
    const StartupResult result = startApplication(store, environment);
    EXPECT_FALSE(result.state);
    EXPECT_EQ(result.fatal.id, base::MsgShellCatalogueMissing);
    EXPECT_EQ(result.fatal.heading, base::Heading::Error);
    EXPECT_NE(result.fatal.text.find((environment.programFolder / "ORX_LISS.MSK").string()), std::string::npos);
}

TEST_F(StartupTest, StartWritesProgramInfoResetsMacrosAndRemovesStaleUndoFolders) {
    installCatalogue();
    store.writeInt("Options", "MaxMRU", 4);
    store.writeInt(settings::SectionMacro, "TextColor", 255);
    // A pid far above any kernel limit cannot be running.
    fs::create_directories(environment.tempFolder / "ordinax-99999999");
    const StartupResult result = startApplication(store, environment);
    ASSERT_TRUE(result.state) << result.fatal.text;
    EXPECT_EQ(test::asStore(store).readString("Appli", "Version", ""), "6.0");
    EXPECT_EQ(test::asStore(store).readString("Appli", "Install", ""), environment.programFolder.string());
    EXPECT_EQ(result.state->preferences.maxMru, 4);
    // KeepMacro is 0 by default: the macro attributes are back to their defaults.
    EXPECT_EQ(test::asStore(store).readInt(settings::SectionMacro, "TextColor", -1), 0);
    EXPECT_FALSE(fs::exists(environment.tempFolder / "ordinax-99999999"));
    EXPECT_TRUE(fs::is_directory(environment.home / "Documents" / "Ordinax"));
}

TEST_F(StartupTest, KeepMacroLeavesTheMacroAttributes) {
    installCatalogue();
    store.writeInt("Preference", "KeepMacro", 1);
    store.writeInt(settings::SectionMacro, "TextColor", 255);
    ASSERT_TRUE(startApplication(store, environment).state);
    EXPECT_EQ(test::asStore(store).readInt(settings::SectionMacro, "TextColor", -1), 255);
}

TEST(Startup, DialogFontSizes) {
    const std::vector<int> sizes = dialogFontSizes();
    // 7 sizes 6..12, 18 sizes 14..48, 20 sizes 52..128.
    ASSERT_EQ(sizes.size(), 45u);
    EXPECT_EQ(sizes[6], 12);
    EXPECT_EQ(sizes[7], 14);
    EXPECT_EQ(sizes[24], 48);
    EXPECT_EQ(sizes[25], 52);
    EXPECT_EQ(sizes.back(), 128);
}

TEST(RecentFiles, NewestFirstWithoutDuplicatesWithinTheLimit) {
    settings::Preferences preferences = settings::factoryPreferences();
    preferences.maxMru = 3;
    for (const char* path : {"/a.orx", "/b.orx", "/c.orx", "/d.orx"}) addRecentFile(preferences, path);
    EXPECT_EQ(recentFiles(preferences), (std::vector<std::string>{"/d.orx", "/c.orx", "/b.orx"}));
    addRecentFile(preferences, "/b.orx");
    EXPECT_EQ(recentFiles(preferences), (std::vector<std::string>{"/b.orx", "/d.orx", "/c.orx"}));
    removeRecentFile(preferences, "/d.orx");
    EXPECT_EQ(recentFiles(preferences), (std::vector<std::string>{"/b.orx", "/c.orx"}));
    EXPECT_EQ(preferences.recentFiles[2], "");
}

}  // namespace
}  // namespace ordinax::shell
