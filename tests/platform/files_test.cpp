#include <gtest/gtest.h>

#include <string>

#include "capture/tool_deployment.h"
#include "platform/files.h"
#include "support/test_support.h"

namespace {

class FileOperations : public ::testing::Test {
protected:
    void SetUp() override {
        folder = binFolder() + "\\files-test";
        removeTree(folder);
        CreateDirectoryA(folder.c_str(), nullptr);
    }
    void TearDown() override { removeTree(folder); }
    std::string in(const char* name) const { return folder + "\\" + name; }
    std::string folder;
};

}  // namespace

TEST_F(FileOperations, FileExistsForFilesFoldersAndMatchingWildcards) {
    ASSERT_TRUE(writeWholeFile(in("shot.png"), "x"));
    CreateDirectoryA(in("sub").c_str(), nullptr);
    struct Row {
        std::string path;
        bool exists;
    };
    const Row rows[] = {
        {in("shot.png"), true},  {in("sub"), true},          {in("*.png"), true}, {in("s?ot.*"), true},
        {in("*.jpg"), false},    {in("missing.txt"), false}, {in("nowhere\\x"), false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path);
        EXPECT_EQ(fileExists(row.path.c_str()), row.exists);
    }
}

TEST_F(FileOperations, WriteFileWritesExactlyTheBlocks) {
    const std::string path = in("out.bin");
    struct Row {
        const char* name;
        std::string before;  // existing content, or empty for none
        std::vector<std::string> blocks;
        std::string after;
    };
    const Row rows[] = {
        {"no blocks: an empty file", "", {}, ""},
        {"zero-length blocks are skipped", "", {"", "ab", "", "c"}, "abc"},
        {"a longer existing file is replaced whole", "0123456789", {"xy"}, "xy"},
        {"no blocks empty an existing file", "0123456789", {}, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DeleteFileA(path.c_str());
        if (!row.before.empty()) {
            ASSERT_TRUE(writeWholeFile(path, row.before));
        }
        std::vector<ByteBlock> blocks;
        for (const std::string& block : row.blocks)
            blocks.push_back({block.data(), static_cast<uint32_t>(block.size())});
        EXPECT_TRUE(writeFile(path.c_str(), blocks.data(), blocks.size()));
        EXPECT_TRUE(fileExists(path.c_str()));
        EXPECT_EQ(readWholeFile(path), row.after);
    }
}

TEST_F(FileOperations, WriteFileRefusesWhatItCannotCreate) {
    const char block[] = "data";
    EXPECT_FALSE(writeFile("", {{block, 4}}));
    EXPECT_FALSE(writeFile(nullptr, {{block, 4}}));
    EXPECT_FALSE(writeFile(in("missing\\out.bin").c_str(), {{block, 4}}));
    EXPECT_FALSE(fileExists(in("missing").c_str()));  // no folder is made

    // A file that another handle holds open without sharing stays as it was.
    const std::string held = in("held.bin");
    ASSERT_TRUE(writeWholeFile(held, "original"));
    {
        UniqueHandle other(CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(other.valid());
        EXPECT_FALSE(writeFile(held.c_str(), {{block, 4}}));
    }
    EXPECT_EQ(readWholeFile(held), "original");
}

namespace {

// Stands in for a disk that fills up part-way: half the image is written.
bool failingHalfway(const char* path, const ByteBlock* blocks, size_t) {
    const ByteBlock half = {blocks[0].data, blocks[0].size / 2};
    writeFile(path, &half, 1);
    return false;
}

}  // namespace

TEST_F(FileOperations, DeploymentWritesTheImageOnlyWhenNothingIsThere) {
    const std::string path = in("tool.exe");
    const std::string image = "MZ pretend image";
    const ByteBlock block = {image.data(), static_cast<uint32_t>(image.size())};

    deployCaptureTool(path.c_str(), block, writeFile);
    EXPECT_EQ(readWholeFile(path), image);

    // Something of that name stays untouched, a different file or a folder.
    ASSERT_TRUE(writeWholeFile(path, "another program"));
    deployCaptureTool(path.c_str(), block, writeFile);
    EXPECT_EQ(readWholeFile(path), "another program");
    DeleteFileA(path.c_str());
    CreateDirectoryA(path.c_str(), nullptr);
    deployCaptureTool(path.c_str(), block, writeFile);
    EXPECT_EQ(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY, DWORD(FILE_ATTRIBUTE_DIRECTORY));
}

TEST_F(FileOperations, AFailedDeploymentLeavesNoPartialFile) {
    const std::string path = in("tool.exe");
    const std::string image(4096, 'T');
    deployCaptureTool(path.c_str(), {image.data(), static_cast<uint32_t>(image.size())}, failingHalfway);
    EXPECT_FALSE(fileExists(path.c_str()));
    // The next start tries again.
    deployCaptureTool(path.c_str(), {image.data(), static_cast<uint32_t>(image.size())}, writeFile);
    EXPECT_EQ(readWholeFile(path), image);
}
