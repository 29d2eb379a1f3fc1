#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "skin/data/little_endian.h"
#include "skin/data/skin_archive_writer.h"
#include "skin/data/skin_reader.h"
#include "skin/data/skin_stream.h"
#include "text/gbk.h"
#include "tools/skintool/file_io.h"
#include "tools/skintool/skintool_cli.h"

#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace {

namespace fs = std::filesystem;
using TBytes = std::vector<std::uint8_t>;

const std::string kSkins = std::string(RILVANTA_TESTDATA_DIR) + "/skins/";

struct TRun {
  int Status;
  std::string Out;
  std::string Err;
};

TRun RunTool(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = skintool::RunSkinTool(args, out, err);
  return {status, out.str(), err.str()};
}

// A fresh folder per test, removed afterwards.
class SkinTool : public testing::Test {
 protected:
  void SetUp() override {
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    scratch_ = fs::temp_directory_path() /
               (std::string("skintool-") + test->name() + "-" + std::to_string(std::random_device()()));
    fs::create_directories(scratch_);
  }
  void TearDown() override { fs::remove_all(scratch_); }

  std::string Scratch(const std::string& name) const {
    return skintool::Utf8FromPath(scratch_ / skintool::PathFromUtf8(name));
  }

  void WriteFile(const std::string& name, const std::string& content) const {
    skintool::WriteNewFileBytes(skintool::PathFromUtf8(Scratch(name)), TBytes(content.begin(), content.end()));
  }

  std::string WriteArchive(const std::vector<skin::TSkinEntry>& entries) const {
    const std::string path = Scratch("made.skn");
    skintool::WriteNewFileBytes(skintool::PathFromUtf8(path), skin::ComposeSkinArchive(entries));
    return path;
  }

  skin::TSkinReader LoadFile(const std::string& path) const {
    skin::TSkinReader reader;
    EXPECT_TRUE(reader.LoadArchive(skintool::ReadFileBytes(skintool::PathFromUtf8(path))));
    return reader;
  }

  fs::path scratch_;
};

