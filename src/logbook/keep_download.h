#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "logbook/logbook.h"

// What became of a download offered to the logbook.
struct KeptDownload {
    bool alreadyKept = false;  // its memory image was in the logbook already (a replay of it)
    bool restored = false;     // and its file, deleted since, was written again
    ArchiveReport report;
};
// Keeps a complete download, or a memory image imported from elsewhere, unless that very
// image is kept already; a line saying what became of it, for the user, comes with it.
Result<KeptDownload> KeepDownload(Logbook& book, const std::vector<uint8_t>& image,
                                  const std::vector<BuiltFlight>& flights, FileTime receivedAt);
// "Kept in the logbook: 2 new flights, 1 already there." and the like.
std::string KeptText(const KeptDownload& kept);
