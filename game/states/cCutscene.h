#pragma once
// cCutscene: a picture story told with one large picture. Over a black
// screen the picture fades in on its first framing, rests there, then pans
// and zooms from framing to framing, resting on each, and fades out again;
// a storybook frame drawn over it breathes gently all the while.
//
//   FadeIn --1 s--> Hold --5 s--> Move --1 s--> Hold ... Hold --last--> FadeOut --1 s--> Done
//
// A framing is the picture's centre (normalised screen units) and its
// element scale. The picture's quad is made at the first framing's scale and
// the element scale multiplies it, so on screen the picture is
// first scale x framing scale of the screen (the first framing itself shows
// at its scale squared). Moves are linear in position and scale; each phase
// advances its clock before it poses the picture, so the last frame of a
// fade-in shows the picture opaque and the last frame of a move shows the
// framing exactly. Holding the left mouse button cuts every rest to one
// frame; Skip ends the story with a fade-out if it comes during a rest, and
// is forgotten if it comes during a fade-in or a move (the next rest starts
// afresh). Without input, n framings last 6n + 1 seconds.
//
// The cutscene file holds one element per story, found by name among the
// root's children: its "texture" names the picture's texture set and its
// "Section" children are the framings in order (attributes "posX", "posY",
// "scaleX", "scaleY", each 1.0 when missing). An element without a texture or
// without a section tells no story. While the story plays the level's
// decoration batches are hidden; they come back when it ends or is destroyed.
//
// The owner creates it with Read or Build, calls Update once a frame, polls
// Finished, and destroys it before it clears the GUI: Destroy gives the three
// pictures back to the GUI, once.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/entity/cStateMachine.h"
#include "engine/ui/UIGeometry.h"
#include "game/data/ContentNames.h"
#include "game/states/iIntroCutscene.h"

namespace Engine {
class cUIImage;
class iState;
}  // namespace Engine

namespace Game {

class cCutscene : public iIntroCutscene {
public:
    static constexpr const char* kFile = Content::kCutsceneFile.data();
    static constexpr const char* kBlackOverlayTexture = Content::kBlackOverlayTextureSet.data();
    static constexpr const char* kFrameOverlayTexture = Content::kCutsceneFrameTextureSet.data();
    static constexpr std::uint8_t kBlackOverlayLayer = 7;
    static constexpr std::uint8_t kPictureLayer = 8;
    static constexpr std::uint8_t kFrameOverlayLayer = 9;
    static constexpr float kFrameOverlayAlpha = 0.75f;
    static constexpr float kHoldDuration = 5.0f;
    static constexpr float kMoveDuration = 1.0f;
    static constexpr float kFadeDuration = 1.0f;
    // The frame breathes between these scales, kFrameScaleAtRest when the pulse's phase is 0.
    static constexpr float kFrameScaleAtRest = 1.12f;
    static constexpr float kFrameScaleDrawnIn = 1.1f;
    // Radians per second of the frame's breathing.
    static constexpr float kPulseRate = 30.0f;
    static constexpr float kDefaultFramingValue = 1.0f;

    struct Framing {
        Engine::UIVector2 position;
        Engine::UIVector2 scale;
        bool operator==(const Framing&) const = default;
    };

    enum class ePhase { None, FadeIn, Hold, Move, FadeOut, Done };

    // The story of the element named element_name in the cutscene file at
    // path; null when it has none (a missing file or element, no texture, no
    // section), with a log line for each fault.
    static std::unique_ptr<cCutscene> Read(const std::string& path, const std::string& element_name);
    // A story that shows the texture set at first, then at each of next in
    // turn; it starts fading in at once.
    static std::unique_ptr<cCutscene> Build(const std::string& texture, const Framing& first,
                                            std::vector<Framing> next);

    ~cCutscene() override;
    cCutscene(const cCutscene&) = delete;
    cCutscene& operator=(const cCutscene&) = delete;

    // One frame: the frame overlay breathes, the story takes one step.
    void Update(float dt) override;
    // Asks the story to end after the rest it is in (see the banner).
    void Skip() override;
    bool Finished() const override { return finished; }
    // Stops the story where it is and gives its pictures back to the GUI; a second call does nothing.
    void Destroy();

    // What tests look at.
    ePhase Phase() const;
    const Engine::cUIImage* Picture() const { return picture; }
    const Engine::cUIImage* BlackOverlay() const { return blackOverlay; }
    const Engine::cUIImage* FrameOverlay() const { return frameOverlay; }
    const std::vector<Framing>& Sections() const { return sections; }
    std::size_t SectionIndex() const { return sectionIndex; }

private:
    using Machine = Engine::cStateMachine<cCutscene>;

    cCutscene() = default;
    void CreatePictures(const std::string& texture, const Framing& first);
    void BuildMachine();
    void PoseFrameOverlay();
    void SetPictureAlpha(float alpha);
    void ShowPictures(bool shown);
    void ShowDecorationBatches(bool shown);

    void Nothing() {}
    void Idle(float) {}
    void FadeInEnter();
    void FadeInUpdate(float dt);
    void HoldEnter();
    void HoldUpdate(float dt);
    void HoldExit();
    void MoveEnter();
    void MoveUpdate(float dt);
    void MoveExit();
    void FadeOutEnter();
    void FadeOutUpdate(float dt);
    void FadeOutExit();

    bool FadedIn();
    bool LastSectionAsked();
    bool MoveDone();
    bool AdvanceAsked();
    bool FadedOut();

    bool finished = false;
    Engine::cUIImage* picture = nullptr;
    Engine::cUIImage* blackOverlay = nullptr;
    Engine::cUIImage* frameOverlay = nullptr;
    std::vector<Framing> sections;
    std::size_t sectionIndex = 0;
    std::unique_ptr<Machine> machine;
    Engine::iState* fadeInState = nullptr;
    Engine::iState* holdState = nullptr;
    Engine::iState* moveState = nullptr;
    Engine::iState* fadeOutState = nullptr;
    Engine::iState* doneState = nullptr;
    float holdTimer = 0.0f;
    float holdDuration = kHoldDuration;
    float pulsePhase = 0.0f;
    bool advance = false;
    bool lastSection = false;
    float moveDuration = kMoveDuration;
    float moveTimer = 0.0f;
    float fadeDuration = kFadeDuration;
    float fadeTimer = 0.0f;
    Framing from;
    bool batchesHidden = false;
};

}  // namespace Game
