// The swept box test: first contact of two moving boxes within a frame.

#include <gtest/gtest.h>

#include "engine/physics/BoxOperations.h"

namespace PhysicsTests {
namespace {

using Engine::AABB;
using Engine::Vector3;

// Values the test must leave alone when the boxes meet at once.
constexpr float kUnsetTime = -7;
constexpr std::int32_t kUnsetAxis = -7;

struct SweptCase {
    const char* label;
    AABB b;
    Vector3 velocity_a, velocity_b;
    float duration;
    bool hit;
    float time;  // expected time, or kUnsetTime when nothing is written
    std::int32_t axis;
};

const AABB kA{{0, 0, 0}, {1, 1, 1}};

const SweptCase kCases[] = {
    {"both still, apart", {{2, 0, 0}, {3, 1, 1}}, {}, {}, 1, false, kUnsetTime, kUnsetAxis},
    {"both still, overlapping", {{0.5f, 0.5f, 0.5f}, {1.5f, 1.5f, 1.5f}}, {}, {}, 1, true, kUnsetTime, kUnsetAxis},
    {"both still, touching faces", {{1, 0, 0}, {2, 1, 1}}, {}, {}, 1, true, kUnsetTime, kUnsetAxis},
    {"overlapping and moving", {{0.5f, 0, 0}, {1.5f, 1, 1}}, {}, {-1, 0, 0}, 1, true, kUnsetTime, kUnsetAxis},
    {"touching and separating still meets at 0", {{1, 0, 0}, {2, 1, 1}}, {}, {1, 0, 0}, 1, true, kUnsetTime,
     kUnsetAxis},
    {"B closes a gap of 2 at 4 per second", {{3, 0, 0}, {4, 1, 1}}, {}, {-4, 0, 0}, 1, true, 0.5f, 0},
    {"the same gap closes after the frame", {{3, 0, 0}, {4, 1, 1}}, {}, {-4, 0, 0}, 0.4f, false, kUnsetTime,
     kUnsetAxis},
    {"A moving towards B is the same contact", {{3, 0, 0}, {4, 1, 1}}, {4, 0, 0}, {}, 1, true, 0.5f, 0},
    {"both moving, closing at 4", {{3, 0, 0}, {4, 1, 1}}, {2, 0, 0}, {-2, 0, 0}, 1, true, 0.5f, 0},
    {"moving apart", {{3, 0, 0}, {4, 1, 1}}, {}, {4, 0, 0}, 1, false, kUnsetTime, kUnsetAxis},
    {"B below moving further down", {{0, -3, 0}, {1, -2, 1}}, {}, {0, -1, 0}, 5, false, kUnsetTime, kUnsetAxis},
    {"entry along y", {{0, 3, 0}, {1, 4, 1}}, {}, {0, -2, 0}, 2, true, 1, 1},
    {"entry along z", {{0, 0, -4}, {1, 1, -3}}, {}, {0, 0, 3}, 2, true, 1, 2},
    {"x and y enter together: x reported", {{2, 2, 0}, {3, 3, 1}}, {}, {-1, -1, 0}, 5, true, 1, 0},
    {"y enters after x: y reported", {{2, 3, 0}, {3, 4, 1}}, {}, {-1, -1, 0}, 5, true, 2, 1},
    {"passing by above", {{3, 3, 0}, {4, 4, 1}}, {}, {-1, 0, 0}, 10, false, kUnsetTime, kUnsetAxis},
    {"crossing x while y has already left", {{3, 0, 0}, {4, 1, 1}}, {}, {-4, 3, 0}, 1, false, kUnsetTime,
     kUnsetAxis},
    {"zero-size box approaching", {{3, 0.5f, 0.5f}, {3, 0.5f, 0.5f}}, {}, {-4, 0, 0}, 1, true, 0.5f, 0},
};

TEST(SweptBoxTest, FirstContactWithinTheFrame) {
    for (const SweptCase& c : kCases) {
        float time = kUnsetTime;
        std::int32_t axis = kUnsetAxis;
        EXPECT_EQ(Engine::SweptBoxTest(kA, c.velocity_a, c.b, c.velocity_b, c.duration, time, axis), c.hit) << c.label;
        EXPECT_FLOAT_EQ(time, c.time) << c.label;
        EXPECT_EQ(axis, c.axis) << c.label;
    }
}

}  // namespace
}  // namespace PhysicsTests