std::size_t LineCount(const std::string& text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST_F(SkinTool, ASkinFileIsReadAsOneEvenWhenItsSizeWouldFitASkinStreamValue) {
  // Bytes after the compressed stream are never read, so padding the file until
  // its first 4 bytes count the rest leaves a skin file the program loads.
  const std::string archive = WriteArchive({{"a.bmp", TBytes(4000, 7)}, {"s.ini", {'[', 'x', ']'}}});
  TBytes bytes = skintool::ReadFileBytes(skintool::PathFromUtf8(archive));
  ASSERT_LT(bytes.size(), 4000u);
  bytes.resize(4 + static_cast<std::size_t>(skin::ReadInt32Le(bytes, 0)));
  ASSERT_TRUE(skin::LooksLikeSkinStream(bytes));
  skintool::WriteNewFileBytes(scratch_ / "padded.skn", bytes);

  const TRun run = RunTool({"info", Scratch("padded.skn")});
  EXPECT_EQ(run.Status, 0) << run.Err;
  EXPECT_NE(run.Out.find("read as: skin file\n"), std::string::npos) << run.Out;
  EXPECT_NE(run.Out.find("entries: 2\n"), std::string::npos) << run.Out;
}

TEST_F(SkinTool, InfoSaysWhichLayerWasReadAndDescribesTheArchive) {
  for (const auto& [file, layer] :
       {std::pair{"sample.skn", "skin file"}, std::pair{"sample.skinstream", "SkinStream value"}}) {
    const TRun run = RunTool({"info", kSkins + file});
    EXPECT_EQ(run.Status, 0);
    EXPECT_NE(run.Out.find(std::string("read as: ") + layer + "\n"), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find("version: 20000\n"), std::string::npos);
    EXPECT_NE(run.Out.find("declared decompressed size: 23522\nactual decompressed size: 23522\n"), std::string::npos);
    EXPECT_NE(run.Out.find("entries: 10\n"), std::string::npos);
    EXPECT_NE(run.Out.find("skin name: Sample Gray\n"), std::string::npos);
  }
}

TEST_F(SkinTool, ListGivesNameTabSizeInArchiveOrder) {
  const TRun run = RunTool({"list", kSkins + "sample.skinstream"});
  EXPECT_EQ(run.Status, 0);
  EXPECT_TRUE(run.Out.starts_with("left.bmp\t534\nright.bmp\t534\ntop.bmp\t1462\n"));
  EXPECT_TRUE(run.Out.ends_with("edge.bmp\t3126\nleft.bmp\t70\nsample.ini\t692\n"));
  EXPECT_EQ(LineCount(run.Out), 10u);
  EXPECT_NE(run.Err.find("SkinStream value"), std::string::npos);
}

TEST_F(SkinTool, ExtractWritesTheFirstEntryOfTheName) {
  const TRun run = RunTool({"extract", kSkins + "sample.skn", "Left.BMP", Scratch("left.bmp")});
  EXPECT_EQ(run.Status, 0) << run.Err;
  EXPECT_EQ(skintool::ReadFileBytes(scratch_ / "left.bmp").size(), 534u);

  const TRun missing = RunTool({"extract", kSkins + "sample.skn", "nothing.bmp", Scratch("x")});
  EXPECT_EQ(missing.Status, 2);
  EXPECT_NE(missing.Err.find("nothing.bmp"), std::string::npos);
  EXPECT_FALSE(fs::exists(scratch_ / "x"));
}

TEST_F(SkinTool, UnpackThenPackGivesEveryReachableEntryInOrder) {
  ASSERT_EQ(RunTool({"unpack", kSkins + "sample.skinstream", Scratch("dir")}).Status, 0);
  const TRun pack = RunTool({"pack", Scratch("dir"), Scratch("again.skn")});
  ASSERT_EQ(pack.Status, 0) << pack.Err;

  const skin::TSkinReader original = LoadFile(kSkins + "sample.skn");
  const skin::TSkinReader again = LoadFile(Scratch("again.skn"));
  // The second left.bmp, which no lookup reaches, is the one entry left out.
  ASSERT_EQ(again.EntryCount(), original.EntryCount() - 1);
  for (std::size_t i = 0, j = 0; i < original.EntryCount(); ++i) {
    if (i == 8) continue;
    EXPECT_EQ(again.Names()[j], original.Names()[i]);
    EXPECT_TRUE(std::ranges::equal(again.Entry(j), original.Entry(i)));
    ++j;
  }
}

TEST_F(SkinTool, UnpackNamesTheUnreachableDuplicate) {
  const TRun run = RunTool({"unpack", kSkins + "sample.skn", Scratch("dir")});
  EXPECT_EQ(run.Status, 0);
  EXPECT_NE(run.Err.find("entry 9 'left.bmp'"), std::string::npos) << run.Err;
  EXPECT_NE(run.Out.find("unpacked 9 entries"), std::string::npos) << "the count is of files written: " << run.Out;
  EXPECT_EQ(skintool::ReadFileBytes(scratch_ / "dir" / "left.bmp").size(), 534u);
}

TEST_F(SkinTool, UnpackWritesAnEntryWithoutANameUnderAMadeUpOne) {
  const std::string archive = WriteArchive({{"fine.bmp", {1}}, {"", {2, 3}}, {"fine.bmp", {4}}, {"s.ini", {}}});
  const TRun run = RunTool({"unpack", archive, Scratch("dir")});
  ASSERT_EQ(run.Status, 0) << run.Err;
  EXPECT_NE(run.Out.find("unpacked 3 entries"), std::string::npos) << run.Out;
  EXPECT_NE(run.Err.find("entry 2 has an empty name"), std::string::npos) << run.Err;
  EXPECT_EQ(skintool::ReadFileBytes(scratch_ / "dir" / "unnamed-entry-2"), (TBytes{2, 3}));
  // No lookup reaches it, so packing the folder leaves it out, as it does the repeated name.
  const TBytes order = skintool::ReadFileBytes(scratch_ / "dir" / "order.txt");
  EXPECT_EQ(std::string(order.begin(), order.end()), "fine.bmp\ns.ini\n");
}

TEST_F(SkinTool, UnpackNeverWritesThroughALinkInTheFolder) {
  WriteFile("outside.txt", "keep");
  fs::create_directories(scratch_ / "dir");
  std::error_code error;
  fs::create_symlink(scratch_ / "outside.txt", scratch_ / "dir" / "fine.bmp", error);
  if (error) GTEST_SKIP() << "no symbolic links here: " << error.message();
  fs::create_symlink(scratch_ / "created.txt", scratch_ / "dir" / "s.ini");  // a link to nothing yet

  const std::string archive = WriteArchive({{"fine.bmp", {1}}, {"s.ini", {2}}});
  const TRun run = RunTool({"unpack", archive, Scratch("dir")});
  EXPECT_EQ(run.Status, 2);
  EXPECT_NE(run.Err.find("symbolic link"), std::string::npos) << run.Err;
  EXPECT_EQ(skintool::ReadFileBytes(scratch_ / "outside.txt"), TBytes({'k', 'e', 'e', 'p'}));
  EXPECT_FALSE(fs::exists(scratch_ / "created.txt"));
  EXPECT_FALSE(fs::exists(scratch_ / "dir" / "order.txt"));
}

// Links and names outside the folder are never read, so nothing of the files
// they reach (here a secret first line) ends in an archive or a message.
TEST_F(SkinTool, PackReadsOnlyPlainFilesOfItsFolder) {
  WriteFile("outside.txt", "first line of a secret\n");
  struct TFolder {
    const char* What;
    std::vector<std::pair<std::string, std::string>> Files;  // name, content
    std::string Link;                                        // a name in the folder linking to outside.txt
  };
  const std::vector<TFolder> folders = {
      {"a picture that is a link", {{"s.ini", "[x]"}}, "a.bmp"},
      {"an order.txt that is a link", {{"s.ini", "[x]"}}, "order.txt"},
      {"order.txt naming a link", {{"s.ini", "[x]"}, {"order.txt", "s.ini\nlinked.dat\n"}}, "linked.dat"},
      {"order.txt naming a file outside", {{"s.ini", "[x]"}, {"order.txt", "s.ini\n../outside.txt\n"}}, ""},
  };
  for (const TFolder& folder : folders) {
    SCOPED_TRACE(folder.What);
    fs::remove_all(scratch_ / "dir");
    fs::create_directories(scratch_ / "dir");
    for (const auto& [name, content] : folder.Files) WriteFile("dir/" + name, content);
    std::error_code error;
    if (!folder.Link.empty()) fs::create_symlink(scratch_ / "outside.txt", scratch_ / "dir" / folder.Link, error);
    if (error) GTEST_SKIP() << "no symbolic links here: " << error.message();
    const TRun pack = RunTool({"pack", Scratch("dir"), Scratch("out.skn")});
    EXPECT_EQ(pack.Status, 2);
    EXPECT_EQ(pack.Err.find("secret"), std::string::npos) << pack.Err;
    EXPECT_FALSE(fs::exists(scratch_ / "out.skn"));
  }
}

#ifndef _WIN32
// A file size limit stands for a full disk: the write fails part of the way.
TEST_F(SkinTool, PackAndExtractReplaceTheirTargetWholeOrNotAtAll) {
  ASSERT_EQ(RunTool({"unpack", kSkins + "sample.skn", Scratch("dir")}).Status, 0);
  WriteFile("out.skn", "old archive");
  WriteFile("left.bmp", "old picture");
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  const rlimit small{100, limit.rlim_max};
  setrlimit(RLIMIT_FSIZE, &small);
  const TRun pack = RunTool({"pack", Scratch("dir"), Scratch("out.skn")});
  const TRun extract = RunTool({"extract", kSkins + "sample.skn", "left.bmp", Scratch("left.bmp")});
  setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, SIG_DFL);
  for (const TRun& run : {pack, extract}) {
    EXPECT_EQ(run.Status, 2);
    EXPECT_NE(run.Err.find("cannot be written"), std::string::npos) << run.Err;
  }
  EXPECT_EQ(skintool::ReadFileBytes(scratch_ / "out.skn"),
            TBytes({'o', 'l', 'd', ' ', 'a', 'r', 'c', 'h', 'i', 'v', 'e'}));
  EXPECT_EQ(skintool::ReadFileBytes(scratch_ / "left.bmp").size(), 11u);
  std::vector<std::string> left;
  for (const fs::directory_entry& entry : fs::directory_iterator(scratch_)) left.push_back(entry.path().filename());
  std::ranges::sort(left);
  EXPECT_EQ(left, (std::vector<std::string>{"dir", "left.bmp", "out.skn"})) << "no temporary file stays";
}
#endif

