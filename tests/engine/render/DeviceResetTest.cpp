// The device-reset order with recording holders, the reset path of
// BeginFrame (one attempt a frame) and display-mode changes.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/render/DisplayModePlan.h"
#include "engine/render/cNullFontManager.h"
#include "engine/render/cNullHardwareBufferManager.h"
#include "engine/render/eDeclType.h"
#include "engine/render/eDeclUsage.h"
#include "engine/render/eRenderStateId.h"
#include "tests/engine/render/RenderFixture.h"

namespace {

using namespace Engine;
using Calls = std::vector<std::string>;

class RecordingHolder : public iDeviceResetListener {
public:
    RecordingHolder(std::string name_, Calls& calls_) : name(std::move(name_)), calls(calls_) {}
    void OnDeviceLost() override { calls.push_back(name + " lost"); }
    void OnDeviceReset() override { calls.push_back(name + " reset"); }

private:
    std::string name;
    Calls& calls;
};

class RecordingDisplayListener : public iDisplayModeListener {
public:
    explicit RecordingDisplayListener(Calls& calls_) : calls(calls_) {}
    void OnDisplayModeChanged() override { calls.push_back("display changed"); }

private:
    Calls& calls;
};

class DeviceResetTest : public NullRendererFixture {
protected:
    void SetUp() override {}

    // One holder per stage, registered out of stage order.
    void RegisterHolders() {
        cDeviceResetOrder& order = cDeviceResetOrder::Instance();
        order.Register(eDeviceResetStage::Meshes, &meshes);
        order.Register(eDeviceResetStage::Fonts, &fonts);
        order.Register(eDeviceResetStage::ParticleSystems, &particles);
        order.Register(eDeviceResetStage::Textures, &textures);
        order.AddDisplayModeListener(&display);
    }

