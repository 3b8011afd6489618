#pragma once
// cInputScript: scripted input for tests and tools (the --input FILE option).
//
// A script lists input events by frame. Inject(frame) pushes that frame's
// events onto SDL's event queue, so the next UpdateInput dispatches them
// through the window procedure exactly like real input. Frames count from 1,
// the first frame of the process. One event per line, words separated by
// blanks:
//
//   # comment lines and blank lines are ignored
//   <frame> keydown <vk>        vk: decimal or 0x-hex virtual-key code
//   <frame> keyup <vk>
//   <frame> move <x> <y>        client coordinates
//   <frame> buttondown <b>      b: 0 left, 1 right, 2 middle
//   <frame> buttonup <b>
//   <frame> wheel <delta>       Windows wheel delta: +120 one notch away from
//                               the user, -120 towards; a non-zero multiple of 120
//   <frame> close               the window's close button
//
// A record written by --record starts with the comment line
//   # brambleby record: --seed <n> --fixed-dt <s> [--state <name>]
// naming the options its replay needs; RecordedOptions gives them back.
//
// A key must be one the key table maps (VirtualKeys.h); the generic Shift,
// Ctrl and Alt (0x10 to 0x12) are sent as their left keys. Lines may come in
// any frame order; the events of one frame are pushed in file order. A
// malformed line is logged as "Error: <path>:<line>: <reason>" and skipped.

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

namespace Engine {

class cInputScript {
public:
    enum class eAction { KeyDown, KeyUp, Move, ButtonDown, ButtonUp, Wheel, Close };

    // The words that open a record's header comment, after "# ".
    static constexpr const char* kRecordHeader = "brambleby record:";

    // One scripted event: its frame, what happens and up to two numbers
    // (key, button, wheel delta, or x and y).
    struct Event {
        unsigned frame = 0;
        eAction action = eAction::Close;
        int32_t first = 0;
        int32_t second = 0;
    };

    // Reads a script file, replacing any events held. False, with a log line,
    // only when the file cannot be read; malformed lines are logged and skipped.
    bool Load(const std::string& path);
    // Parses a script from a stream; name stands for the file in log lines.
    // False only when the stream fails while reading.
    bool Parse(std::istream& input, const std::string& name);
    // Pushes the events of one frame onto SDL's event queue, in file order.
    void Inject(unsigned frame) const;
    // One event as the script line Parse reads back (no line break); keys in hex.
    static std::string FormatLine(const Event& event);
    // Pushes one event onto SDL's event queue as a device would; logs when
    // SDL refuses it. Players other than scripts (a test's bot) use it too.
    static void Push(const Event& event);

    // Every event held, ordered by frame and, within a frame, by file order.
    const std::vector<Event>& Events() const { return events; }
    // The last frame with an event; 0 for an empty script.
    unsigned LastFrame() const;
    // The options of a record's header line ("--seed 7 --fixed-dt 0.0166666675");
    // empty when the script has no such line.
    const std::string& RecordedOptions() const { return recorded_options; }
    // The malformed lines the last Load or Parse skipped.
    unsigned SkippedLineCount() const { return skipped_lines; }

private:
    // Parses one line into events; false with a reason for a malformed line.
    bool ParseLine(const std::string& line, std::string& reason);
    // Keeps the options of a record's header comment.
    void ReadComment(const std::string& line);

    std::vector<Event> events;
    std::string recorded_options;
    unsigned skipped_lines = 0;
};

}  // namespace Engine
