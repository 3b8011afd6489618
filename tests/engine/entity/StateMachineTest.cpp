// cStateMachine with cStateTemplate and cTriggerTemplate: callback order,
// trigger priority, transitions and teardown.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/entity/cStateMachine.h"

namespace EntityTests {
namespace {

using Journal = std::vector<std::string>;

// Journals every callback and answers conditions from flags the test sets.
// Machine: A --first--> B, A --second--> C, B --finish--> (none); C has no triggers.
class cOwner {
public:
    cOwner() {
        machine = std::make_unique<Engine::cStateMachine<cOwner>>(this);
        a = machine->AddState(&cOwner::PreA, &cOwner::EnterA, &cOwner::UpdateA, &cOwner::ExitA, &cOwner::PostA);
        b = machine->AddState(&cOwner::PreB, &cOwner::EnterB, &cOwner::UpdateB, &cOwner::ExitB, &cOwner::PostB);
        c = machine->AddState(&cOwner::PreC, &cOwner::EnterC, &cOwner::UpdateC, &cOwner::ExitC, &cOwner::PostC);
        a->AddTrigger(&cOwner::First, b);
        a->AddTrigger(&cOwner::Second, c);
        b->AddTrigger(&cOwner::Finish, nullptr);
    }

    void PreA() { log.push_back("A.pre"); }
    void EnterA() { log.push_back("A.enter"); }
    void UpdateA(float dt) {
        log.push_back("A.update " + std::to_string(static_cast<int>(dt * 1000)));
        if (first_after_update) first = true;
    }
    void ExitA() { log.push_back("A.exit"); }
    void PostA() { log.push_back("A.post"); }
    void PreB() { log.push_back("B.pre"); }
    void EnterB() { log.push_back("B.enter"); }
    void UpdateB(float) { log.push_back("B.update"); }
    void ExitB() { log.push_back("B.exit"); }
    void PostB() { log.push_back("B.post"); }
    void PreC() { log.push_back("C.pre"); }
    void EnterC() { log.push_back("C.enter"); }
    void UpdateC(float) { log.push_back("C.update"); }
    void ExitC() { log.push_back("C.exit"); }
    void PostC() { log.push_back("C.post"); }

    bool First() {
        log.push_back("first?");
        return first;
    }
    bool Second() {
        log.push_back("second?");
        return second;
    }
    bool Finish() {
        log.push_back("finish?");
        return finish;
    }

