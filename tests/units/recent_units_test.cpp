// The recently used units file: header check, order, duplicates, the limit
// of twenty and failures.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "unit_builder.h"
#include "units/recent_units.h"

namespace ordinax::units::test {
namespace {

UnitDef numbered(int n) {
    UnitDef u = makeUnit({{.symbol = "u" + std::to_string(n), .coefficient = static_cast<double>(n)}});
    return u;
}

class RecentUnits : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("ordinax_recent_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
        path_ = (folder_ / "ORDINAX.LOG").string();
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path folder_;
    std::string path_;
};

TEST_F(RecentUnits, FileLayoutIsHeaderThenRecords) {
    ASSERT_TRUE(addRecentUnit(path_, numbered(1)).empty());
    std::ifstream in(path_, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_EQ(bytes.size(), 24u + 1480u);
    EXPECT_EQ(bytes.substr(0, 24), std::string("ORDINAX_4A") + std::string(14, '\0'));
    EXPECT_EQ(bytes.substr(24, 4), std::string("\x01\0\0\0", 4));  // factorCount, little-endian
}

TEST_F(RecentUnits, MostRecentFirstWithoutDuplicates) {
    for (int n : {1, 2, 3, 2}) ASSERT_TRUE(addRecentUnit(path_, numbered(n)).empty());
    const std::vector<UnitDef> units = readRecentUnits(path_);
    ASSERT_EQ(units.size(), 3u);
    EXPECT_EQ(units[0], numbered(2));
    EXPECT_EQ(units[1], numbered(3));
    EXPECT_EQ(units[2], numbered(1));
    EXPECT_EQ(readRecentUnit(path_, 2), numbered(1));
    EXPECT_FALSE(readRecentUnit(path_, 3));
    EXPECT_FALSE(readRecentUnit(path_, -1));
}

TEST_F(RecentUnits, OnlyByteIdenticalRecordsAreDuplicates) {
    UnitDef a = numbered(1);
    UnitDef b = a;
    b.padding2[0] = 1;  // same meaning, other bytes
    const std::vector<UnitDef> units = withRecentUnit(withRecentUnit({}, a), b);
    EXPECT_EQ(units.size(), 2u);
}

TEST_F(RecentUnits, KeepsTwenty) {
    for (int n = 1; n <= 23; ++n) ASSERT_TRUE(addRecentUnit(path_, numbered(n)).empty());
    const std::vector<UnitDef> units = readRecentUnits(path_);
    ASSERT_EQ(units.size(), 20u);
    EXPECT_EQ(units.front(), numbered(23));
    EXPECT_EQ(units.back(), numbered(4));
    EXPECT_EQ(std::filesystem::file_size(path_), 24u + 20u * 1480u);
}

TEST_F(RecentUnits, UnitWithoutFactorIsNotAdded) {
    ASSERT_TRUE(addRecentUnit(path_, UnitDef{}).empty());
    EXPECT_FALSE(std::filesystem::exists(path_));
}

TEST_F(RecentUnits, ForeignOrShortFilesReadAsEmpty) {
    const std::string record(reinterpret_cast<const char*>(&static_cast<const UnitDef&>(numbered(5))), 1480);
    const std::string header = std::string("ORDINAX_4A") + std::string(14, '\0');
    EXPECT_TRUE(parseRecentUnits("").empty());
    EXPECT_TRUE(parseRecentUnits(std::string("ORDINAX_4B") + std::string(14, '\0') + record).empty());
    EXPECT_TRUE(parseRecentUnits(std::string("ORDINAX_4A_") + std::string(13, '\0') + record).empty());
    EXPECT_EQ(parseRecentUnits(header + record).size(), 1u);
    EXPECT_EQ(parseRecentUnits(header + record + record.substr(0, 700)).size(), 1u);  // partial record ignored
    // A foreign file is replaced, not extended.
    { std::ofstream(path_, std::ios::binary) << "autre chose"; }
    ASSERT_TRUE(addRecentUnit(path_, numbered(1)).empty());
    EXPECT_EQ(readRecentUnits(path_).size(), 1u);
}

TEST_F(RecentUnits, UnwritableFileGivesTheMessage) {
    const base::Message m = addRecentUnit(folder_.string(), numbered(1));  // a folder cannot be written as a file
    EXPECT_EQ(m.formatted(),
              "ERREUR\n\nImpossible d'enregistrer le fichier " + folder_.string() + " !\n\nCe nom d\xC3\xA9signe un dossier.");
}

}  // namespace
}  // namespace ordinax::units::test
