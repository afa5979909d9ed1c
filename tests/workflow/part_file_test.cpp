#include "workflow/part_file.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/file_contents.h"
#include "support/temporary_folder.h"

namespace vantrel {
namespace {

TEST(PartFile, ReplacesTheFinalFileOnlyWhenCommitted) {
    test::TemporaryFolder folder;
    const auto target = folder.path() / "a.mp3";
    std::ofstream(target) << "old";
    {
        PartFile file(target);
        ASSERT_TRUE(file.Open());
        ASSERT_TRUE(file.Write("new "));
        ASSERT_TRUE(file.Write("bytes"));
        EXPECT_EQ(test::FileContents(target), "old");
        EXPECT_TRUE(std::filesystem::exists(folder.path() / "a.mp3.part"));
        ASSERT_TRUE(file.Commit());
    }
    EXPECT_EQ(test::FileContents(target), "new bytes");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "a.mp3.part"));
}

TEST(PartFile, LeavesNothingBehindWhenAbandoned) {
    test::TemporaryFolder folder;
    const auto target = folder.path() / "a.mp3";
    std::ofstream(target) << "old";
    {
        PartFile file(target);
        ASSERT_TRUE(file.Open());
        ASSERT_TRUE(file.Write("half"));
    }
    EXPECT_EQ(test::FileContents(target), "old");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "a.mp3.part"));
}

TEST(PartFile, ExplainsWhyItCannotBeCreated) {
    PartFile file("/nonexistent-folder/a.mp3");
    EXPECT_FALSE(file.Open());
    EXPECT_NE(file.error().find("No such file or directory"), std::string::npos) << file.error();
}

}  // namespace
}  // namespace vantrel
