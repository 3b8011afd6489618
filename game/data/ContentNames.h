#pragma once
// ContentNames: every name the game's code looks up in the data, in one place.
//
// Entities find their models through the prefab table ("PrefabData.xml" ids
// by text), play animations by name on those models, and name a few texture
// sets, materials, meshes and particle systems outright. The code uses these
// constants, and the content test holds the shipped catalogues and model
// files against them, so code and data cannot disagree silently: a renamed
// animation or a missing texture set fails ./test instead of drawing nothing.
//
// Plain data only: no engine types, no platform includes.

#include <cstdint>
#include <span>
#include <string_view>

namespace Game::Content {

// ---- Prefab ids ------------------------------------------------------------

// A prefab's text in "PrefabData.xml" and the model identifier it stands for;
// model identifiers equal the entity type identifiers of the entities that
// show them. Any other text gives kUnknownPrefab, which no entity reads.
struct sPrefabName {
    std::string_view text;
    int32_t id;
};

inline constexpr int32_t kUnknownPrefab = 61;

inline constexpr sPrefabName kPrefabNames[] = {
    {"kid", 3},
    {"BasicEnemy", 13},
    {"BasicEnemyFast", 15},
    {"BasicEnemyHP", 14},
    {"SpawnEnemy", 30},
    {"DollEnemy", 19},
    {"Fairy", 8},
    {"JackInBox", 23},
    {"BasicTrap", 16},
    {"BombEnemy", 20},
    {"HealingLampPost", 22},
    {"TeleportEnemy", 21},
    {"WitchEnemy", 24},
    {"NormalWall", 37},
    {"SpikeTrap", 47},
    {"StaticSpikeTrap", 50},
    {"CheckPoint", 48},
    {"ArrowTrap", 49},
    {"Projectile", 18},
    {"Door", 39},
    {"ChaserEnemy", 27},
    {"WinPoint", 41},
    {"Boss", 51},
    {"Swat", 52},
    {"Hammer", 54},
    {"Collectable", 33},
    {"LockedDoor", 40},
    {"Key", 34},
    {"Destructables", 45},
    {"Undestructable", 46},
    {"KidKey", 4},
    // The drag enemy looks its model up by its own type like every enemy; without
    // this row no prefab could reach it and it would walk the level unseen.
    {"DragEnemy", 29},
};

// ---- Animations each entity plays -------------------------------------------

inline constexpr std::string_view kMirelIdle = "MirelIdle";
inline constexpr std::string_view kMirelWalk = "MirelWalk";
inline constexpr std::string_view kMirelDeath = "MirelDeath";
inline constexpr std::string_view kMirelFloat = "MirelFloat";
inline constexpr std::string_view kFairyFlutter = "FRAMEA";
inline constexpr std::string_view kGhostWalk = "GhostWalk";
inline constexpr std::string_view kGhostOnHit = "GhostOnHit";
inline constexpr std::string_view kGhostDeath = "GhostDeath";
inline constexpr std::string_view kMagicianWalk = "MagicianWalk";
inline constexpr std::string_view kJackScare = "MukScareKid";
inline constexpr std::string_view kJackDeath = "MukOnDeath";
inline constexpr std::string_view kWitchWalk = "JackWalk";
inline constexpr std::string_view kWitchGrabStart = "JackClkNHolSt";
inline constexpr std::string_view kWitchHolding = "JackHolding";
inline constexpr std::string_view kWitchRelease = "JackRelHolding";
inline constexpr std::string_view kBossBody = "BossBody";
inline constexpr std::string_view kBossDie = "BossDie";
inline constexpr std::string_view kHammerSwing = "BossHammerAni";
inline constexpr std::string_view kSpikeDown = "SpikeDown";
inline constexpr std::string_view kSpikeRising = "SpikeGUp";
inline constexpr std::string_view kSpikeUp = "SpikeUp";
inline constexpr std::string_view kSpikeLowering = "SpikeGDown";

inline constexpr std::string_view kKidAnimations[] = {kMirelIdle, kMirelWalk, kMirelDeath, kMirelFloat};
inline constexpr std::string_view kFairyAnimations[] = {kFairyFlutter};
inline constexpr std::string_view kGhostAnimations[] = {kGhostWalk, kGhostOnHit, kGhostDeath};
inline constexpr std::string_view kMagicianAnimations[] = {kMagicianWalk};
inline constexpr std::string_view kJackAnimations[] = {kJackScare, kJackDeath};
inline constexpr std::string_view kWitchAnimations[] = {kWitchWalk, kWitchGrabStart, kWitchHolding, kWitchRelease};
inline constexpr std::string_view kBossAnimations[] = {kBossBody, kBossDie};
inline constexpr std::string_view kHammerAnimations[] = {kHammerSwing};
inline constexpr std::string_view kSpikeAnimations[] = {kSpikeDown, kSpikeRising, kSpikeUp, kSpikeLowering};

// The animations the game plays on the model of a prefab.
struct sPlayedAnimations {
    int32_t prefab;
    std::span<const std::string_view> animations;
};

inline constexpr sPlayedAnimations kPlayedAnimations[] = {
    {3, kKidAnimations},        {8, kFairyAnimations},  {13, kGhostAnimations},  {14, kGhostAnimations},
    {15, kGhostAnimations},     {21, kMagicianAnimations}, {23, kJackAnimations}, {24, kWitchAnimations},
    {51, kBossAnimations},      {52, kHammerAnimations}, {54, kHammerAnimations}, {47, kSpikeAnimations},
    {50, kSpikeAnimations},
};

// ---- Resources named outright ------------------------------------------------

inline constexpr std::string_view kStandardMaterial = "StandardMat";
inline constexpr std::string_view kShadowMaterial = "ShadowMat";
inline constexpr std::string_view kShadowPreprocessMaterial = "ShadowPreprocessMat";
inline constexpr std::string_view kParticleMaterial = "ParticleMat";
inline constexpr std::string_view kBillboardLampMaterial = "BillboardLampMat";
inline constexpr std::string_view kHaloTextureSet = "LightHalo";
// The mesh whose decorations lie tilted in the grass.
inline constexpr std::string_view kGhostMesh = "GhostMesh";
// The mesh a floor tile layer places on every cell.
inline constexpr std::string_view kTileMesh = "cubeMesh";

inline constexpr std::string_view kSkyBoxDirectory = "./GameData/Textures/Game/skybox/";
inline constexpr std::string_view kSkyBoxFile = "blacksky.tga";

// Particle systems: each draws with the material and texture set of its own name.
inline constexpr std::string_view kParticleSystems[] = {
    "AuraPTS",       "PoofPTS",       "SlashedPTS", "SplatterPTS",   "PossessSplatterPTS", "ExplodePTS",
    "SpawnPTS",      "BossTargetPTS", "CollectPTS", "KeyCollectPTS", "CratePTS",           "PixieDustPTS",
    "RingPTS",       "WalkPTS",       "LockedDoorPTS", "KeyPTS",     "Effect_Fog",         "Effect_Rain",
    "Effect_Splatter", "PlayTestPlayer", "PlayTestEnemy",
};

// ---- GUI ---------------------------------------------------------------------

inline constexpr std::string_view kGuiFolder = "./GameData/XML_Game/";
// The layouts the screens load; every texture set they name must exist.
inline constexpr std::string_view kGuiLayouts[] = {"AchievementLayout.xml", "GUIGallery.xml", "GameGUI.xml",
                                                   "MainMenuGUI.xml"};
// Texture sets the GUI code names outright: the cursor and the editable text box.
inline constexpr std::string_view kCursorTextureSet = "MouseCursorTS";
inline constexpr std::string_view kTextboxTextureSet = "textboxTS";

// ---- Cutscenes and splash screens ---------------------------------------------

// The picture stories: every texture set an element of the file names must exist.
inline constexpr std::string_view kCutsceneFile = "GameData/XML_Game/Cutscenes/cutscenes.xml";
// The stories tell of the first level and of the game's end.
inline constexpr std::string_view kShippedStories[] = {"Level0", "Final"};
// Texture sets the stories and the splash screens name outright.
inline constexpr std::string_view kBlackOverlayTextureSet = "BlackOverlayTS";
inline constexpr std::string_view kCutsceneFrameTextureSet = "CutsceneOverlayTS";
inline constexpr std::string_view kStudioLogoTextureSet = "TessaryLogoTS";
inline constexpr std::string_view kTeamLogoTextureSet = "TeamLogoTS";
inline constexpr std::string_view kScreenTextureSets[] = {kBlackOverlayTextureSet, kCutsceneFrameTextureSet,
                                                          kStudioLogoTextureSet, kTeamLogoTextureSet};

}  // namespace Game::Content
