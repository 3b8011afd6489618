#include "game/states/cCutscene.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/core/XmlAttributes.h"
#include "engine/core/cLog.h"
#include "engine/core/cXmlFile.h"
#include "engine/platform/cMouseState.h"
#include "engine/render/scene/cModelGfxCmp.h"
#include "engine/ui/cGUIManager.h"
#include "game/entities/cDecorationBatches.h"
#include "game/states/ScreenPictures.h"

namespace Game {

using Engine::cGUIManager;
using Engine::cUIImage;
using Engine::UIVector2;

namespace {

constexpr const char* kSectionElement = "Section";
constexpr const char* kTextureAttribute = "texture";
constexpr const char* kWho = "cutscene";
constexpr UIVector2 kScreenCentre{0.5f, 0.5f};
constexpr UIVector2 kFullScreen{1.0f, 1.0f};
constexpr int kLeftButton = 0;

// One framing value; a text that is no number is logged and read as the default.
float ReadFramingValue(const tinyxml2::XMLElement& section, const char* attribute, const std::string& story) {
    const char* text = section.Attribute(attribute);
    if (text == nullptr) return cCutscene::kDefaultFramingValue;
    // A reading that fails gives the NaN default, which no number text reads as.
    const float value = Engine::ReadFloat(&section, attribute, std::numeric_limits<float>::quiet_NaN());
    if (!std::isnan(value)) return value;
    Engine::LogError("cutscene " + story + ": " + kSectionElement + " " + attribute + "=\"" + text +
                     "\" is no number; it reads as 1");
    return cCutscene::kDefaultFramingValue;
}

cCutscene::Framing ReadFraming(const tinyxml2::XMLElement& section, const std::string& story) {
    return {{ReadFramingValue(section, "posX", story), ReadFramingValue(section, "posY", story)},
            {ReadFramingValue(section, "scaleX", story), ReadFramingValue(section, "scaleY", story)}};
}

float Lerp(float from, float to, float t) { return t * to + (1.0f - t) * from; }

}  // namespace

// ---- Reading and building ---------------------------------------------------------

std::unique_ptr<cCutscene> cCutscene::Read(const std::string& path, const std::string& element_name) {
    Engine::cXmlFile file(path);
    const tinyxml2::XMLElement* root = file.IsOpen() ? file.First().element : nullptr;
    if (root == nullptr) {
        Engine::LogError("the cutscene file \"" + path + "\" could not be read; there is no cutscene " +
                         element_name);
        return nullptr;
    }
    const tinyxml2::XMLElement* story = root->FirstChildElement(element_name.c_str());
    const std::string texture = Engine::ReadString(story, kTextureAttribute, "");
    if (texture.empty()) return nullptr;
    const tinyxml2::XMLElement* section = story->FirstChildElement(kSectionElement);
    if (section == nullptr) {
        Engine::LogError("cutscene " + element_name + " names the picture \"" + texture +
                         "\" but has no Section to show it in; there is no cutscene");
        return nullptr;
    }
    const Framing first = ReadFraming(*section, element_name);
    std::vector<Framing> next;
    for (section = section->NextSiblingElement(kSectionElement); section != nullptr;
         section = section->NextSiblingElement(kSectionElement)) {
        next.push_back(ReadFraming(*section, element_name));
    }
    return Build(texture, first, std::move(next));
}

std::unique_ptr<cCutscene> cCutscene::Build(const std::string& texture, const Framing& first,
                                            std::vector<Framing> next) {
    std::unique_ptr<cCutscene> cutscene(new cCutscene());
    cutscene->CreatePictures(texture, first);
    cutscene->sections = std::move(next);
    cutscene->BuildMachine();
    cutscene->machine->Start(cutscene->fadeInState);
    return cutscene;
}

// The picture's quad is the first framing's size and its element scale the
// framing's, so every later framing's scale multiplies that first size.
void cCutscene::CreatePictures(const std::string& texture, const Framing& first) {
    blackOverlay = CreateScreenPicture(kWho, kBlackOverlayTexture, "", kScreenCentre, kFullScreen, kBlackOverlayLayer);
    picture = CreateScreenPicture(kWho, texture, "", first.position, first.scale, kPictureLayer);
    if (picture != nullptr) picture->SetScale(first.scale);
    frameOverlay = CreateScreenPicture(kWho, kFrameOverlayTexture, "", kScreenCentre, kFullScreen, kFrameOverlayLayer);
    if (frameOverlay != nullptr) frameOverlay->Sprite().emissive.a = kFrameOverlayAlpha;
    from = first;
}

void cCutscene::BuildMachine() {
    machine = std::make_unique<Machine>(this);
    using T = cCutscene;
    auto* fade_in = machine->AddState(&T::Nothing, &T::FadeInEnter, &T::FadeInUpdate, &T::Nothing, &T::Nothing);
    auto* hold = machine->AddState(&T::Nothing, &T::HoldEnter, &T::HoldUpdate, &T::HoldExit, &T::Nothing);
    auto* move = machine->AddState(&T::Nothing, &T::MoveEnter, &T::MoveUpdate, &T::MoveExit, &T::Nothing);
    auto* fade_out =
        machine->AddState(&T::Nothing, &T::FadeOutEnter, &T::FadeOutUpdate, &T::FadeOutExit, &T::Nothing);
    auto* done = machine->AddState(&T::Nothing, &T::Nothing, &T::Idle, &T::Nothing, &T::Nothing);
    fadeInState = fade_in;
    holdState = hold;
    moveState = move;
    fadeOutState = fade_out;
    doneState = done;

    // The order matters: a rest asked both to end the story and to move on ends it.
    fade_in->AddTrigger(&T::FadedIn, hold);
    hold->AddTrigger(&T::LastSectionAsked, fade_out);
    move->AddTrigger(&T::MoveDone, hold);
    hold->AddTrigger(&T::AdvanceAsked, move);
    fade_out->AddTrigger(&T::FadedOut, done);
}

// ---- The frame and its owner -----------------------------------------------------

cCutscene::~cCutscene() {
    if (cGUIManager::Exists()) Destroy();
}

void cCutscene::Update(float dt) {
    PoseFrameOverlay();
    if (machine) machine->Update(dt);
    pulsePhase += kPulseRate * dt;
}

void cCutscene::Skip() { lastSection = true; }

// The machine goes without the exit of its phase: a story cut short must not
// pose pictures it is giving back.
void cCutscene::Destroy() {
    if (machine) machine->Start(nullptr);
    machine.reset();
    if (batchesHidden) ShowDecorationBatches(true);
    cGUIManager& gui = cGUIManager::Instance();
    for (cUIImage** image : {&picture, &frameOverlay, &blackOverlay}) {
        gui.DestroyElement(*image);
        *image = nullptr;
    }
    sections.clear();
}

cCutscene::ePhase cCutscene::Phase() const {
    if (!machine) return ePhase::None;
    const Engine::iState* current = machine->GetCurrent();
    const std::pair<const Engine::iState*, ePhase> table[] = {{fadeInState, ePhase::FadeIn},
                                                              {holdState, ePhase::Hold},
                                                              {moveState, ePhase::Move},
                                                              {fadeOutState, ePhase::FadeOut},
                                                              {doneState, ePhase::Done}};
    for (const auto& [state, phase] : table) {
        if (state == current) return phase;
    }
    return ePhase::None;
}

// The frame breathes from kFrameScaleAtRest at phase 0 to kFrameScaleDrawnIn at pi and back.
void cCutscene::PoseFrameOverlay() {
    if (frameOverlay == nullptr) return;
    const float s = (std::cos(pulsePhase) + 1.0f) * 0.5f;
    const float v = kFrameScaleAtRest * s + kFrameScaleDrawnIn * (1.0f - s);
    frameOverlay->SetScale({v, v});
}

void cCutscene::SetPictureAlpha(float alpha) {
    if (picture != nullptr) picture->Sprite().emissive.a = alpha;
}

void cCutscene::ShowPictures(bool shown) {
    for (cUIImage* image : {picture, frameOverlay, blackOverlay}) {
        if (image != nullptr) image->SetVisible(shown);
    }
}

// The level behind the story stays drawn under the black overlay; its large
// baked scenery is hidden so that it costs nothing meanwhile.
void cCutscene::ShowDecorationBatches(bool shown) {
    for (Engine::cModelGfxCmp* model : cDecorationBatches::Instance().Models()) {
        if (model != nullptr) model->visible = shown;
    }
    batchesHidden = !shown;
}

// ---- Phases ----------------------------------------------------------------------

void cCutscene::FadeInEnter() {
    ShowPictures(true);
    SetPictureAlpha(0.0f);
    fadeDuration = kFadeDuration;
    fadeTimer = 0.0f;
    ShowDecorationBatches(false);
}

// A square law: a quarter of the way in at half time.
void cCutscene::FadeInUpdate(float dt) {
    fadeTimer += dt;
    const float share = std::min(1.0f, fadeTimer / fadeDuration);
    SetPictureAlpha(share * share);
}

void cCutscene::HoldEnter() {
    advance = false;
    lastSection = false;
    holdTimer = 0.0f;
}

void cCutscene::HoldUpdate(float dt) {
    if (Engine::cMouseState::Instance().IsButtonDown(kLeftButton) || holdDuration <= holdTimer) {
        if (sectionIndex == sections.size()) {
            lastSection = true;
        } else {
            advance = true;
        }
    }
    holdTimer += dt;
}

void cCutscene::HoldExit() {
    if (picture == nullptr) return;
    from.position = {picture->posX, picture->posY};
    from.scale = {picture->scaleX, picture->scaleY};
}

void cCutscene::MoveEnter() {
    moveDuration = kMoveDuration;
    moveTimer = 0.0f;
}

void cCutscene::MoveUpdate(float dt) {
    moveTimer += dt;
    if (picture == nullptr || sectionIndex >= sections.size()) return;
    const float t = std::min(1.0f, moveTimer / moveDuration);
    const Framing& target = sections[sectionIndex];
    picture->SetPosition({Lerp(from.position.x, target.position.x, t), Lerp(from.position.y, target.position.y, t)});
    picture->SetScale({Lerp(from.scale.x, target.scale.x, t), Lerp(from.scale.y, target.scale.y, t)});
}

void cCutscene::MoveExit() { ++sectionIndex; }

void cCutscene::FadeOutEnter() {
    fadeTimer = kFadeDuration;
    fadeDuration = kFadeDuration;
}

void cCutscene::FadeOutUpdate(float dt) {
    fadeTimer -= dt;
    const float share = std::max(0.0f, fadeTimer / fadeDuration);
    SetPictureAlpha(share * share);
}

void cCutscene::FadeOutExit() {
    finished = true;
    ShowDecorationBatches(true);
    ShowPictures(false);
}

// ---- Transitions -----------------------------------------------------------------

bool cCutscene::FadedIn() { return fadeDuration <= fadeTimer; }
bool cCutscene::LastSectionAsked() { return lastSection; }
bool cCutscene::MoveDone() { return moveDuration <= moveTimer; }
bool cCutscene::AdvanceAsked() { return advance; }
bool cCutscene::FadedOut() { return fadeTimer <= 0.0f; }

}  // namespace Game
