// The test program's environment: OpenAL Soft records to a wave file of this
// process (so tests run in parallel never share one), with its messages
// silenced. OpenAL Soft reads its configuration once, at its first call, so
// this is set before any test runs.

#include <gtest/gtest.h>

#include <cstdlib>  // setenv
#include <memory>

#include "tests/engine/audio/AudioTestSupport.h"
#include "tests/support/TempDir.h"

namespace AudioTest {
namespace {

class AudioEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        folder = std::make_unique<TestSupport::TempDir>();
        Output() = folder->File("output.wav");
        const std::string config = folder->Write(
            "alsoft.conf", "[general]\ndrivers = wave\nsample-type = int16\nchannels = mono\nfrequency = " +
                               std::to_string(kOutputRate) + "\n[wave]\nfile = " + Output() + "\n");
        setenv("ALSOFT_CONF", config.c_str(), 1);
        setenv("ALSOFT_DRIVERS", "wave", 1);
        setenv("ALSOFT_LOGLEVEL", "0", 1);
    }
    void TearDown() override { folder.reset(); }

    static std::string& Output() {
        static std::string path;
        return path;
    }

private:
    std::unique_ptr<TestSupport::TempDir> folder;
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new AudioEnvironment);

}  // namespace

const std::string& OutputPath() {
    return AudioEnvironment::Output();
}

}  // namespace AudioTest
