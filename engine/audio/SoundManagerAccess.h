#pragma once
// The process-wide sound manager. Unlike the other engine services it is not
// created on first use: start-up creates it only when the configured sound
// kind is 1, and with any other kind there is none, so every caller tests
// GetSoundManager() for null. Tests may install a manager of their own.
// Only one manager with an open output may exist at a time, since OpenAL's
// current context belongs to the whole process.

#include <memory>

namespace Engine {

class iSoundManager;

// The sound manager, or null when there is none.
iSoundManager* GetSoundManager();
// Creates the OpenAL sound manager and initialises it (start-up, sound kind 1).
void CreateSoundManager();
// Makes manager the process-wide one, destroying any earlier one.
void InstallSoundManager(std::unique_ptr<iSoundManager> manager);
// Destroys the sound manager (engine shut-down); GetSoundManager answers null afterwards.
void DestroySoundManager();

}  // namespace Engine
