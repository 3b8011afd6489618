// Decoding a start chunk by chunk: the whole file once, or endlessly for a
// looped sound, with no gap or repeat at the seam, and failures that end the
// start with one line to report.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/audio/cSoundFile.h"
#include "engine/audio/cStreamJob.h"
#include "tests/engine/audio/AudioTestSupport.h"
#include "tests/support/TempDir.h"

namespace {

using Engine::cStreamJob;

std::vector<int16_t> ReadWhole(const std::string& path) {
    Engine::cSoundFile file;
    EXPECT_TRUE(file.Open(path)) << path;
    std::vector<int16_t> samples;
    while (file.Read(samples, 4096, false) > 0) {
    }
    return samples;
}

class StreamJobTest : public ::testing::Test {
protected:
    TestSupport::TempDir dir;
};

TEST_F(StreamJobTest, APlainStartDeliversTheFileOnceAndEnds) {
    const std::string path = dir.File("tone.wav");
    ASSERT_TRUE(AudioTest::WriteTone(path, AudioTest::kWav, 0.3));
    const std::vector<int16_t> file = ReadWhole(path);
    cStreamJob job(path, false, false);
    std::vector<int16_t> streamed;
    for (int i = 0; i < 20 && !job.Ended(); ++i) {
        std::vector<int16_t> chunk = job.NextChunk();
        EXPECT_LE(chunk.size(), static_cast<size_t>(cStreamJob::ChunkFrames(AudioTest::kOutputRate)));
        streamed.insert(streamed.end(), chunk.begin(), chunk.end());
    }
    EXPECT_TRUE(job.Ended());
    EXPECT_EQ(streamed, file);
    EXPECT_TRUE(job.NextChunk().empty());
    EXPECT_EQ(job.TakeFailure(), "");
}

TEST_F(StreamJobTest, ALoopedStartRunsOnPastTheEndWithoutASeam) {
    const std::string path = dir.File("short.ogg");
    ASSERT_TRUE(AudioTest::WriteTone(path, AudioTest::kOgg, 0.02));
    const std::vector<int16_t> file = ReadWhole(path);
    ASSERT_FALSE(file.empty());
    cStreamJob job(path, true, false);
    std::vector<int16_t> streamed;
    for (int i = 0; i < 6; ++i) {
        std::vector<int16_t> chunk = job.NextChunk();
        EXPECT_EQ(chunk.size(), static_cast<size_t>(cStreamJob::ChunkFrames(AudioTest::kOutputRate))) << i;
        streamed.insert(streamed.end(), chunk.begin(), chunk.end());
    }
    EXPECT_FALSE(job.Ended());
    ASSERT_GT(streamed.size(), file.size() * 10) << "many passes of the file";
    for (size_t i = 0; i < streamed.size(); ++i) ASSERT_EQ(streamed[i], file[i % file.size()]) << "sample " << i;
}

TEST_F(StreamJobTest, ChannelsAreKeptForTwoDAndAveragedForMono) {
    const std::string path = dir.File("stereo.wav");
    ASSERT_TRUE(AudioTest::WriteConstant(path, 300, {1000, 3000}));
    cStreamJob kept(path, false, false);
    const std::vector<int16_t> stereo = kept.NextChunk();
    EXPECT_EQ(kept.Channels(), 2);
    ASSERT_EQ(stereo.size(), 600u);
    EXPECT_EQ(stereo[0], 1000);
    EXPECT_EQ(stereo[1], 3000);

    cStreamJob averaged(path, false, true);
    const std::vector<int16_t> mono = averaged.NextChunk();
    EXPECT_EQ(averaged.Channels(), 1);
    EXPECT_EQ(mono, std::vector<int16_t>(300, 2000));
}

TEST_F(StreamJobTest, MoreThanTwoChannelsBecomeMono) {
    const std::string path = dir.File("quad.wav");
    ASSERT_TRUE(AudioTest::WriteConstant(path, 100, {400, 800, 1200, 1600}));
    cStreamJob job(path, false, false);
    EXPECT_EQ(job.NextChunk(), std::vector<int16_t>(100, 1000));
    EXPECT_EQ(job.Channels(), 1);
}

TEST_F(StreamJobTest, AFileThatCannotBeOpenedEndsTheStartWithOneFailure) {
    cStreamJob job(dir.File("vanished.ogg"), true, false);
    EXPECT_TRUE(job.NextChunk().empty());
    EXPECT_TRUE(job.Ended());
    const std::string failure = job.TakeFailure();
    EXPECT_EQ(failure.rfind("Error: The sound file " + dir.File("vanished.ogg") + " cannot be opened", 0), 0u)
        << failure;
    EXPECT_EQ(job.TakeFailure(), "");
}

TEST_F(StreamJobTest, AnEmptyLoopedFileEndsInsteadOfSpinning) {
    const std::string path = dir.File("empty.wav");
    ASSERT_TRUE(AudioTest::WriteConstant(path, 0, {0}));
    cStreamJob job(path, true, false);
    EXPECT_TRUE(job.NextChunk().empty());
    EXPECT_TRUE(job.Ended());
}

}  // namespace
