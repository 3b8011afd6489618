// Md2Model: header and section checks, index checks, animation names.
#include "engine/resource/Md2Model.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/resource/Md2Normals.h"
#include "tests/engine/resource/MeshFixture.h"

namespace Engine {
namespace {

using TestSupport::Md2Description;
using TestSupport::MakeMd2;
using TestSupport::NumberedFrames;
using TestSupport::SetMd2Field;

class Md2ModelTest : public MeshFixture {
protected:
    // The log line that names a file.
    std::string LogLineOf(const std::string& label) const {
        const std::string log = EngineLog();
        const std::size_t at = log.find("MD2 model " + label + " refused");
        return at == std::string::npos ? std::string() : log.substr(at, log.find('\n', at) - at);
    }

    bool Parse(const std::vector<uint8_t>& bytes) { return model.Parse(bytes.data(), bytes.size(), "test.md2"); }
    Md2Model model;
};

TEST_F(Md2ModelTest, ReadsEverySectionOfAWellFormedFile) {
    Md2Description d;
    d.vertexCount = 5;
    d.triangleCount = 3;
    d.frameNames = {"stand1", "walk1"};
    d.frameScale = 0.5f;
    d.frameTranslate = 2.0f;
    ASSERT_TRUE(Parse(MakeMd2(d)));
    EXPECT_EQ(model.SkinWidth(), 64);
    EXPECT_EQ(model.SkinHeight(), 32);
    EXPECT_EQ(model.VertexCount(), 5u);
    EXPECT_EQ(model.TriangleCount(), 3u);
    ASSERT_EQ(model.Frames().size(), 2u);
    ASSERT_EQ(model.Skins().size(), 1u);
    EXPECT_STREQ(model.Skins()[0].data(), "skin.pcx");
    EXPECT_EQ(model.TexCoords()[4].s, 8);
    EXPECT_EQ(model.TexCoords()[4].t, 12);
    EXPECT_EQ(model.Triangles()[2].vertex[1], 3);
    EXPECT_EQ(model.Triangles()[2].texCoord[2], 4);
    const Md2Frame& walk = model.Frames()[1];
    EXPECT_EQ(walk.name, "walk1");
    EXPECT_EQ(walk.scale.y, 0.5f);
    EXPECT_EQ(walk.translate.z, 2.0f);
    EXPECT_EQ(walk.vertices[3].x, 4);
    EXPECT_EQ(walk.vertices[3].y, 7);
    EXPECT_EQ(walk.vertices[3].z, 10);
    EXPECT_EQ(walk.vertices[3].normal, 4);
}

TEST_F(Md2ModelTest, TwoFramesOfTwoNamesGiveTwoAnimations) {
    Md2Description d;
    d.frameNames = {"stand1", "walk1"};
    ASSERT_TRUE(Parse(MakeMd2(d)));
    ASSERT_EQ(model.Animations().size(), 2u);
    EXPECT_EQ(model.Animations().at("stand").first, 0u);
    EXPECT_EQ(model.Animations().at("stand").last, 1u);
    EXPECT_EQ(model.Animations().at("walk").first, 1u);
    EXPECT_EQ(model.Animations().at("walk").last, 2u);
    EXPECT_EQ(model.Animations().at("walk").framesPerSecond, 30.0f);
}

TEST_F(Md2ModelTest, FrameRangesFollowTheNames) {
    Md2Description d;
    d.frameNames = NumberedFrames("run", 6);
    for (const std::string& name : NumberedFrames("jump", 3)) d.frameNames.push_back(name);
    ASSERT_TRUE(Parse(MakeMd2(d)));
    ASSERT_EQ(model.Animations().size(), 2u);
    EXPECT_EQ(model.Animations().begin()->first, "jump") << "names sort, whatever their order in the file";
    EXPECT_EQ(model.Animations().at("jump").first, 6u);
    EXPECT_EQ(model.Animations().at("jump").last, 8u);
    EXPECT_EQ(model.Animations().at("run").first, 0u);
    EXPECT_EQ(model.Animations().at("run").last, 5u);
}

TEST_F(Md2ModelTest, AFrameWithAUniqueNameEndsOnePastItself) {
    Md2Description d;
    d.frameNames = {"idle1", "idle2", "pain", "die1", "die2"};
    ASSERT_TRUE(Parse(MakeMd2(d)));
    EXPECT_EQ(model.Animations().at("pain").first, 2u);
    EXPECT_EQ(model.Animations().at("pain").last, 3u);
}

TEST_F(Md2ModelTest, AOneFrameFileHasNoAnimations) {
    Md2Description d;
    d.frameNames = {"still1"};
    ASSERT_TRUE(Parse(MakeMd2(d)));
    EXPECT_TRUE(model.Animations().empty());
}

TEST_F(Md2ModelTest, AnimationNamesAreCutBeforeTheFirstDigit) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"run12", "run"}, {"attack", "attack"}, {"7up", ""}, {"a1b2", "a"}, {"", ""}};
    for (const auto& [frame, animation] : cases) EXPECT_EQ(Md2Model::AnimationName(frame), animation) << frame;
}

