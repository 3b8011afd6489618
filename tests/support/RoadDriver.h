#pragma once
// RoadDriver: a player for tests and benchmarks that takes the game's whole
// road from its start, through the real input path only: it passes the two
// splash screens with Escape, opens the level selection and clicks level 1,
// plays it with the playthrough bot, clicks Next on the results screen,
// watches the end state's cutscene and, back in the main menu, opens the
// level selection again and closes the window.
//
// Each frame, before the game's input step, it reads the game (the state
// manager's current state, the GUI's elements and the level manager) and
// pushes SDL events; it never writes the game. What it saw on the way is
// kept for the test to judge: which levels the menu offered each time, the
// rank pictures the results screen showed, and where the road went.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "engine/platform/cInputScript.h"
#include "tests/support/PlaythroughBot.h"

namespace TestSupport {

class RoadDriver {
public:
    // Seconds the driver waits on a screen before it acts: the curtains' opening and a little more.
    static constexpr float kSettleSeconds = 1.3f;

    // What the level selection offered on one visit: level button n is offered[n - 1].
    struct sLevelChoice {
        std::vector<bool> offered;
    };

    // One frame; dt is the frame's step and frame its number from 1.
    void Step(float dt, unsigned frame);

    // The state identifiers the road went through, each once per visit, in order.
    const std::vector<int32_t>& StatesVisited() const { return visited; }
    // Each visit to the level selection, in order.
    const std::vector<sLevelChoice>& LevelChoices() const { return choices; }
    // The rank pictures shown on the results screen: "Time", "Candy", "Skill", "Rank" to the
    // letter shown ("S" to "D"); a group with no letter or more than one shown maps to "?".
    const std::map<std::string, std::string>& RanksShown() const { return ranks; }
    // True once the window's close was pushed at the end of the road.
    bool Finished() const { return finished; }
    const PlaythroughBot& Bot() const { return bot; }

private:
    void Enter(int32_t state);
    void Splash();
    void MainMenu();
    void Results();
    void Play(float dt);
    void ReadLevelChoice();
    void ReadRanks();
    // Clicks the named element over the next three frames (move, press, release); false when it is not there.
    bool Click(const std::string& name);
    void RunPending();

    PlaythroughBot bot;
    std::vector<int32_t> visited;
    std::vector<sLevelChoice> choices;
    std::map<std::string, std::string> ranks;
    int32_t state = 0;
    float time_in_state = 0.0f;
    int step_in_state = 0;
    int menu_visits = 0;
    bool finished = false;
    // Events waiting for later frames: (frames from now, event).
    struct sPending {
        int delay;
        Engine::cInputScript::Event event;
    };
    std::vector<sPending> pending;
};

}  // namespace TestSupport