    Calls calls;
    RecordingHolder particles{"particles", calls};
    RecordingHolder textures{"textures", calls};
    RecordingHolder fonts{"fonts", calls};
    RecordingHolder meshes{"meshes", calls};
    RecordingDisplayListener display{calls};
};

const Calls kFullReset = {"particles lost", "textures lost", "fonts lost", "meshes lost",
                          "meshes reset",   "textures reset", "fonts reset", "particles reset"};

TEST_F(DeviceResetTest, HoldersReleaseAndRestoreInTheFixedStageOrder) {
    StartRenderer();
    RegisterHolders();
    EXPECT_TRUE(cDeviceResetOrder::Instance().Reset([] { return true; }));
    EXPECT_EQ(calls, kFullReset);
}

TEST_F(DeviceResetTest, HoldersOfOneStageAreCalledInRegistrationOrderAndOnlyOnce) {
    StartRenderer();
    RecordingHolder second("textures 2", calls);
    cDeviceResetOrder& order = cDeviceResetOrder::Instance();
    order.Register(eDeviceResetStage::Textures, &textures);
    order.Register(eDeviceResetStage::Textures, &second);
    order.Register(eDeviceResetStage::Meshes, &textures);  // already registered: ignored
    order.Reset([] { return true; });
    EXPECT_EQ(calls, (Calls{"textures lost", "textures 2 lost", "textures reset", "textures 2 reset"}));
    order.Unregister(&second);
    calls.clear();
    order.Reset([] { return true; });
    EXPECT_EQ(calls, (Calls{"textures lost", "textures reset"}));
}

TEST_F(DeviceResetTest, AFailedResetLeavesHoldersReleasedUntilOneSucceeds) {
    StartRenderer();
    RegisterHolders();
    cDeviceResetOrder& order = cDeviceResetOrder::Instance();
    EXPECT_FALSE(order.Reset([] { return false; }));
    EXPECT_FALSE(order.Reset([] { return false; }));
    EXPECT_EQ(calls, (Calls{"particles lost", "textures lost", "fonts lost", "meshes lost"}))
        << "released once, restored never";
    EXPECT_TRUE(order.Released());
    EXPECT_TRUE(order.Reset([] { return true; }));
    EXPECT_EQ(calls, kFullReset);
}

TEST_F(DeviceResetTest, ALostDeviceSkipsTheFrameWithoutTouchingTheHolders) {
    StartRenderer();
    RegisterHolders();
    renderer->SimulateDeviceLoss(false);
    EXPECT_FALSE(renderer->BeginFrame());
    EXPECT_EQ(renderer->ResetAttempts(), 0u);
    EXPECT_TRUE(calls.empty());
}

TEST_F(DeviceResetTest, BeginFrameTriesOneResetPerFrameUntilItSucceeds) {
    StartRenderer();
    RegisterHolders();
    renderer->SetRenderState(RS_Culling, 2);
    renderer->SimulateDeviceLoss(true);
    renderer->FailResets(2);
    EXPECT_FALSE(renderer->BeginFrame());
    EXPECT_EQ(renderer->ResetAttempts(), 1u);
    EXPECT_FALSE(renderer->BeginFrame());
    EXPECT_EQ(renderer->ResetAttempts(), 2u);
    EXPECT_TRUE(renderer->BeginFrame());
    EXPECT_EQ(renderer->ResetAttempts(), 3u);
    EXPECT_EQ(calls, kFullReset);
    EXPECT_EQ(renderer->RenderState(RS_Culling), 0) << "the default states come back after a reset";
    EXPECT_TRUE(renderer->BeginFrame());
    EXPECT_EQ(renderer->ResetAttempts(), 3u);
}

TEST_F(DeviceResetTest, AResetForgetsTheBoundBuffers) {
    StartRenderer();
    cNullHardwareBufferManager buffers(*renderer);
    cVertexDeclaration* declaration = buffers.TakeVertexDeclaration();
    declaration->AddElement(DU_Position, DT_Float3, 0);
    auto* buffer = static_cast<cNullVertexBuffer*>(buffers.CreateVertexBuffer(declaration, 3, 1));
    buffer->Bind();
    renderer->SimulateDeviceLoss(true);
    ASSERT_TRUE(renderer->BeginFrame());
    EXPECT_EQ(buffers.BoundVertexBuffer(), nullptr);
    buffer->Bind();
    EXPECT_EQ(buffer->DeviceBinds(), 2u) << "the device lost the binding, so Bind must reach it";
}

TEST_F(DeviceResetTest, ANewWindowSizeResetsTheDeviceAtTheNextFrame) {
    StartRenderer(true);
    RegisterHolders();
    cWindow::Instance().ApplyWindowMode(800, 600);
    ASSERT_TRUE(renderer->BeginFrame());
    Calls expected = kFullReset;
    expected.push_back("display changed");
    EXPECT_EQ(calls, expected);
    EXPECT_EQ(renderer->GetPresentation(), (Presentation{false, 800, 600}));
    EXPECT_EQ(renderer->GetViewport().width, 800);
    EXPECT_EQ(renderer->GetViewport().height, 600);
    EXPECT_TRUE(Logged("[cNullRenderer] Display mode 800 x 600 windowed")) << EngineLog();
    calls.clear();
    ASSERT_TRUE(renderer->BeginFrame());
    EXPECT_TRUE(calls.empty()) << "an unchanged mode does nothing";
}

TEST_F(DeviceResetTest, DisplayChangesWaitUntilTheStartParametersAllowThem) {
    StartRenderer(false);
    RegisterHolders();
    cWindow::Instance().ApplyWindowMode(800, 600);
    ASSERT_TRUE(renderer->BeginFrame());
    EXPECT_TRUE(calls.empty());
    renderer->ApplyDisplayMode();
    EXPECT_EQ(renderer->GetPresentation().width, 800) << "an explicit call still applies the mode";
}

TEST_F(DeviceResetTest, GoingFullScreenUsesTheDesktopSizeAndBackUsesTheWindowedSize) {
    StartRenderer(true);
    cWindow& window = cWindow::Instance();
    window.SetDesktopSize(1920, 1080);
    window.SetFullscreen(true);
    ASSERT_TRUE(renderer->BeginFrame());
    EXPECT_EQ(renderer->GetPresentation(), (Presentation{true, 1920, 1080}));
    window.SetFullscreen(false);
    window.ApplyWindowMode(700, 500);
    ASSERT_TRUE(renderer->BeginFrame());
    EXPECT_EQ(renderer->GetPresentation(), (Presentation{false, 700, 500}));
}

TEST_F(DeviceResetTest, ADisplayModeChangeRestoresTheDefaultRenderStates) {
    StartRenderer(true);
    ASSERT_TRUE(renderer->SetRenderState(RS_Culling, 1));
    ASSERT_TRUE(renderer->SetRenderState(RS_Blending, 1));
    ASSERT_TRUE(renderer->SetRenderState(RS_ZWrite, 0));
    const uint64_t changes_before = renderer->DeviceStateChanges();
    cWindow::Instance().ApplyWindowMode(800, 600);
    ASSERT_TRUE(renderer->BeginFrame());
    ASSERT_EQ(renderer->GetPresentation().width, 800);
    EXPECT_EQ(renderer->RenderState(RS_Culling), 0);
    EXPECT_EQ(renderer->RenderState(RS_Blending), 0);
    EXPECT_EQ(renderer->RenderState(RS_ZWrite), 1);
    EXPECT_GT(renderer->DeviceStateChanges(), changes_before) << "the defaults reached the new device";
}

TEST_F(DeviceResetTest, EveryFontIsMadeAgainAfterADisplayModeChange) {
    StartRenderer(true);
    cNullFontManager fonts_manager;
    fonts_manager.CreateFont("arial", false, false);
    fonts_manager.CreateFont("courier", false, true);
    cWindow::Instance().ApplyWindowMode(800, 600);
    ASSERT_TRUE(renderer->BeginFrame());
    EXPECT_EQ(fonts_manager.GetFontCount(), 3);
    EXPECT_EQ(fonts_manager.DeviceFontCount(), 3);
    EXPECT_EQ(fonts_manager.DeviceFontsMade(), 6);
    EXPECT_EQ(fonts_manager.Font(2).face, "courier");
}

struct PlanCase {
    Presentation current;
    DisplayModeRequest request;
    std::optional<Presentation> expected;
};

TEST(DisplayModePlanTest, OnlyAChangedModeOrWindowedSizeSwitches) {
    const PlanCase cases[] = {
        {{false, 800, 600}, {false, 800, 600, 1920, 1080}, std::nullopt},
        {{false, 800, 600}, {false, 1024, 768, 1920, 1080}, Presentation{false, 1024, 768}},
        {{false, 800, 600}, {true, 800, 600, 1920, 1080}, Presentation{true, 1920, 1080}},
        {{true, 1920, 1080}, {false, 800, 600, 1920, 1080}, Presentation{false, 800, 600}},
        {{true, 1920, 1080}, {true, 800, 600, 2560, 1440}, std::nullopt},  // full screen ignores the windowed size
        {{false, 800, 600}, {false, 0, 600, 1920, 1080}, std::nullopt},    // an unusable size is refused
    };
    for (const PlanCase& c : cases) {
        EXPECT_EQ(PlanDisplayMode(c.current, c.request), c.expected)
            << c.current.width << " x " << c.current.height << " -> " << c.request.windowed_width;
    }
}

}  // namespace
