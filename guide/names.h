// The names of what the star field shows: each catalogue entry identified
// with the real star or point of the sky at its place.
#pragma once

#include <string_view>

namespace pelmora {

// The name of the entry at `place` (1, 2, ...) of the catalogue's group
// `label`; empty for an entry the catalogue does not have.
std::string_view entry_name(int label, int place);

}  // namespace pelmora
