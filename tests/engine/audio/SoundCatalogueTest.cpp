// Reading SoundData.xml into the sound manager. No output device is needed:
// loading only checks each file, so these run on a manager that was never
// initialised.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/audio/cOpenALSoundManager.h"
#include "engine/core/cLog.h"
#include "tests/engine/audio/AudioTestSupport.h"
#include "tests/support/TempDir.h"

namespace {

using Engine::kRolloffLinear;
using Engine::kRolloffLogarithmic;

struct Catalogued {
    const char* name;
    const char* path;       // the file streamed
    const char* file_name;  // as the record keeps it
    bool positional;
    int32_t rolloff;
};

struct CatalogueCase {
    const char* label;
    const char* entries;  // inside the root element
    std::vector<Catalogued> expected;
    std::vector<const char*> absent;
    const char* root = "Sounds";
};

class CatalogueFixture : public ::testing::Test {
protected:
    CatalogueFixture() {
        for (const char* file : {"snd/a.wav", "snd/b.wav", "nopatha.wav", "snd/nofilename"}) {
            std::filesystem::create_directories((dir.Path() / file).parent_path());
            EXPECT_TRUE(AudioTest::WriteTone(dir.File(file), AudioTest::kWav, 0.05)) << file;
        }
        dir.Write("snd/text.wav", "not a sound");
    }

    bool Load(const std::string& root, const std::string& entries) {
        dir.Write("cat/SoundData.xml", "<?xml version=\"1.0\"?>\n<" + root + ">" + entries + "</" + root + ">\n");
        return manager.LoadCatalogue("SoundData.xml", "cat/");
    }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory cwd{dir.Path()};
    Engine::cOpenALSoundManager manager;
};

class SoundCatalogueTest : public CatalogueFixture, public ::testing::WithParamInterface<CatalogueCase> {};

TEST_P(SoundCatalogueTest, CataloguesTheEntriesAsTheFileSays) {
    const CatalogueCase& c = GetParam();
    ASSERT_TRUE(Load(c.root, c.entries));
    for (const Catalogued& e : c.expected) {
        const Engine::SoundRecord* record = manager.GetSound(e.name);
        ASSERT_NE(record, nullptr) << e.name;
        EXPECT_EQ(record->sound.path, e.path) << e.name;
        EXPECT_EQ(record->file_name, e.file_name) << e.name;
        EXPECT_EQ(record->sound.positional, e.positional) << e.name;
        EXPECT_EQ(record->sound.rolloff, e.rolloff) << e.name;
        EXPECT_FALSE(record->channel.IsSet()) << e.name;
    }
    for (const char* name : c.absent) EXPECT_EQ(manager.GetSound(name), nullptr) << name;
}

const CatalogueCase kCases[] = {
    {"TwoDAndThreeD",
     R"(<Sound2D name="click" filename="a.wav" path="snd/"/>
        <Sound3D name="fairy" filename="b.wav" path="snd/" distanceModel="linear"/>)",
     {{"click", "snd/a.wav", "a.wav", false, kRolloffLogarithmic},
      {"fairy", "snd/b.wav", "b.wav", true, kRolloffLinear}},
     {}},
    {"FirstDefinitionWins",
     R"(<Sound2D name="x" filename="a.wav" path="snd/"/><Sound2D name="x" filename="b.wav" path="snd/"/>)",
     {{"x", "snd/a.wav", "a.wav", false, kRolloffLogarithmic}},
     {}},
    {"TwoDEntriesLoadBeforeThreeDWhereverTheyStand",
     R"(<Sound3D name="x" filename="b.wav" path="snd/" distanceModel="linear"/>
        <Sound2D name="x" filename="a.wav" path="snd/"/>)",
     {{"x", "snd/a.wav", "a.wav", false, kRolloffLogarithmic}},
     {}},
    {"OnlyLinearExactlySelectsLinear",
     R"(<Sound3D name="capital" filename="a.wav" path="snd/" distanceModel="Linear"/>
        <Sound3D name="spaced" filename="a.wav" path="snd/" distanceModel="linear "/>
        <Sound3D name="log" filename="a.wav" path="snd/" distanceModel="log"/>
        <Sound3D name="none" filename="a.wav" path="snd/"/>
        <Sound3D name="linear" filename="a.wav" path="snd/" distanceModel="linear"/>)",
     {{"capital", "snd/a.wav", "a.wav", true, kRolloffLogarithmic},
      {"spaced", "snd/a.wav", "a.wav", true, kRolloffLogarithmic},
      {"log", "snd/a.wav", "a.wav", true, kRolloffLogarithmic},
      {"none", "snd/a.wav", "a.wav", true, kRolloffLogarithmic},
      {"linear", "snd/a.wav", "a.wav", true, kRolloffLinear}},
     {}},
    {"MissingNameIsNoname",
     R"(<Sound2D filename="a.wav" path="snd/"/>)",
     {{"noname", "snd/a.wav", "a.wav", false, kRolloffLogarithmic}},
     {}},
    {"MissingPathIsNopathWithNoSeparator",
     R"(<Sound2D name="p" filename="a.wav"/>)",
     {{"p", "nopatha.wav", "a.wav", false, kRolloffLogarithmic}},
     {}},
    {"MissingFilenameIsNofilename",
     R"(<Sound3D name="f" path="snd/"/>)",
     {{"f", "snd/nofilename", "nofilename", true, kRolloffLogarithmic}},
     {}},
    {"FilesThatDoNotStreamAreSkipped",
     R"(<Sound2D name="gone" filename="missing.wav" path="snd/"/>
        <Sound2D name="text" filename="text.wav" path="snd/"/>
        <Sound3D name="gone3d" filename="missing.wav" path="snd/"/>
        <Sound2D name="ok" filename="b.wav" path="snd/"/>)",
     {{"ok", "snd/b.wav", "b.wav", false, kRolloffLogarithmic}},
     {"gone", "text", "gone3d"}},
    {"OtherElementsAndNestedEntriesAreIgnored",
     R"(<Music name="m" filename="a.wav" path="snd/"/>
        <sound2d name="lower" filename="a.wav" path="snd/"/>
        <Group><Sound2D name="nested" filename="a.wav" path="snd/"/></Group>
        <Sound2D name="kept" filename="a.wav" path="snd/" volume="3"/>)",
     {{"kept", "snd/a.wav", "a.wav", false, kRolloffLogarithmic}},
     {"m", "lower", "nested"}},
    {"BackslashesReadAsSlashes",
     R"(<Sound2D name="w" filename="a.wav" path="snd\"/>)",
     {{"w", "snd/a.wav", "a.wav", false, kRolloffLogarithmic}},
     {}},
    {"TheRootMayHaveAnyName",
     R"(<Sound2D name="r" filename="a.wav" path="snd/"/>)",
     {{"r", "snd/a.wav", "a.wav", false, kRolloffLogarithmic}},
     {},
     "Whatever"},
};

