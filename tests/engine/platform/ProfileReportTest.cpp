// The profile report's exact layout, from a registry filled with section
// times measured on a counter moved by hand, and its place in the profile log.

#include <gtest/gtest.h>

#include <string>

#include "engine/core/cLog.h"
#include "engine/platform/cProfileRegistry.h"
#include "engine/platform/cSectionTimer.h"
#include "tests/engine/platform/ManualCounter.h"
#include "tests/support/TempDir.h"

namespace {

const std::string kRule = std::string(64, '-') + "\n";
const std::string kFixedHead = "Time per frame:\n" + kRule + "  Ave(ms)  |  Min(ms)  |  Max(ms)  |  Profile Name\n" + kRule;

class ProfileReportTest : public ::testing::Test {
protected:
    ProfileReportTest() { Engine::cProfileRegistry::Destroy(); }
    ~ProfileReportTest() override { Engine::cProfileRegistry::Destroy(); }

    // Times counts on the manual counter and adds the interval as a sample.
    void Sample(const std::string& name, int64_t counts, int32_t depth) {
        Engine::cSectionTimer timer(counter);
        timer.Start();
        counter.Advance(counts);
        timer.Stop();
        registry().AddSample(name, static_cast<float>(timer.Elapsed()), depth);
    }

    static Engine::cProfileRegistry& registry() { return Engine::cProfileRegistry::Instance(); }

    ManualCounter counter;
};

TEST_F(ProfileReportTest, AnEmptyRegistryGivesOnlyTheFixedLines) {
    EXPECT_EQ(registry().ComposeProfileReport(), kFixedHead + kRule + "\n\n");
}

TEST_F(ProfileReportTest, RowsRoundMillisecondsUpAndIndentByDepthInRegistrationOrder) {
    // 1024 counts per second: 3 counts = 2.9296875 ms, 1 = 0.9765625 ms, 8 = 7.8125 ms.
    Sample("Frame", 3, 0);
    Sample("Physics", 1, 1);
    Sample("Frame", 8, 0);
    Sample("Collision", 2048, 2);
    Sample("Physics", 1, 1);

    const std::string expected = kFixedHead +
                                 "  6    |  3    |  8    |  Frame\n"
                                 "  1    |  1    |  1    |     Physics\n"
                                 "  2000    |  2000    |  2000    |        Collision\n" +
                                 kRule + "\n\n" +
                                 "Profile \"Frame\" takes a total of 0.0107422 seconds.\n"
                                 "   Profile \"Physics\" takes a total of 0.00195312 seconds.\n"
                                 "      Profile \"Collision\" takes a total of 2 seconds.\n";
    EXPECT_EQ(registry().ComposeProfileReport(), expected);
}

TEST_F(ProfileReportTest, RecordsKeepTotalExtremesCountAndTheFirstDepth) {
    Sample("Render", 16, 0);
    Sample("Render", 4, 3);
    Sample("Render", 64, 0);
    const Engine::cProfileRecord* record = registry().Find("Render");
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->total_time, 84.0f / 1024.0f);
    EXPECT_EQ(record->min_time, 4.0f / 1024.0f);
    EXPECT_EQ(record->max_time, 64.0f / 1024.0f);
    EXPECT_EQ(record->sample_count, 3u);
    EXPECT_EQ(record->depth, 0);
    EXPECT_EQ(registry().Find("Unknown"), nullptr);
}

TEST_F(ProfileReportTest, TheReportIsOneMessageOfTheProfileLog) {
    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory in_dir(dir.Path());
    dir.Write("profileLog.log", "a previous run's report\n");
    Engine::cLog::Destroy();
    Sample("Frame", 1, 0);
    registry().WriteProfileReport();
    Engine::cLog::Instance().Close();
    Engine::cLog::Destroy();
    EXPECT_EQ(TestSupport::ReadFile(dir.File("profileLog.log")), registry().ComposeProfileReport() + "\n");
}

}  // namespace
