// The shipped sound against the names the code plays (game/data/SoundNames.h):
// every name is catalogued in GameData/XML_Resources/SoundData.xml, every
// catalogued file exists with the exact case the catalogue gives and decodes
// through the engine's own reader, the looped music is long enough to loop,
// and no effect is silent or clipped.

#include <gtest/gtest.h>
#include <tinyxml2.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "engine/audio/cOpenALSoundManager.h"
#include "engine/audio/cSoundFile.h"
#include "engine/core/cLog.h"
#include "game/data/SoundNames.h"
#include "tests/support/TempDir.h"

namespace {

namespace Content = Game::Content;

const std::filesystem::path kRoot = BRAMBLEBY_SOURCE_DIR;
const std::string kCatalogueFolder = "./GameData/XML_Resources/";
const std::string kCatalogueFile = "SoundData.xml";

constexpr int kRate = 44100;
constexpr double kShortestLoopSeconds = 30.0;
// Below this peak an effect counts as silent (about -30 dBFS).
constexpr int kAudiblePeak = 1000;
// At or above this magnitude a sample counts as clipped (about -0.1 dBFS).
constexpr int kClipped = 32400;

struct CatalogueEntry {
    std::string element;
    std::string name;
    std::string file_name;
    std::string folder;
};

// The catalogue's direct children as written, read apart from the engine so the
// test sees duplicates and exact spellings the manager would silently absorb.
std::vector<CatalogueEntry> ReadEntries() {
    tinyxml2::XMLDocument document;
    if (document.LoadFile((kRoot / "GameData/XML_Resources" / kCatalogueFile).string().c_str()) !=
        tinyxml2::XML_SUCCESS) {
        return {};
    }
    std::vector<CatalogueEntry> entries;
    for (auto* e = document.RootElement()->FirstChildElement(); e != nullptr; e = e->NextSiblingElement()) {
        auto text = [e](const char* attribute) {
            const char* value = e->Attribute(attribute);
            return std::string(value != nullptr ? value : "");
        };
        entries.push_back({e->Name(), text("name"), text("filename"), text("path")});
    }
    return entries;
}

std::vector<std::string_view> AllNames() {
    std::vector<std::string_view> names;
    for (auto list : {std::span<const std::string_view>(Content::kLoopedMusic),
                      std::span<const std::string_view>(Content::kShortMusic),
                      std::span<const std::string_view>(Content::kEffectSounds)}) {
        names.insert(names.end(), list.begin(), list.end());
    }
    return names;
}

bool IsPositional(std::string_view name) {
    return std::ranges::find(Content::kPositionalSounds, name) != std::end(Content::kPositionalSounds);
}

// A whole file decoded through the engine's reader, as the game would stream it.
struct Decoded {
    bool opened = false;
    bool failed = false;
    int channels = 0;
    int rate = 0;
    std::vector<int16_t> samples;

