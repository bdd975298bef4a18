#pragma once

#include "quorvex/quorvex.hpp"

#include <vector>

// The catalogue's functions and constants as the interface lists them,
// made once and kept for the program's life, so that the C interface can
// hand out their texts.

namespace quorvex {

const std::vector<CatalogueEntry> &functionEntries();
const std::vector<CatalogueEntry> &constantEntries();

} // namespace quorvex
