#pragma once
// A loaded skin archive as the source of a skin's settings: its settings text
// is the first entry whose name contains ".ini", its pictures are the entries
// the text names.

#include "skin/data/entry_bitmap.h"
#include "skin/data/skin_reader.h"
#include "skin/data/skin_settings.h"

namespace skin {

// Looks pictures up in `reader`, which must outlive the lookup.
TEntryLookup ArchiveEntries(const TSkinReader& reader);

// Reads the archive's settings text into `skin`. False, with SkinEmpty true,
// when the archive holds no settings text. Throws EInvalidGraphic and
// ESkinTooLarge as ReadSkinSettings does.
bool ReadArchiveSettings(TSkinSettings& skin, const TSkinReader& reader, TSkinBudget& budget);
// The same with a budget of its own.
bool ReadArchiveSettings(TSkinSettings& skin, const TSkinReader& reader);

}  // namespace skin
