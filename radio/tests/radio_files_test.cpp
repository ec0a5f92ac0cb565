#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "core/files/atomic_file.h"
#include "core/files/codec.h"
#include "radio/radio_state.h"
#include "radio/station_list.h"

namespace tavik::radio {
namespace {

std::string golden(const std::string& name) {
    return files::readFile(std::string(TAVIK_RADIO_TEST_DATA) + "/" + name).value_or("");
}

RadioState chosenState() {
    return RadioState{
        {"Jazz Классика", "http://radio.example/jazz", "USA", "RRADIO_LOGO_JAZZ"}, true, 70, 13};
}

TEST(RadioState, WritesAndReadsTheHandMadeFiles) {
    EXPECT_EQ(formatRadioState(RadioState{}), golden("QorRadio-default.ini"));
    EXPECT_EQ(formatRadioState(chosenState()), golden("QorRadio-chosen.ini"));
    EXPECT_EQ(parseRadioState(golden("QorRadio-chosen.ini")), chosenState());
    EXPECT_TRUE(radioStateProblems(golden("QorRadio-chosen.ini")).empty());
    RadioState volume25 = chosenState();
    volume25.radioVolume = 25;
    EXPECT_EQ(parseRadioState(formatRadioState(volume25)), volume25);
}

TEST(RadioState, AStationWithAnEmptyValueIsStoredAsTheWholeDefault) {
    for (int field = 0; field < 4; ++field) {
        RadioState s = chosenState();
        std::string* fields[] = {&s.station.name, &s.station.address, &s.station.country,
                                 &s.station.logo};
        fields[field]->clear();
        EXPECT_EQ(formatRadioState(s), golden("QorRadio-default.ini")) << field;
    }
}

TEST(RadioState, ReadingKeepsTheDefaultsForWhatIsMissingOrWrong) {
    const std::vector<std::string> g = files::splitLines(golden("QorRadio-chosen.ini"));
    auto with = [&](int n, const std::string& bytes) {
        std::vector<std::string> lines = g;
        lines[n - 1] = bytes;
        return files::joinCrLf(lines);
    };
    const RadioState d;
    struct Case {
        const char* name;
        std::string bytes;
        RadioState want;
    } cases[] = {
        {"LF only", "Jazz\nhttp://j\nUSA\nLOGO\n1\n40\n2\n",
         RadioState{{"Jazz", "http://j", "USA", "LOGO"}, true, 40, 2}},
        {"CR only", "Jazz\rhttp://j\rUSA\rLOGO\r1\r40\r2",
         RadioState{{"Jazz", "http://j", "USA", "LOGO"}, true, 40, 2}},
        {"empty", "", d},
        {"three lines: no half station", "Jazz\r\nhttp://j\r\nUSA\r\n", d},
        {"an empty logo", with(4, ""), RadioState{d.station, true, 70, 13}},
        {"a name not in the code page", with(1, "A\x98"), RadioState{d.station, true, 70, 13}},
        {"on only with \"1\"", with(5, "yes"), RadioState{chosenState().station, false, 70, 13}},
        {"volume not a number", with(6, "loud"), RadioState{chosenState().station, true, 30, 13}},
        {"volume above 100", with(6, "110"), RadioState{chosenState().station, true, 30, 13}},
        {"filter beyond the countries", with(7, "29"),
         RadioState{chosenState().station, true, 70, 0}},
        {"station only", "Jazz\r\nhttp://j\r\nUSA\r\nLOGO\r\n",
         RadioState{{"Jazz", "http://j", "USA", "LOGO"}, false, 30, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseRadioState(c.bytes), c.want) << c.name;
        EXPECT_FALSE(radioStateProblems(c.bytes).empty()) << c.name;
    }
}

TEST(StationList, ReadsTheUsableLinesAndSaysWhyOthersAreNot) {
    const StationList list = parseStationList(golden("QorRadio.rad"));
    ASSERT_EQ(list.stations.size(), 5u);
    EXPECT_EQ(list.stations[0],
              (StationLine{"RUS", "RUS0001", "Авторадио Moscow", "Russian Federation",
                           "http://localhost:8740/radio/avtoradio", "RRADIO_LOGO_AVTORADIO"}));
    EXPECT_EQ(list.problems,
              std::vector<std::string>{"line 8: the identifier is not 7 characters"});
    EXPECT_EQ(stationOf(list.stations[0]), RadioStation{}) << "the default station is in the list";
    EXPECT_EQ(stationOf(list.stations[2]).logo, kUnknownLogo);
}

TEST(StationList, FiltersByCountryAndFindsTheFirstOfAnIdentifier) {
    const StationList list = parseStationList(golden("QorRadio.rad"));
    auto names = [&](int filter) {
        std::vector<std::string> out;
        for (const StationLine* s : stationsForFilter(list, filter)) out.push_back(s->name);
        return out;
    };
    EXPECT_EQ(kRadioCountries[13 - 1].code, "USA");
    EXPECT_EQ(names(13), (std::vector<std::string>{"Jazz Классика", "Rock USA"}))
        << "the commented USA line is never shown";
    EXPECT_EQ(names(kRadioFilterAll).size(), 5u);
    EXPECT_EQ(names(15), std::vector<std::string>{"London Talk"});
    EXPECT_TRUE(names(28).empty());
    EXPECT_TRUE(names(29).empty());
    EXPECT_TRUE(names(-1).empty());
    ASSERT_NE(findStation(list, "RUS0001"), nullptr);
    EXPECT_EQ(findStation(list, "RUS0001")->name, "Авторадио Moscow");
    EXPECT_EQ(findStation(list, "USA0009"), nullptr);
}

TEST(StationList, OddLineEndsAndBinaryNeverBreakIt) {
    EXPECT_EQ(
        parseStationList("USA#USA0002#Rock#USA#http://r#L\nCAN#CAN0001#Maple#Canada#http://m#")
            .stations.size(),
        2u);
    EXPECT_EQ(
        parseStationList("USA#USA0002#Rock#USA#http://r#L\rCAN#CAN0001#Maple#Canada#http://m#")
            .stations.size(),
        2u);
    const StationList noise =
        parseStationList(std::string("\0\x98#\xFF\r\n###\r\nabc#defghij#", 23));
    EXPECT_TRUE(noise.stations.empty());
    EXPECT_EQ(noise.problems.size(), 2u);
}

class RadioOnDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ =
            std::filesystem::temp_directory_path() / ("tavik-radio-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        path_ = (dir_ / kRadioStateFileName).string();
    }
    void TearDown() override {
        files::setBeforeRenameHookForTesting(nullptr);
        std::filesystem::remove_all(dir_);
    }
    std::filesystem::path dir_;
    std::string path_;
};

TEST_F(RadioOnDisk, WriteReadAndAKilledWriter) {
    EXPECT_EQ(ReadRadioState(path_), RadioState{});
    ASSERT_TRUE(WriteRadioState(path_, chosenState()).ok());
    EXPECT_EQ(ReadRadioState(path_), chosenState());
    files::setBeforeRenameHookForTesting([](const std::string&) { return false; });
    EXPECT_FALSE(WriteRadioState(path_, RadioState{}).ok());
    EXPECT_EQ(ReadRadioState(path_), chosenState());
}

}  // namespace
}  // namespace tavik::radio
