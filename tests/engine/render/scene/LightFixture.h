#pragma once
// LightFixture: a light test in a folder of its own (shader files are
// written there and Engine.log read back), with fresh process-wide services:
// a null renderer, a null texture manager installed as the resource
// system's, a null shader manager, and no light manager or shadow casters
// left over from another test.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/core/cLog.h"
#include "engine/entity/cSceneManager.h"
#include "engine/render/cDeviceResetOrder.h"
#include "engine/render/cNullRenderer.h"
#include "engine/render/scene/cLightManager.h"
#include "engine/render/scene/cShadowCasterList.h"
#include "engine/resource/cNullShader.h"
#include "engine/resource/cNullShaderManager.h"
#include "engine/resource/cNullTextureManager.h"
#include "engine/resource/cResourceSystem.h"
#include "engine/resource/iGPUProgram.h"
#include "tests/support/TempDir.h"

// A vertex stage that reads the lantern's matrices and a pixel stage that
// reads its thirteen record constants and its shadow map on sampler stage 6.
inline constexpr const char* kLanternShader = R"(
#ifdef VERTEX_STAGE
uniform mat4 WVPMatrix;
uniform mat4 gKidLightVPMatrix;
uniform mat4 gKidLightViewMatrix;
uniform vec3 gKidLightPosition;
void VS() {}
#else
layout(binding = 6) uniform sampler2D gKidLightShadowMapSampler;
uniform int gKidLightType;
uniform vec4 gKidLightAmbient;
uniform vec4 gKidLightDiffuse;
uniform vec4 gKidLightSpecular;
uniform vec3 gKidLightPosition;
uniform vec3 gKidLightDirection;
uniform float gKidLightRange;
uniform float gKidLightFallOff;
uniform float gKidLightConstAttn;
uniform float gKidLightLinAttn;
uniform float gKidLightQuadAttn;
uniform float gKidLightInnerCone;
uniform float gKidLightOuterCone;
void PS() {}
#endif
)";

class LightFixture : public ::testing::Test {
protected:
    LightFixture() {
        ResetServices();
        renderer.Initialise();
        Engine::cResourceSystem::Instance().InstallTextureManager(
            std::make_unique<Engine::cNullTextureManager>(renderer));
        dir.Write("lantern.shader", kLanternShader);
    }
    ~LightFixture() override {
        if (program != nullptr) shaders.ReleaseProgram(program);
        ResetServices();
    }

    static void ResetServices() {
        Engine::cSceneManager::Destroy();
        Engine::cShadowCasterList::Destroy();
        Engine::cLightManager::Destroy();
        Engine::cResourceSystem::Destroy();
        Engine::cDeviceResetOrder::Destroy();
        Engine::cLog::Destroy();
    }

    // The lantern program, compiled once per test.
    Engine::iGPUProgram& Program() {
        if (program == nullptr) {
            const std::string folder = dir.Path().string() + "/";
            program = shaders.CreateShaderProgram("lantern.shader", folder, "VS", "lantern.shader", folder, "PS");
        }
        return *program;
    }
    Engine::iShader* Vertex() { return Program().VertexStage(); }
    Engine::iShader* Pixel() { return Program().PixelStage(); }

    // The values last sent to a constant of a stage; empty when none were.
    static std::vector<float> Sent(Engine::iShader* stage, const std::string& constant) {
        std::vector<float> values;
        static_cast<Engine::cNullShader*>(stage)->SentValues(constant, values);
        return values;
    }

    Engine::iTextureManager& Textures() { return *Engine::cResourceSystem::Instance().TextureManager(); }
    std::string EngineLog() const { return TestSupport::ReadFile(dir.File("Engine.log")); }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory cwd{dir.Path()};
    Engine::cNullRenderer renderer;
    Engine::cNullShaderManager shaders{renderer};
    Engine::iGPUProgram* program = nullptr;
};