    Journal log;  // declared first: a machine destroyed with its owner still journals its exit
    std::unique_ptr<Engine::cStateMachine<cOwner>> machine;
    Engine::cStateTemplate<cOwner>* a = nullptr;
    Engine::cStateTemplate<cOwner>* b = nullptr;
    Engine::cStateTemplate<cOwner>* c = nullptr;
    bool first = false, second = false, finish = false, first_after_update = false;
};

struct StepCase {
    const char* label;
    bool first, second, first_after_update;
    Journal expected;
    char current;  // 'A', 'B' or 'C'
};

const StepCase kFirstSteps[] = {
    {"no condition holds", false, false, false, {"A.update 16", "first?", "second?"}, 'A'},
    {"only the first-added trigger holds", true, false, false,
     {"A.update 16", "first?", "A.exit", "A.post", "B.pre", "B.enter"}, 'B'},
    {"only the second trigger holds", false, true, false,
     {"A.update 16", "first?", "second?", "A.exit", "A.post", "C.pre", "C.enter"}, 'C'},
    {"both hold: the first-added wins, the source exits once", true, true, false,
     {"A.update 16", "first?", "A.exit", "A.post", "B.pre", "B.enter"}, 'B'},
    {"the condition sees what the update just wrote", false, false, true,
     {"A.update 16", "first?", "A.exit", "A.post", "B.pre", "B.enter"}, 'B'},
};

Engine::iState* StateNamed(cOwner& owner, char name) {
    return name == 'A' ? owner.a : name == 'B' ? static_cast<Engine::iState*>(owner.b) : owner.c;
}

TEST(StateMachineTest, OneStepRunsTheUpdateThenAtMostOneTransition) {
    for (const StepCase& step : kFirstSteps) {
        cOwner owner;
        owner.first = step.first;
        owner.second = step.second;
        owner.first_after_update = step.first_after_update;
        owner.machine->Start(owner.a);
        EXPECT_EQ(owner.log, Journal({"A.pre", "A.enter"})) << step.label;
        owner.log.clear();

        owner.machine->Update(0.016f);

        EXPECT_EQ(owner.log, step.expected) << step.label;
        EXPECT_EQ(owner.machine->GetCurrent(), StateNamed(owner, step.current)) << step.label;
    }
}

TEST(StateMachineTest, EnteredStateGetsItsFirstUpdateInTheNextStep) {
    cOwner owner;
    owner.first = true;
    owner.machine->Start(owner.a);
    owner.machine->Update(0.016f);
    owner.log.clear();

    owner.machine->Update(0.016f);

    EXPECT_EQ(owner.log, Journal({"B.update", "finish?"}));
}

TEST(StateMachineTest, NullTargetStopsTheMachineAndLaterUpdatesDoNothing) {
    cOwner owner;
    owner.first = true;
    owner.finish = true;
    owner.machine->Start(owner.a);
    owner.machine->Update(0.016f);
    owner.log.clear();

    owner.machine->Update(0.016f);
    EXPECT_EQ(owner.log, Journal({"B.update", "finish?", "B.exit", "B.post"}));
    EXPECT_EQ(owner.machine->GetCurrent(), nullptr);

    owner.log.clear();
    owner.machine->Update(0.016f);
    owner.machine.reset();  // no current state: nothing to exit
    EXPECT_TRUE(owner.log.empty());
}

TEST(StateMachineTest, StartWhileAnotherStateIsCurrentSkipsItsExit) {
    cOwner owner;
    owner.machine->Start(owner.a);
    owner.log.clear();
    owner.machine->Start(owner.c);
    EXPECT_EQ(owner.log, Journal({"C.pre", "C.enter"}));
    EXPECT_EQ(owner.machine->GetCurrent(), owner.c);
}

TEST(StateMachineTest, StateWithoutTriggersStaysCurrentAndUpdatesEveryStep) {
    cOwner owner;
    owner.machine->Start(owner.c);
    owner.log.clear();
    for (int i = 0; i < 3; ++i) owner.machine->Update(0.016f);
    EXPECT_EQ(owner.log, Journal({"C.update", "C.update", "C.update"}));
    EXPECT_EQ(owner.machine->GetCurrent(), owner.c);
}

TEST(StateMachineTest, DestroyingTheMachineExitsTheCurrentStateOnce) {
    cOwner owner;
    owner.machine->Start(owner.c);
    owner.log.clear();
    owner.machine.reset();
    EXPECT_EQ(owner.log, Journal({"C.exit", "C.post"}));
}

TEST(StateMachineTest, UpdateBeforeStartDoesNothing) {
    cOwner owner;
    owner.first = true;
    owner.machine->Update(0.016f);
    EXPECT_TRUE(owner.log.empty());
    EXPECT_EQ(owner.machine->GetCurrent(), nullptr);
}

TEST(StateMachineTest, TriggersGetOrdinalsInTheOrderAdded) {
    cOwner owner;
    ASSERT_EQ(owner.a->TriggerCount(), 2u);
    EXPECT_EQ(owner.a->TriggerAt(0)->GetId(), 0);
    EXPECT_EQ(owner.a->TriggerAt(1)->GetId(), 1);
    EXPECT_EQ(owner.a->TriggerAt(1)->GetTarget(), owner.c);
    EXPECT_EQ(owner.a->NextTriggerId(), 2);
    EXPECT_EQ(owner.b->TriggerAt(0)->GetId(), 0);
    EXPECT_EQ(owner.machine->StateCount(), 3u);
}

// An owner whose callbacks live in its second base class, so every call
// needs the this-adjustment that the member-function pointers carry.
struct cPadding {
    virtual ~cPadding() = default;
    double padding[3] = {};
};

struct cCallbacks {
    void Note() { log.push_back("note " + std::to_string(value)); }
    void Step(float) { log.push_back("step " + std::to_string(value)); }
    bool Done() { return value == 7; }
    int value = 7;
    Journal log;
};

struct cTwoBaseOwner : cPadding, cCallbacks {};

TEST(StateMachineTest, CallbacksOfASecondBaseClassReachTheRightObject) {
    cTwoBaseOwner owner;
    Engine::cStateMachine<cTwoBaseOwner> machine(&owner);
    auto* only = machine.AddState(&cTwoBaseOwner::Note, nullptr, &cTwoBaseOwner::Step, &cTwoBaseOwner::Note, nullptr);
    only->AddTrigger(&cTwoBaseOwner::Done, nullptr);

    machine.Start(only);
    machine.Update(0.016f);

    EXPECT_EQ(owner.log, Journal({"note 7", "step 7", "note 7"})) << "null callbacks are skipped";
    EXPECT_EQ(machine.GetCurrent(), nullptr);
}

}  // namespace
}  // namespace EntityTests
