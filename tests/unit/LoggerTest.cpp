#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "runtime/CLogger.h"

namespace {
const std::string kHeader = "Kavor Engine version 0.03 log\nLogger started...\n";

class LoggerTest : public testing::Test {
protected:
    void TearDown() override { std::filesystem::remove(path); }
    std::string contents() const {
        std::ostringstream text;
        text << std::ifstream(path, std::ios::binary).rdbuf();
        return text.str();
    }
    const std::string path =
        (std::filesystem::temp_directory_path() / ("kavor_log_" + std::to_string(getpid()))).string();
};
}  // namespace

TEST_F(LoggerTest, WritesBannerFlushedEntriesAndClosingLine) {
    std::ofstream(path) << "left over from an earlier run\n";
    const std::string entries = "Init Camera 2D\n\n" + std::string("a\0b\n", 4);
    {
        CLogger logger(path);
        EXPECT_EQ(contents(), kHeader);  // truncated, banner already on disk
        testing::internal::CaptureStdout();
        logger.log("Init Camera 2D", true);
        logger.log("", false);
        logger.log(std::string("a\0b", 3), false);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "Init Camera 2D\n");
        EXPECT_EQ(contents(), kHeader + entries);  // each entry flushed at once
    }
    EXPECT_EQ(contents(), kHeader + entries + "Logger stopped...\n");
}

TEST(LoggerFailure, UnwritableFileLeavesAnEchoOnlyLogger) {
    testing::internal::CaptureStdout();
    {
        CLogger logger("no-such-directory/for/the.log");
        logger.log("still here", true);
        logger.log("dropped", false);
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Cannot create log file!\nstill here\n");
}
