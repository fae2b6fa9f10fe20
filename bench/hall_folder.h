#pragma once
// A data folder as a big hall leaves it before the draw: "compl110.cds"
// gives cards 10,001..120,000 random numbers valid in every column, and
// every card of the bank is validated, in batches of 100.

#include <filesystem>

namespace tavelao::bench {

// Writes the two tables into `folder` (which must exist).
void MakeHallFolder(const std::filesystem::path& folder);

// A hall folder made once for the process, under the temporary folder, and
// removed at exit. Copy it before running anything that takes its lock.
const std::filesystem::path& HallFolder();

}  // namespace tavelao::bench
