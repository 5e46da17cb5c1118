// The QSettings store: INI files of the command-line tool and the isolated
// per-user store, with integers read back from texts.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <fstream>
#include <string>

#include "qt/qsettings_store.h"
#include "settings/distinct_preferences.h"
#include "settings/preferences.h"
#include "settings/store_values.h"

namespace ordinax::qt {
namespace {

class IniStore : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    std::string path(const char* name) const { return dir_.filePath(QString::fromUtf8(name)).toStdString(); }

    QTemporaryDir dir_;
};

TEST_F(IniStore, ValuesSurviveTheFile) {
    const std::string file = path("prefs.ini");
    {
        auto store = QSettingsStore::iniFile(file);
        store.writeInt("Preference", "DiagramWidth", 2100);
        store.writeInt("Preference", "ColorScale", -5);
        store.writeString("Preference", "HFText0", "Créé le &D, à 10:00 ; \"cité\"");
        store.writeString("Preference", "BackPaint", "0,0,0,16777215,16777215,0,1,0,1,1,3,3,0,0,25,10,10");
        store.writeString("Preference", "Empty", "");
        EXPECT_TRUE(store.flush());
    }
    auto store = QSettingsStore::iniFile(file);
    // A re-read INI file gives texts; integers are parsed from them.
    EXPECT_EQ(store.readInt("Preference", "DiagramWidth"), 2100);
    EXPECT_EQ(store.readInt("Preference", "ColorScale"), -5);
    EXPECT_EQ(store.readString("Preference", "HFText0"), "Créé le &D, à 10:00 ; \"cité\"");
    EXPECT_EQ(store.readString("Preference", "BackPaint"), "0,0,0,16777215,16777215,0,1,0,1,1,3,3,0,0,25,10,10");
    EXPECT_EQ(store.readString("Preference", "Empty"), "");
    EXPECT_FALSE(store.readInt("Preference", "Missing").has_value());
    EXPECT_FALSE(store.readString("Other", "DiagramWidth").has_value());
    EXPECT_FALSE(store.readInt("Preference", "HFText0").has_value());  // not a number
    EXPECT_EQ(store.readString("Preference", "DiagramWidth"), "2100");
}

TEST_F(IniStore, HandWrittenFileIsReadAsPreferences) {
    // What a user of the command-line tool would type: unquoted lists, blanks.
    const std::string file = path("hand.ini");
    std::ofstream(file) << "[Preference]\n"
                           "DiagramWidth = 2100\n"
                           "DiagramLMargin=300\n"
                           "HenryScale= 9 \n"
                           "TimeSave=12.5\n"
                           "BackPaint=1,0,0,255,65280,0,0,0,2,2,4,4,1,8421504,50,5,5\n"
                           "FontScale=-20,0,0,0,700,1,0,0,0,0,0,0,18,Times New Roman\n"
                           "HFText1=Page &P\n"
                           "[CustomColor]\n"
                           "Color3=255\n";
    const auto store = QSettingsStore::iniFile(file);
    const settings::Preferences p = settings::readPreferences(store);
    EXPECT_DOUBLE_EQ(p.diagram.size[0], 21.0);
    EXPECT_DOUBLE_EQ(p.diagram.margins[0][0], 3.0);
    EXPECT_EQ(p.diagram.henryExtentIndex, 9);
    EXPECT_EQ(p.timeSave, 30);  // not a whole number: the default stays
    EXPECT_EQ(settings::paintStyleText(p.diagram.backPaint), "1,0,0,255,65280,0,0,0,2,2,4,4,1,8421504,50,5,5");
    EXPECT_EQ(p.diagram.scaleFont.height, -20);
    EXPECT_EQ(p.diagram.scaleFont.weight, 700);
    EXPECT_STREQ(p.diagram.scaleFont.faceName, "Times New Roman");
    EXPECT_EQ(p.diagram.band[1].text, "Page &P");
    EXPECT_EQ(p.customColours[3], 255);
    EXPECT_EQ(p.customColours[4], 16777215);
}

TEST_F(IniStore, EveryPreferenceRoundTripsThroughTheFile) {
    const std::string file = path("all.ini");
    const settings::Preferences original = settings::testing::distinctPreferences();
    {
        auto store = QSettingsStore::iniFile(file);
        settings::testing::writeAllSections(original, store);
        ASSERT_TRUE(store.flush());
    }
    EXPECT_EQ(settings::readPreferences(QSettingsStore::iniFile(file)), original);
}

TEST_F(IniStore, WritingToAnUnwritablePlaceIsReported) {
    // A folder stands where the file should be.
    const std::string file = path("blocked.ini");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(file)));
    auto store = QSettingsStore::iniFile(file);
    store.writeInt("Options", "Beep", 0);
    EXPECT_FALSE(store.flush());
}

TEST(UserStore, LivesUnderTheCompanyAndApplicationNames) {
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    // Keep the user's real settings out of reach of the test.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
    {
        auto store = QSettingsStore::userStore();
        EXPECT_EQ(store.fileName(), (config.path() + "/Vantoris/Ordinax.conf").toStdString());
        settings::writeStartupInfo(store, "/opt/ordinax");
        ASSERT_TRUE(store.flush());
    }
    EXPECT_TRUE(QFile::exists(config.path() + "/Vantoris/Ordinax.conf"));
    const auto store = QSettingsStore::userStore();
    EXPECT_EQ(store.readString("Appli", "Version"), "6.0");
    EXPECT_EQ(store.readString("Appli", "Install"), "/opt/ordinax");
}

}  // namespace
}  // namespace ordinax::qt