    double Seconds() const { return channels ? static_cast<double>(samples.size()) / channels / rate : 0.0; }
    int Peak() const {
        int peak = 0;
        for (int16_t s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
        return peak;
    }
};

Decoded Decode(const std::filesystem::path& path) {
    Decoded out;
    Engine::cSoundFile file;
    out.opened = file.Open(path.string());
    if (!out.opened) return out;
    out.channels = file.Channels();
    out.rate = file.SampleRate();
    while (file.Read(out.samples, 65536, false) > 0) {
    }
    out.failed = file.Failed();
    return out;
}

std::filesystem::path FileOf(std::string_view name) {
    for (const CatalogueEntry& entry : ReadEntries()) {
        if (entry.name == name) return kRoot / entry.folder / entry.file_name;
    }
    return {};
}

class SoundContentTest : public ::testing::Test {
protected:
    void TearDown() override { Engine::cLog::Destroy(); }
};

TEST_F(SoundContentTest, TheCodePlaysThirtySixDistinctNames) {
    const std::vector<std::string_view> names = AllNames();
    EXPECT_EQ(names.size(), 36u);
    EXPECT_EQ(std::set<std::string_view>(names.begin(), names.end()).size(), names.size()) << "a name listed twice";
    for (std::string_view name : Content::kPositionalSounds) {
        EXPECT_NE(std::ranges::find(names, name), names.end()) << name;
    }
}

TEST_F(SoundContentTest, EveryNameTheCodePlaysIsCataloguedOnceAndTheCatalogueHoldsNothingElse) {
    const std::vector<CatalogueEntry> entries = ReadEntries();
    ASSERT_FALSE(entries.empty()) << "no catalogue at GameData/XML_Resources/" << kCatalogueFile;
    const std::vector<std::string_view> names = AllNames();
    for (std::string_view name : names) {
        const auto count = std::ranges::count_if(entries, [&](const CatalogueEntry& e) { return e.name == name; });
        EXPECT_EQ(count, 1) << name;
    }
    for (const CatalogueEntry& entry : entries) {
        EXPECT_NE(std::ranges::find(names, entry.name), names.end()) << entry.name << " is played by nobody";
        EXPECT_EQ(entry.element, IsPositional(entry.name) ? "Sound3D" : "Sound2D") << entry.name;
        EXPECT_EQ(entry.folder, "./GameData/Sounds/") << entry.name;
    }
}

TEST_F(SoundContentTest, TheEngineCataloguesEveryNameFromTheShippedFile) {
    // The game's working directory: the shipped GameData seen from a folder of
    // this test, so the catalogue's relative paths resolve as in the game and
    // any log line is written here, not into the sources.
    TestSupport::TempDir game;
    std::filesystem::create_directory_symlink(kRoot / "GameData", game.Path() / "GameData");
    TestSupport::ScopedWorkingDirectory cwd(game.Path());
    Engine::cOpenALSoundManager manager;  // no output: loading still opens every file
    ASSERT_TRUE(manager.LoadCatalogue(kCatalogueFile, kCatalogueFolder));
    for (std::string_view name : AllNames()) {
        const Engine::SoundRecord* record = manager.GetSound(std::string(name));
        ASSERT_NE(record, nullptr) << name << " is not catalogued, or its file does not open";
        EXPECT_EQ(record->sound.positional, IsPositional(name)) << name;
        EXPECT_EQ(record->sound.sample_rate, kRate) << name;
        if (IsPositional(name)) {
            EXPECT_EQ(record->sound.channels, 1) << name << ": a 3D sound is mono";
        }
    }
}

TEST_F(SoundContentTest, EveryCataloguedFileExistsWithItsExactCase) {
    for (const CatalogueEntry& entry : ReadEntries()) {
        const std::filesystem::path folder = kRoot / entry.folder;
        ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
        bool found = false;
        for (const auto& file : std::filesystem::directory_iterator(folder)) {
            found = found || file.path().filename().string() == entry.file_name;
        }
        EXPECT_TRUE(found) << entry.name << ": no file named exactly " << entry.file_name << " in " << folder;
    }
}

class LoopedMusicTest : public SoundContentTest, public ::testing::WithParamInterface<std::string_view> {};

TEST_P(LoopedMusicTest, DecodesWholeUnclippedAndLongEnoughToLoop) {
    const Decoded music = Decode(FileOf(GetParam()));
    ASSERT_TRUE(music.opened) << FileOf(GetParam());
    EXPECT_FALSE(music.failed);
    EXPECT_EQ(music.rate, kRate);
    EXPECT_GE(music.Seconds(), kShortestLoopSeconds);
    EXPECT_LT(music.Peak(), kClipped);
}

INSTANTIATE_TEST_SUITE_P(Shipped, LoopedMusicTest, ::testing::ValuesIn(Content::kLoopedMusic),
                         [](const auto& info) { return std::string(info.param); });

class ShortMusicTest : public SoundContentTest, public ::testing::WithParamInterface<std::string_view> {};

TEST_P(ShortMusicTest, DecodesWholeHeardAndUnclipped) {
    const Decoded music = Decode(FileOf(GetParam()));
    ASSERT_TRUE(music.opened) << FileOf(GetParam());
    EXPECT_FALSE(music.failed);
    EXPECT_EQ(music.rate, kRate);
    EXPECT_GT(music.Seconds(), 1.0);
    EXPECT_GT(music.Peak(), kAudiblePeak);
    EXPECT_LT(music.Peak(), kClipped);
}

INSTANTIATE_TEST_SUITE_P(Shipped, ShortMusicTest, ::testing::ValuesIn(Content::kShortMusic),
                         [](const auto& info) { return std::string(info.param); });

class EffectTest : public SoundContentTest, public ::testing::WithParamInterface<std::string_view> {};

TEST_P(EffectTest, DecodesShortHeardAndNeverClipped) {
    const Decoded effect = Decode(FileOf(GetParam()));
    ASSERT_TRUE(effect.opened) << FileOf(GetParam());
    EXPECT_FALSE(effect.failed);
    EXPECT_EQ(effect.rate, kRate);
    EXPECT_GT(effect.Seconds(), 0.03);
    EXPECT_LT(effect.Seconds(), 5.0) << "an effect, not a piece of music";
    EXPECT_GT(effect.Peak(), kAudiblePeak) << "silent";
    EXPECT_LT(effect.Peak(), kClipped) << "clipped";
}

INSTANTIATE_TEST_SUITE_P(Shipped, EffectTest, ::testing::ValuesIn(Content::kEffectSounds),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
