#pragma once
// cInputRecorder: writes every input event the window procedure receives to
// a file in the scripted-input format (cInputScript), each with the frame it
// arrived in, so that the file given back as --input replays the run.
//
// The window hands each SDL event to Record before acting on it; real input,
// scripted input and events a test pushes all pass there alike. Only what
// the game acts on is written: mapped keys (key repeats as further key
// downs, as the keyboard state sees them), mouse moves in client
// coordinates, the left, right and middle buttons, whole wheel notches and
// the window's close. The file starts with comment lines the caller gives
// (the options a replay needs) and ends, on Close, with a comment naming the
// frames run. Every line is flushed as it is written, so a run that crashes
// still leaves its input behind.
//
// SDL appears here only as a forward declaration; the conversion lives in
// the .cpp.

#include <fstream>
#include <string>
#include <vector>

#include "engine/platform/cInputScript.h"

union SDL_Event;

namespace Engine {

class cInputRecorder {
public:
    // Creates (or empties) the file and writes each header line as a comment
    // ("# " in front). False, with a log line, when the file cannot be written.
    bool Open(const std::string& path, const std::vector<std::string>& header);
    // Ends the file with "# the run ended after <frames> frames" and closes it.
    void Close(unsigned frames);
    bool IsOpen() const { return file.is_open(); }

    // The frame the events that follow arrive in (frames count from 1).
    void SetFrame(unsigned new_frame) { frame = new_frame; }
    // Writes the event's script line when it is game input and a file is open.
    void Record(const SDL_Event& event);

    // The script event an SDL event stands for in a frame; false when the
    // game does not act on it (unmapped keys, other buttons, window moves...).
    static bool ToScriptEvent(const SDL_Event& event, unsigned frame, cInputScript::Event& out);

private:
    void WriteLine(const std::string& line);

    std::ofstream file;
    std::string path;
    unsigned frame = 1;
    bool write_failed = false;
};

}  // namespace Engine