TEST_F(Md2ModelTest, FrameNamesFillingAllSixteenBytesAreKeptWhole) {
    Md2Description d;
    d.frameNames = {"abcdefghijklmnop", "abcdefghijklmnop"};
    ASSERT_TRUE(Parse(MakeMd2(d)));
    EXPECT_EQ(model.Frames()[0].name, "abcdefghijklmnop");
    EXPECT_EQ(model.Animations().at("abcdefghijklmnop").last, 1u);
}

TEST_F(Md2ModelTest, FreeDataDropsFramesAndTrianglesOnly) {
    Md2Description d;
    d.frameNames = {"a1", "a2"};
    ASSERT_TRUE(Parse(MakeMd2(d)));
    model.FreeData();
    EXPECT_TRUE(model.Frames().empty());
    EXPECT_TRUE(model.Triangles().empty());
    EXPECT_EQ(model.TexCoords().size(), 4u);
    EXPECT_EQ(model.Animations().size(), 1u);
}

TEST_F(Md2ModelTest, TheNormalTableIsTheFormatsOwn) {
    // Spot checks across the table: first, the poles and the last entry.
    EXPECT_EQ(Md2Normal(0), (Vector3{-0.525731f, 0.0f, 0.850651f}));
    EXPECT_EQ(Md2Normal(5), (Vector3{0.0f, 0.0f, 1.0f}));
    EXPECT_EQ(Md2Normal(32), (Vector3{0.0f, 1.0f, 0.0f}));
    EXPECT_EQ(Md2Normal(52), (Vector3{1.0f, 0.0f, 0.0f}));
    EXPECT_EQ(Md2Normal(84), (Vector3{0.0f, 0.0f, -1.0f}));
    EXPECT_EQ(Md2Normal(104), (Vector3{0.0f, -1.0f, 0.0f}));
    EXPECT_EQ(Md2Normal(143), (Vector3{-1.0f, 0.0f, 0.0f}));
    EXPECT_EQ(Md2Normal(161), (Vector3{-0.688191f, -0.587785f, -0.425325f}));
    for (uint32_t i = 0; i < kMd2NormalCount; ++i) EXPECT_NEAR(Length(Md2Normal(i)), 1.0f, 1e-5f) << i;
}

// A damaged or lying file and the reason it is refused.
struct BadFile {
    const char* what;
    std::function<void(std::vector<uint8_t>&)> damage;
    const char* reason;
};