TEST_F(SkinTool, ControlCharactersOfNamesReachTheTerminalEscaped) {
  const std::string archive = WriteArchive({{"red\x1B[31m\\x.bmp", {1}}, {"s.ini", {}}});
  const TRun list = RunTool({"list", archive});
  EXPECT_EQ(list.Status, 0);
  EXPECT_TRUE(list.Out.starts_with("red\\x1B[31m\\\\x.bmp\t1\n")) << list.Out;
  const TRun unpack = RunTool({"unpack", archive, Scratch("dir")});
  EXPECT_EQ(unpack.Status, 2);
  EXPECT_EQ(unpack.Err.find('\x1B'), std::string::npos) << unpack.Err;
}

// An output that cannot be written, as standard output into a full disk.
class TFullBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST_F(SkinTool, OutputThatCannotBeWrittenEndsWithStatus1) {
  for (const char* command : {"info", "list"}) {
    TFullBuffer full;
    std::ostream out(&full);
    std::ostringstream err;
    EXPECT_EQ(skintool::RunSkinTool({command, kSkins + "sample.skn"}, out, err), 1) << command;
    EXPECT_TRUE(err.str().ends_with("skintool: cannot write the output\n")) << err.str();
  }
}

TEST_F(SkinTool, PackWithoutOrderTakesBitmapsByNameThenTheSettingsText) {
  WriteFile("a.ini", "[TitlebarSkin]\nSkinName=Made\n");
  WriteFile("b.bmp", "BM b");
  WriteFile("A2.BMP", "BM a2");
  WriteFile("c.bmp", "BM c");
  WriteFile("draw.py", "print('not packed')");
  WriteFile("notes.txt", "not packed");
  const TRun pack = RunTool({"pack", skintool::Utf8FromPath(scratch_), Scratch("out.skn")});
  ASSERT_EQ(pack.Status, 0) << pack.Err;
  const skin::TSkinReader reader = LoadFile(Scratch("out.skn"));
  EXPECT_EQ(reader.Names(), (std::vector<std::string>{"a2.bmp", "b.bmp", "c.bmp", "a.ini"}));
  EXPECT_EQ(RunTool({"info", Scratch("out.skn")}).Out.find("skin name: Made\n") != std::string::npos, true);
}