INSTANTIATE_TEST_SUITE_P(Entries, SoundCatalogueTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(CatalogueFixture, AnUnreadableCatalogueGivesFalseAndALogLine) {
    Engine::cLog::Instance().Close();
    dir.Write("cat/Broken.xml", "<Sounds><Sound2D name=\"a\" filename=\"a.wav\" path=\"snd/\"/>");
    EXPECT_FALSE(manager.LoadCatalogue("Broken.xml", "cat/"));
    EXPECT_FALSE(manager.LoadCatalogue("Absent.xml", "cat/"));
    EXPECT_EQ(manager.GetSound("a"), nullptr);
    Engine::cLog::Instance().Close();
    const std::string log = TestSupport::ReadFile(dir.File("Engine.log"));
    EXPECT_NE(log.find("Error: Cannot read the sound catalogue cat/Broken.xml"), std::string::npos) << log;
    EXPECT_NE(log.find("Error: Cannot read the sound catalogue cat/Absent.xml"), std::string::npos) << log;
}

TEST_F(CatalogueFixture, ASkippedFileIsLoggedAndTheNameStaysFree) {
    Engine::cLog::Instance().Close();
    manager.Load2D("late", "missing.wav", "snd/");
    manager.Load2D("late", "a.wav", "snd/");
    Engine::cLog::Instance().Close();
    ASSERT_NE(manager.GetSound("late"), nullptr);
    EXPECT_EQ(manager.GetSound("late")->file_name, "a.wav");
    const std::string log = TestSupport::ReadFile(dir.File("Engine.log"));
    EXPECT_NE(log.find("Error: Sound \"late\" skipped: snd/missing.wav cannot be streamed"), std::string::npos) << log;
}

TEST_F(CatalogueFixture, RolloffAndDistancesChangeOnlyWithSaneValues) {
    manager.Load3D("s", "a.wav", "snd/", 7);
    Engine::SoundRecord* record = manager.GetSound("s");
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->sound.rolloff, kRolloffLogarithmic) << "a model other than 0 or 1 leaves the default";
    manager.SetRolloff("s", kRolloffLinear);
    manager.SetRolloff("s", 2);
    EXPECT_EQ(record->sound.rolloff, kRolloffLinear);
    manager.SetMinMaxDistance("s", 2.0f, 30.0f);
    manager.SetMinMaxDistance("s", 0.0f, 30.0f);
    manager.SetMinMaxDistance("s", 5.0f, 4.0f);
    EXPECT_EQ(record->sound.min_distance, 2.0f);
    EXPECT_EQ(record->sound.max_distance, 30.0f);
}

}  // namespace
