#include "common/Encoding.h"
#include "common/FileIo.h"
#include "tests/support/RecordingUi.h"
#include "data/DataSet.h"
#include "settings/ViewSettingsFile.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <clocale>
#include <random>

namespace vellum {
namespace {

// Settings far from the defaults: every field drawn at random from its kind's range.
class RandomSettings {
public:
    explicit RandomSettings(unsigned seed) : random_(seed) {}

    void fill(ViewSettings& s) {
        s.MODE = pick(0, 4);
        s.MODE2 = pick(0, 5);
        s.HIDE = flag();
        s.HIDE2 = flag();
        s.DIM = pick(0, 2);
        s.SUISEN1 = flag();
        s.SUISEN2 = flag();
        s.SUISENWIDTH = real();
        s.SUISENSTYLE = pick(0, 2);
        s.SUISENCOLOR = colour();
        fillOptions(s.graph);
        fillOptions(s.projection);
        for (double& v : s.POSITION) v = real();
        for (int& v : s.DIGREE) v = pick(-5000, 5000);
        s.RECTSCALE = flag();
        s.SCALE123 = real();
        for (double& v : s.SCALE) v = real();
        s.WINDOW = WindowEdges{pick(0, 3000), pick(0, 3000), pick(0, 3000), pick(0, 3000), pick(0, 10)};
        s.BACKCOLOR = colour();
        s.colorMode = pick(0, 21);
        s.colorMode2 = pick(0, 21);
        s.userColours.ORIGN1 = colour();
        s.userColours.ORIGN2 = colour();
        s.userColours.ORIGN3 = colour();
        s.FREESPACE = flag();
        s.GRIDDEV = flag();
        for (int& v : s.gridOn) v = flag();
        s.gridStyle = pick(0, 2);
        s.STYLE2 = pick(0, 2);
        s.DWID = real();
        s.DWID2 = real();
        s.gridColor = colour();
        s.COLOR2 = colour();
        for (int& v : s.gridNum) v = pick(0, 256);
        s.DIVISIONLINESTYLE = flag();
        for (double& v : s.DIVISIONLINEVALUE) v = real();
        for (auto& range : s.divisionRange) range = {real(), real()};
        for (auto& range : s.gridSize) range = {real(), real()};
        for (int& v : s.gridVal) v = flag();
        for (auto& pos : s.gridValuePos)
            for (double& v : pos) v = real();
        for (int axis = 0; axis < 3; ++axis) {
            s.VALSTYLE[size_t(axis)] = pick(0, 3);
            s.VALSHO[size_t(axis)] = pick(0, 10);
        }
        s.gridStringColor = colour();
        for (int& v : s.legendOn) v = flag();
        for (double& v : s.legendScale) v = real();
        for (double& v : s.legendPos) v = real();
        s.legendStyle = pick(0, 3);
        s.SHO = pick(0, 10);
        s.legendNum = pick(0, 32);
        s.legendStringColor = colour();
        s.MAX = real() * 1e6;
        s.MIN = -real();
        s.axesOn = flag();
        s.axesScale = real();
        for (double& v : s.axesPos) v = real();
        s.axesStyle = pick(0, 2);
        s.WID = real();
        s.axesColor = colour();
        s.STRINGCOLOR0 = colour();
        for (double& v : s.TITLEPOS) v = real();
        for (int axis = 0; axis < 3; ++axis) {
            s.labelColor[axis] = colour();
            for (double& v : s.labelPos[axis]) v = real();
            s.labelAngle[axis] = pick(0, 360);
        }
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    int flag() { return pick(0, 1); }
    double real() { return std::uniform_real_distribution<double>(-5.0, 5.0)(random_); }
    RGBColor colour() { return RGBColor{pick(0, 255), pick(0, 255), pick(0, 255)}; }

    void fillOptions(GraphOptionSet& o) {
        o.WIREMODE = pick(0, 2);
        o.WIRESTYLE = pick(0, 2);
        o.WIREWID = real();
        o.WIRECOLOR = colour();
        o.CONT = flag();
        o.CONTSTYLE = pick(0, 2);
        o.CONTWID = real();
        o.CONTNUM = pick(2, 256);
        o.CONTMODE = flag();
        o.CONTCOLOR = colour();
        o.POINTBALL = flag();
        o.POINTSIZEDATA = flag();
        o.POINTSIZE = real();
        o.POINTMODE = flag();
        o.POINTCOLOR = colour();
        o.VEC0 = flag();
        o.VEC_COM_LEN = flag();
        o.VECWID = real();
        o.VECLEN = real();
        o.VECSIZE = real();
        o.VECMODE = flag();
        o.VECCOLOR = colour();
    }

    std::mt19937 random_;
};

// Writes `settings`, reads the bytes into a record after a reset and writes that again.
std::pair<std::string, std::string> writeReadWrite(const ViewSettings& settings) {
    const std::string first = formatViewSettingsFile(settings, SaveItemSelection::allItems());
    ViewSettings readBack;
    readBack.resetBeforeLoad();
    DataSet empty;
    applyViewSettingsText(first, readBack, empty);
    return {first, formatViewSettingsFile(readBack, SaveItemSelection::allItems())};
}

TEST(ViewFileRoundTrip, VariedSettingsComeBackByteForByte) {
    const std::array<std::string, 4> titles{"応力分布　（最大値）", "Stress distribution", " leading and trailing ",
                                            "ｶﾅ,comma\ttab"};
    const std::array<std::array<std::string, 3>, 2> axisNames{{{"Ｘ", "Ｙ", "Ｚ"}, {"r", "θ", "z(mm)"}}};
    for (unsigned seed = 1; seed <= 40; ++seed) {
        ViewSettings settings;
        RandomSettings(seed).fill(settings);
        settings.TITLE = titles[seed % titles.size()];
        settings.LABEL = {"変位", seed % 2 ? "" : "時間 [s]", "温度"};
        settings.axesVal = axisNames[seed % axisNames.size()];
        const auto [first, second] = writeReadWrite(settings);
        ASSERT_EQ(first, second) << "seed " << seed;
    }
}

TEST(ViewFileRoundTrip, DefaultsAndExtremesComeBack) {
    ViewSettings settings;
    auto [first, second] = writeReadWrite(settings);
    EXPECT_EQ(first, second);

    settings.MAX = 1e300;
    settings.MIN = -1e-300;
    settings.DIGREE = {std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), 0};
    settings.TITLE = std::string(5000, 'x');
    std::tie(first, second) = writeReadWrite(settings);
    EXPECT_EQ(first, second);
}

TEST(ViewFileRoundTrip, ThroughTheDiskTheFileStaysTheSame) {
    test::TemporaryFolder folder;
    RecordingUi ui;
    ViewSettings settings;
    RandomSettings(99).fill(settings);
    settings.TITLE = "日本語 タイトル";
    const std::string path = folder.file("view.ini");
    ASSERT_EQ(writeViewSettingsFile(path, settings, SaveItemSelection::allItems(), ui), 0);
    std::string first;
    ASSERT_TRUE(readWholeFile(path, first));
    ViewSettings other;
    DataSet empty;
    ASSERT_EQ(readViewSettingsFile(path, other, empty, ui), 0);
    ASSERT_EQ(writeViewSettingsFile(path, other, SaveItemSelection::allItems(), ui), 0);
    std::string second;
    ASSERT_TRUE(readWholeFile(path, second));
    EXPECT_EQ(first, second);
    EXPECT_NEAR(other.MAX, settings.MAX, 1e-6); // six decimals in the file
    EXPECT_TRUE(ui.messages.empty());
}

// Restores the process locale when the test ends.
class LocaleScope {
public:
    explicit LocaleScope(const char* name) : previous_(std::setlocale(LC_ALL, nullptr)) {
        active_ = std::setlocale(LC_ALL, name) != nullptr;
    }
    ~LocaleScope() { std::setlocale(LC_ALL, previous_.c_str()); }
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;
    bool active() const { return active_; }

private:
    std::string previous_;
    bool active_ = false;
};

TEST(ViewFileRoundTrip, ACommaDecimalLocaleChangesNoByte) {
    ViewSettings settings;
    RandomSettings(7).fill(settings);
    const std::string underC = formatViewSettingsFile(settings, SaveItemSelection::allItems());

    LocaleScope german("de_DE.UTF-8");
    if (!german.active()) GTEST_SKIP() << "de_DE.UTF-8 is not generated";
    EXPECT_EQ(formatViewSettingsFile(settings, SaveItemSelection::allItems()), underC);
    EXPECT_NE(underC.find("SCALE123= "), std::string::npos);
    const auto [first, second] = writeReadWrite(settings);
    EXPECT_EQ(first, underC);
    EXPECT_EQ(second, underC);
    ViewSettings other;
    DataSet empty;
    applyViewSettingsText("[GRAPHPOSITION]\nSCALE123= 0.5\n", other, empty);
    EXPECT_EQ(other.SCALE123, 0.5);
}

} // namespace
} // namespace vellum
