#include "base/safe_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "test_util.h"

namespace tessel {
namespace {

using Names = std::vector<std::string>;

TEST(SafeFile, WritesReplacesAndMakesFoldersOnRequest) {
  test::TempDir dir;
  const std::string path = dir.File("backup.tsl");
  std::string error;
  const std::string first("first\0contents that are longer", 30);
  ASSERT_TRUE(WriteFileSafely(path, first.data(), first.size(), &error)) << error;
  EXPECT_EQ(test::ReadText(path), first);
  ASSERT_TRUE(WriteFileSafely(path, "2nd", 3, nullptr));
  EXPECT_EQ(test::ReadText(path), "2nd");
  ASSERT_TRUE(WriteFileSafely(path, "", 0, nullptr));
  EXPECT_EQ(test::ReadText(path), "");
  EXPECT_EQ(dir.Entries(), Names{"backup.tsl"});

  // The file gets the usual permissions, not the private ones of a temporary file.
  const mode_t mask = ::umask(022);
  ASSERT_TRUE(WriteFileSafely(path, "x", 1, nullptr));
  ::umask(mask);
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0644u);

  const std::string nested = dir.File("a/b/Tessel.ini");
  EXPECT_FALSE(WriteFileSafely(nested, "k=1", 3, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(std::filesystem::exists(dir.File("a")));
  ASSERT_TRUE(WriteFileSafely(nested, "k=1", 3, &error, /*createDirs=*/true)) << error;
  EXPECT_EQ(test::ReadText(nested), "k=1");
}

TEST(SafeFile, FailedWriteLeavesTheOldTargetIntact) {
  test::TempDir dir;
  std::string error;
  // The target is a folder: the rename fails and the folder keeps its contents.
  const std::string folder = dir.File("project.tsl");
  std::filesystem::create_directory(folder);
  test::WriteText(folder + "/inside", "old");
  EXPECT_FALSE(WriteFileSafely(folder, "new", 3, &error));
  EXPECT_NE(error.find(folder), std::string::npos) << error;
  EXPECT_EQ(test::ReadText(folder + "/inside"), "old");

  // A full disk, stood in for by a file size limit, stops the write halfway.
  const std::string doc = dir.File("doc.tsl");
  test::WriteText(doc, "old");
  const std::string big(256 * 1024, 'x');
  struct rlimit old {};
  ::getrlimit(RLIMIT_FSIZE, &old);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit limit = old;
  limit.rlim_cur = 64 * 1024;
  ::setrlimit(RLIMIT_FSIZE, &limit);
  const bool saved = WriteFileSafely(doc, big.data(), big.size(), &error);
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(saved);
  EXPECT_EQ(test::ReadText(doc), "old");
  EXPECT_EQ(dir.Entries(), (Names{"doc.tsl", "project.tsl"}));  // no temporary file left
}

}  // namespace
}  // namespace tessel