TEST_F(SkinTool, PackFollowsOrderTxt) {
  WriteFile("z.bmp", "zz");
  WriteFile("s.ini", "[x]");
  WriteFile("m.dat", "data");
  WriteFile("order.txt", "\xEF\xBB\xBFs.ini\r\nz.bmp\r\n\r\nm.dat\r\n");
  ASSERT_EQ(RunTool({"pack", skintool::Utf8FromPath(scratch_), Scratch("out.skn")}).Status, 0);
  EXPECT_EQ(LoadFile(Scratch("out.skn")).Names(), (std::vector<std::string>{"s.ini", "z.bmp", "m.dat"}));

  WriteFile("order.txt", "z.bmp\ngone.bmp\n");
  const TRun missing = RunTool({"pack", skintool::Utf8FromPath(scratch_), Scratch("out2.skn")});
  EXPECT_EQ(missing.Status, 2);
  EXPECT_NE(missing.Err.find("gone.bmp"), std::string::npos);

  WriteFile("order.txt", "../z.bmp\n");
  EXPECT_EQ(RunTool({"pack", skintool::Utf8FromPath(scratch_), Scratch("out3.skn")}).Status, 2);
}

TEST_F(SkinTool, PackRefusesAFolderWithoutExactlyOneSettingsText) {
  WriteFile("b.bmp", "BM");
  const TRun none = RunTool({"pack", skintool::Utf8FromPath(scratch_), Scratch("out.skn")});
  EXPECT_EQ(none.Status, 2);
  EXPECT_NE(none.Err.find("0 settings texts"), std::string::npos);
  WriteFile("one.ini", "");
  WriteFile("two.INI", "");
  EXPECT_EQ(RunTool({"pack", skintool::Utf8FromPath(scratch_), Scratch("out.skn")}).Status, 2);
}

TEST_F(SkinTool, ChineseNamesTravelAsGbkInsideAndUtf8Outside) {
  const std::string gbkName = text::Utf8ToGbk("皮肤.bmp");
  const std::string archive = WriteArchive({{gbkName, {1, 2, 3}}, {"skin.ini", {}}});
  const TRun list = RunTool({"list", archive});
  EXPECT_TRUE(list.Out.starts_with("皮肤.bmp\t3\n")) << list.Out;

  // Wine maps file names through the host's locale; without a UTF-8 one it
  // cannot create this name at all.
  if (!std::ofstream(scratch_ / skintool::PathFromUtf8("探针"))) GTEST_SKIP() << "no Chinese file names here";
  const TRun unpack = RunTool({"unpack", archive, Scratch("dir")});
  ASSERT_EQ(unpack.Status, 0) << unpack.Err;
  EXPECT_EQ(skintool::ReadFileBytes(scratch_ / "dir" / skintool::PathFromUtf8("皮肤.bmp")), (TBytes{1, 2, 3}));
  ASSERT_EQ(RunTool({"pack", Scratch("dir"), Scratch("again.skn")}).Status, 0);
  EXPECT_EQ(LoadFile(Scratch("again.skn")).Names()[0], gbkName);
}

