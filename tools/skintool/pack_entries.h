#pragma once
// The entries `skintool pack` puts into an archive from a folder.

#include <filesystem>
#include <vector>

#include "skin/data/skin_archive_writer.h"

namespace skintool {

// The files named in dir/order.txt (one UTF-8 file name per line, in archive
// order) when it exists; otherwise every .bmp file of the folder sorted by
// name, then its one .ini file, the settings text. Other files are never
// packed. Entry names are the file names in GBK. Only plain files of the
// folder itself are read: a name with a path in order.txt, a symbolic link
// (order.txt included) or anything else is refused. Throws TToolError naming
// the problem (a missing file, a link, a name GBK cannot hold, no or several
// settings texts, too many entries).
std::vector<skin::TSkinEntry> CollectPackEntries(const std::filesystem::path& dir);

}  // namespace skintool