TEST_F(Md2ModelTest, DamagedAndLyingFilesAreRefusedWithoutReadingPastThem) {
    using namespace TestSupport;
    const std::vector<BadFile> cases{
        {"empty", [](auto& b) { b.clear(); }, "shorter than the MD2 header"},
        {"header cut short", [](auto& b) { b.resize(40); }, "shorter than the MD2 header"},
        {"bad magic", [](auto& b) { b[0] = 'X'; }, "IDP2"},
        {"version 7", [](auto& b) { SetMd2Field(b, kMd2Version, 7); }, "version 7"},
        {"frames cut short", [](auto& b) { b.resize(b.size() - 1); }, "frames run past the end"},
        {"skin offset past the end", [](auto& b) { SetMd2Field(b, kMd2SkinOffset, int32_t(b.size())); }, "skins"},
        {"negative offset", [](auto& b) { SetMd2Field(b, kMd2TexCoordOffset, -4); }, "texture coordinates"},
        {"triangle offset near the end",
         [](auto& b) { SetMd2Field(b, kMd2TriangleOffset, int32_t(b.size()) - 4); }, "triangles"},
        {"huge frame count", [](auto& b) { SetMd2Field(b, kMd2FrameCount, 0x7FFFFFFF); }, "frames"},
        {"huge vertex count", [](auto& b) { SetMd2Field(b, kMd2VertexCount, 0x7FFFFFFF); }, "frames"},
        {"huge triangle count", [](auto& b) { SetMd2Field(b, kMd2TriangleCount, 0x40000000); }, "triangles"},
        {"negative count", [](auto& b) { SetMd2Field(b, kMd2SkinCount, -1); }, "negative"},
        {"no frames", [](auto& b) { SetMd2Field(b, kMd2FrameCount, 0); }, "no vertices, triangles or frames"},
        {"no skin width", [](auto& b) { SetMd2Field(b, kMd2SkinWidth, 0); }, "skin size"},
        {"vertex index out of range",
         [](auto& b) { PutU32(b, std::size_t(GetMd2Field(b, kMd2TriangleOffset)), 4); }, "names vertex 4 of 4"},
        {"texture index out of range",
         [](auto& b) { PutU32(b, std::size_t(GetMd2Field(b, kMd2TriangleOffset)) + 6, 9); },
         "names texture coordinate 9 of 4"},
        {"fewer texture coordinates than used", [](auto& b) { SetMd2Field(b, kMd2TexCoordCount, 2); },
         "texture coordinate 2 of 2"},
        {"normal index out of range",
         [](auto& b) { b[std::size_t(GetMd2Field(b, kMd2FrameOffset)) + 40 + 3] = 162; }, "normal 162 of 162"},
    };
    Md2Description d;
    d.frameNames = {"a1", "a2"};
    const std::vector<uint8_t> good = MakeMd2(d);
    ASSERT_TRUE(Parse(good));
    for (const BadFile& bad : cases) {
        std::vector<uint8_t> bytes = good;
        bad.damage(bytes);
        // An exact-size copy lets the address sanitizer catch any read past the end.
        const std::vector<uint8_t> exact(bytes.begin(), bytes.end());
        EXPECT_FALSE(model.Parse(exact.data(), exact.size(), bad.what)) << bad.what;
        EXPECT_EQ(model.FrameCount(), 0u) << bad.what;
        EXPECT_TRUE(model.Frames().empty() && model.Animations().empty()) << bad.what;
        EXPECT_TRUE(Logged(std::string("Error: MD2 model ") + bad.what + " refused: ")) << bad.what;
        EXPECT_NE(LogLineOf(bad.what).find(bad.reason), std::string::npos) << bad.what << ": " << EngineLog();
    }
}

TEST_F(Md2ModelTest, AMissingFileIsLoggedAndLeavesTheModelEmpty) {
    EXPECT_FALSE(model.LoadFile(dir.File("absent.md2")));
    EXPECT_TRUE(Logged("Error: MD2 model " + dir.File("absent.md2") + " could not be opened"));
    EXPECT_EQ(model.FrameCount(), 0u);
}

}  // namespace
}  // namespace Engine