TEST_F(SkinTool, UnpackRefusesNamesThatAreNoPlainFileNames) {
  for (const std::string name : {"../evil.bmp", "sub/x.bmp", "c:x.bmp", "..", "order.txt", "tail.", "nul.bmp",
                                 "CON.ini", "aux", "Com1.bmp", "lpt9.txt", "prn .bmp"}) {
    SCOPED_TRACE(name);
    const std::string archive = WriteArchive({{"fine.bmp", {1}}, {name, {2}}});
    const TRun run = RunTool({"unpack", archive, Scratch("dir")});
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(LineCount(run.Err), 1u);
    EXPECT_NE(run.Err.find("entry 2"), std::string::npos) << run.Err;
    EXPECT_FALSE(fs::exists(scratch_ / "dir" / "fine.bmp"));
    EXPECT_FALSE(fs::exists(scratch_ / "evil.bmp"));
  }
}

TEST_F(SkinTool, BadInputEndsWithOneLineAndStatus2) {
  WriteFile("garbage.skn", "no skin at all, just text");
  WriteFile("short.skn", "ab");
  const TBytes stream =
      skin::WriteSkinStream(skintool::ReadFileBytes(skintool::PathFromUtf8(kSkins + "oldversion.skn")));
  skintool::WriteNewFileBytes(scratch_ / "old.skinstream", stream);
  TBytes cut = skintool::ReadFileBytes(skintool::PathFromUtf8(kSkins + "sample.skn"));
  cut.resize(cut.size() - 200);
  skintool::WriteNewFileBytes(scratch_ / "cut.skn", cut);
  // Sparse: a gigabyte that takes no room, refused by its size alone.
  skintool::WriteNewFileBytes(scratch_ / "huge.skn", {});
  fs::resize_file(scratch_ / "huge.skn", std::uintmax_t{1} << 30);
  fs::create_directories(scratch_ / "huge");
  skintool::WriteNewFileBytes(scratch_ / "huge" / "s.ini", {});
  skintool::WriteNewFileBytes(scratch_ / "huge" / "big.bmp", {});
  fs::resize_file(scratch_ / "huge" / "big.bmp", std::uintmax_t{65} << 20);
  const std::vector<std::vector<std::string>> commands = {
      {"info", Scratch("missing.skn")},
      {"info", Scratch("garbage.skn")},
      {"list", Scratch("short.skn")},
      {"info", kSkins + "oldversion.skn"},
      {"unpack", Scratch("old.skinstream"), Scratch("dir")},
      {"unpack", Scratch("cut.skn"), Scratch("dir")},
      {"info", Scratch("huge.skn")},
      {"pack", Scratch("huge"), Scratch("out.skn")},
      {"pack", Scratch("no-such-folder"), Scratch("out.skn")},
      {"info"},
      {"frobnicate", "x"},
  };
  for (const std::vector<std::string>& command : commands) {
    SCOPED_TRACE(command[0] + (command.size() > 1 ? " " + command[1] : ""));
    const TRun run = RunTool(command);
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(LineCount(run.Err), 1u) << run.Err;
    EXPECT_TRUE(run.Out.empty());
  }
  EXPECT_NE(RunTool({"info", kSkins + "oldversion.skn"}).Err.find("19999"), std::string::npos);
  EXPECT_NE(RunTool({"info", Scratch("old.skinstream")}).Err.find("SkinStream value"), std::string::npos);
  EXPECT_NE(RunTool({"info", Scratch("cut.skn")}).Err.find("ends before the declared size"), std::string::npos);
  EXPECT_FALSE(fs::exists(scratch_ / "dir"));
  EXPECT_NE(RunTool({"info", Scratch("huge.skn")}).Err.find(": 1073741824 bytes"), std::string::npos);
  EXPECT_NE(RunTool({"pack", Scratch("huge"), Scratch("out.skn")}).Err.find(": 68157440 bytes"), std::string::npos);
  EXPECT_EQ(RunTool({"info", Scratch("missing.skn")}).Err, "skintool: " + Scratch("missing.skn") + ": no such file\n")
      << "the file is named once";
}

TEST_F(SkinTool, VersionIsTheProjectsOnOneLine) {
  const TRun run = RunTool({"--version"});
  EXPECT_EQ(run.Status, 0);
  EXPECT_EQ(run.Out, "skintool " RILVANTA_EXPECTED_VERSION "\n");
  EXPECT_TRUE(run.Err.empty());
  EXPECT_EQ(RunTool({"--version", "extra"}).Status, 2);
}

}  // namespace
