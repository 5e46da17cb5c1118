// Working folders: defaults under the home folder, creation, seeding from the
// program's folder, and the message when a folder cannot be created.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/strings.h"
#include "settings/folders.h"

namespace ordinax::settings {
namespace {

namespace fs = std::filesystem;

void writeFile(const fs::path& path, const std::string& content) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A fresh home folder and program folder under the temporary folder.
class WorkingFolders : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "ordinax-folders-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        environment_.home = root_ / "home";
        environment_.programFolder = root_ / "program";
        fs::create_directories(environment_.home);
        fs::create_directories(environment_.programFolder);
        preferences_ = factoryPreferences();
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    fs::path documents() const { return environment_.home / "Documents" / "Ordinax"; }
    std::vector<base::Message> resolve() { return resolveWorkingFolders(preferences_, store_, environment_); }

    fs::path root_;
    FolderEnvironment environment_;
    Preferences preferences_;
    MemoryStore store_;
};

TEST_F(WorkingFolders, EmptyValuesBecomeCreatedDefaultsWrittenBackToTheirKeys) {
    EXPECT_TRUE(resolve().empty());
    const struct {
        const char* key;
        const char* name;
    } expected[] = {{"FolderOrdinax", "Données"},     {"FolderProcess", "Conversions"},
                    {"FolderImport", "Importations"}, {"FolderExport", "Exportations"},
                    {"FolderScanner", "Images"},      {"FolderPicture", "Images"},
                    {"FolderSample", "Exemples"},     {"FolderTest", "Tests"},
                    {"FolderModel", "Modèles"}};
    for (int i = 0; i < 9; ++i) {
        const fs::path folder = documents() / expected[i].name;
        EXPECT_TRUE(fs::is_directory(folder)) << folder;
        EXPECT_EQ(preferences_.folders[i], folder.string());
        EXPECT_EQ(store_.readString("Preference", expected[i].key), folder.string());
    }
}

TEST_F(WorkingFolders, NewExamplesTestsAndModelsReceiveTheProgramsCopies) {
    writeFile(environment_.programFolder / "Exemples" / "sinus.orx", "curve");
    writeFile(environment_.programFolder / "Exemples" / "Données" / "mesures.txt", "1 2\r\n");
    writeFile(environment_.programFolder / "Modèles" / "rapport.orx", "model");
    // No "Tests" in this program folder: that folder is created empty.
    EXPECT_TRUE(resolve().empty());

    EXPECT_EQ(readFile(documents() / "Exemples" / "sinus.orx"), "curve");
    EXPECT_EQ(readFile(documents() / "Exemples" / "Données" / "mesures.txt"), "1 2\r\n");
    EXPECT_EQ(readFile(documents() / "Modèles" / "rapport.orx"), "model");
    EXPECT_TRUE(fs::is_empty(documents() / "Tests"));
    EXPECT_TRUE(fs::is_empty(documents() / "Données"));  // only the three are seeded
}

TEST_F(WorkingFolders, AnExistingDefaultFolderIsNotSeededAgain) {
    writeFile(environment_.programFolder / "Exemples" / "sinus.orx", "curve");
    fs::create_directories(documents() / "Exemples");  // the user emptied it
    EXPECT_TRUE(resolve().empty());
    EXPECT_TRUE(fs::is_empty(documents() / "Exemples"));
}

TEST_F(WorkingFolders, ExistingFoldersAreKeptAndMissingOnesReplaced) {
    const fs::path mine = root_ / "mes diagrammes";
    fs::create_directories(mine);
    preferences_.folders[static_cast<int>(Folder::Diagrams)] = mine.string();
    preferences_.folders[static_cast<int>(Folder::Exports)] = (root_ / "disque absent" / "exports").string();
    // A file is not a folder either.
    writeFile(root_ / "fichier", "x");
    preferences_.folders[static_cast<int>(Folder::Imports)] = (root_ / "fichier").string();

    EXPECT_TRUE(resolve().empty());
    EXPECT_EQ(preferences_.folder(Folder::Diagrams), mine.string());
    EXPECT_EQ(store_.readString("Preference", "FolderOrdinax"), mine.string());
    EXPECT_EQ(preferences_.folder(Folder::Exports), (documents() / "Exportations").string());
    EXPECT_EQ(preferences_.folder(Folder::Imports), (documents() / "Importations").string());
    EXPECT_FALSE(fs::exists(root_ / "disque absent"));
    EXPECT_FALSE(fs::exists(documents() / "Données"));  // not needed: the user's folder exists
}

TEST_F(WorkingFolders, AFolderThatCannotBeCreatedIsReported) {
    // A file stands where the conversions folder should be.
    writeFile(documents() / "Conversions", "not a folder");
    const auto messages = resolve();

    ASSERT_EQ(messages.size(), 1u);
    const fs::path blocked = documents() / "Conversions";
    EXPECT_EQ(messages[0].id, base::MsgCannotCreateFolder);
    EXPECT_EQ(messages[0].heading, base::Heading::Error);
    EXPECT_EQ(messages[0].text, "Impossible de créer le dossier " + blocked.string() + ".");
    EXPECT_EQ(messages[0].formatted(), "ERREUR\n\nImpossible de créer le dossier " + blocked.string() + ".");
    // The other folders are still made, and the key holds the default path.
    EXPECT_TRUE(fs::is_directory(documents() / "Importations"));
    EXPECT_EQ(store_.readString("Preference", "FolderProcess"), blocked.string());
}

TEST_F(WorkingFolders, EveryFolderFailsWhenTheBaseCannotBeMade) {
    writeFile(environment_.home / "Documents", "a file");
    const auto messages = resolve();
    ASSERT_EQ(messages.size(), 9u);
    // Scanner and pictures share "Images": each is reported with its own key.
    EXPECT_EQ(messages[4].text, messages[5].text);
    EXPECT_NE(messages[4].text.find("Images"), std::string::npos);
}

}  // namespace
}  // namespace ordinax::settings
