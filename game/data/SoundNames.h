#pragma once
// SoundNames: every sound the game's code plays, by its name in the sound
// catalogue ("SoundData.xml"), in one place.
//
// The sound manager plays by name and ignores a name it does not know, so a
// misspelt or missing sound is silence, not an error. The code plays these
// constants, and the content test holds the shipped catalogue and sound files
// against them: every name here is catalogued, its file exists with its exact
// case and decodes, and the looped music is long enough to loop.
//
// Plain data only: no engine types, no platform includes.

#include <string_view>

namespace Game::Content {

// ---- Music ------------------------------------------------------------------

// Looped until stopped.
inline constexpr std::string_view kMainMenuMusic = "MainMenuBGSound";
inline constexpr std::string_view kLevelMusic = "BGSound";
inline constexpr std::string_view kBossMusic = "BossMusic";
inline constexpr std::string_view kChaseMusic = "ChaserMusic";
// Played once.
inline constexpr std::string_view kWinMusic = "WinMusic";
inline constexpr std::string_view kDeathMusic = "DeathMusic";
inline constexpr std::string_view kBossIntroMusic = "BossIntro";
// A challenge lasts 45 s and stops the level music; this plays through it.
inline constexpr std::string_view kChallengeMusic = "ChallengeSound";
inline constexpr std::string_view kFirstSplashSting = "TessaryEntry";
inline constexpr std::string_view kTeamSplashSting = "TeamEntry";

// ---- Effects and voices -----------------------------------------------------

inline constexpr std::string_view kSlashHitSound = "SlashMonster";
inline constexpr std::string_view kGhostHitSound = "GhostOnHit";
inline constexpr std::string_view kGhostDeathSound = "GhostDeath";
inline constexpr std::string_view kGhostBurstSound = "DumbDeath1";
inline constexpr std::string_view kGhostBurstSound2 = "DumbDeath2";
inline constexpr std::string_view kPossessSound = "DumbPossess";
inline constexpr std::string_view kSpawnSound = "spawn";
inline constexpr std::string_view kCollectSound = "CollectSound";
inline constexpr std::string_view kGrabSound = "PickSound";
inline constexpr std::string_view kDoorLockedSound = "DoorLock";
inline constexpr std::string_view kDoorOpenSound = "DoorOpen";
inline constexpr std::string_view kCrateBreakSound = "CrateBreak";
inline constexpr std::string_view kBombSound = "Bomb";
inline constexpr std::string_view kFootstepSound = "GirlWalk";
inline constexpr std::string_view kFootstepSound2 = "GirlWalk2";
// The one sound placed in the world: the stroke plays it at its own position.
inline constexpr std::string_view kFairySprinkleSound = "FairySprinkle";
inline constexpr std::string_view kLightsOnSound = "LightsOn";
inline constexpr std::string_view kButtonPressSound = "ButtonPress";
inline constexpr std::string_view kChaserSound = "ChaserSound";
inline constexpr std::string_view kChaserSound2 = "ChaserSound2";
inline constexpr std::string_view kShieldChaseSound = "ShieldChase";
inline constexpr std::string_view kEngineSound = "Engine";
inline constexpr std::string_view kBossDeathSound = "BossDie";
inline constexpr std::string_view kKidHurtVoice = "GirlHurt";
inline constexpr std::string_view kBossLaughVoice = "bosshaha";
inline constexpr std::string_view kBossLaughVoice2 = "bosshaha2";

// ---- The lists the content test walks ----------------------------------------

// Music the game plays looped: each file must be long enough to loop.
inline constexpr std::string_view kLoopedMusic[] = {kMainMenuMusic, kLevelMusic, kBossMusic, kChaseMusic};

// Music played once, beginning to end.
inline constexpr std::string_view kShortMusic[] = {kWinMusic,       kDeathMusic,       kBossIntroMusic,
                                                   kChallengeMusic, kFirstSplashSting, kTeamSplashSting};

// Effects and voices: short, never silent, never clipped.
inline constexpr std::string_view kEffectSounds[] = {
    kSlashHitSound,  kGhostHitSound,    kGhostDeathSound,     kGhostBurstSound,   kGhostBurstSound2,
    kPossessSound,   kSpawnSound,       kCollectSound,        kGrabSound,         kDoorLockedSound,
    kDoorOpenSound,  kCrateBreakSound,  kBombSound,           kFootstepSound,     kFootstepSound2,
    kFairySprinkleSound, kLightsOnSound, kButtonPressSound,   kChaserSound,       kChaserSound2,
    kShieldChaseSound, kEngineSound,    kBossDeathSound,      kKidHurtVoice,      kBossLaughVoice,
    kBossLaughVoice2,
};

// Sounds played at a place in the world ("Sound3D" in the catalogue); every other sound is "Sound2D".
inline constexpr std::string_view kPositionalSounds[] = {kFairySprinkleSound};

}  // namespace Game::Content
