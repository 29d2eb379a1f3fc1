#include "tools/skintool/skintool_cli.h"

#include <functional>
#include <map>
#include <stdexcept>

#include "identity/version.h"
#include "skin/data/skin_archive_writer.h"
#include "tools/output_failure.h"
#include "tools/skintool/entry_files.h"
#include "tools/skintool/file_io.h"
#include "tools/skintool/pack_entries.h"
#include "tools/skintool/skin_input.h"
#include "tools/skintool/skin_report.h"
#include "tools/skintool/tool_error.h"

namespace skintool {

namespace {

using TArgs = std::vector<std::string>;

constexpr const char* kUsage =
    "usage: skintool info FILE | list FILE | extract FILE NAME OUT | unpack FILE DIR | pack DIR OUT | --version";

// ReadFileBytes names the file in its own errors; those of the archive get its name here.
TLoadedSkin LoadSkinFile(const std::string& file) {
  const std::vector<std::uint8_t> bytes = ReadFileBytes(PathFromUtf8(file), skin::kMaxSkinFileSize);
  try {
    return LoadSkin(bytes);
  } catch (const TToolError& error) {
    throw TToolError(file + ": " + error.what());
  }
}

void ReadAs(const TLoadedSkin& skin, const std::string& file, std::ostream& log) {
  log << "read " << file << " as a " << LayerName(skin.Layer) << '\n';
}

void Info(const TArgs& args, std::ostream& out, std::ostream&) { PrintInfo(LoadSkinFile(args[1]), out); }

// The entry lines alone on standard output, for scripts.
void List(const TArgs& args, std::ostream& out, std::ostream& err) {
  const TLoadedSkin skin = LoadSkinFile(args[1]);
  ReadAs(skin, args[1], err);
  PrintList(skin, out);
}

void Extract(const TArgs& args, std::ostream& out, std::ostream&) {
  const TLoadedSkin skin = LoadSkinFile(args[1]);
  ReadAs(skin, args[1], out);
  const std::vector<std::uint8_t> bytes = ExtractNamed(skin.Reader, args[2]);
  WriteNewFileBytes(PathFromUtf8(args[3]), bytes);
  out << "wrote " << args[2] << " (" << bytes.size() << " bytes) to " << args[3] << '\n';
}

void Unpack(const TArgs& args, std::ostream& out, std::ostream& err) {
  const TLoadedSkin skin = LoadSkinFile(args[1]);
  ReadAs(skin, args[1], out);
  const std::size_t written = UnpackTo(skin.Reader, PathFromUtf8(args[2]), err);
  out << "unpacked " << written << " entries into " << args[2] << '\n';
}

void Pack(const TArgs& args, std::ostream& out, std::ostream&) {
  const std::vector<skin::TSkinEntry> entries = CollectPackEntries(PathFromUtf8(args[1]));
  std::vector<std::uint8_t> archive;
  try {
    archive = skin::ComposeSkinArchive(entries);
  } catch (const std::invalid_argument& error) {
    throw TToolError(std::string("cannot pack: ") + error.what());
  }
  WriteNewFileBytes(PathFromUtf8(args[2]), archive);
  out << "packed " << entries.size() << " entries into " << args[2] << " (" << archive.size() << " bytes)\n";
}

void Version(const TArgs&, std::ostream& out, std::ostream&) { out << "skintool " RILVANTA_VERSION "\n"; }

struct TCommand {
  std::size_t ArgumentCount;
  std::function<void(const TArgs&, std::ostream&, std::ostream&)> Run;
};

const std::map<std::string, TCommand>& Commands() {
  static const std::map<std::string, TCommand> commands = {
      {"info", {2, Info}},     {"list", {2, List}}, {"extract", {4, Extract}},
      {"unpack", {3, Unpack}}, {"pack", {3, Pack}}, {"--version", {1, Version}},
  };
  return commands;
}

}  // namespace

int RunSkinTool(const TArgs& args, std::ostream& out, std::ostream& err) {
  const auto command = args.empty() ? Commands().end() : Commands().find(args[0]);
  if (command == Commands().end() || args.size() != command->second.ArgumentCount) {
    err << kUsage << '\n';
    return kExitBadInput;
  }
  try {
    command->second.Run(args, out, err);
    if (out.flush()) return 0;
    err << tools::OutputFailedLine("skintool");
    return tools::kExitOutputFailed;
  } catch (const TToolError& error) {
    err << "skintool: " << error.what() << '\n';
  } catch (const std::exception& error) {
    err << "skintool: " << error.what() << '\n';
  }
  return kExitBadInput;
}

}  // namespace skintool
