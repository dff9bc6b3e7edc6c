// Reading the request stream: bounded lines, so that a huge line costs no more memory than the
// longest request the tool accepts.
#pragma once

#include <cstddef>
#include <istream>
#include <string>

namespace tessor::analyse {

// The longest request line accepted; real requests are far shorter.
constexpr std::size_t LONGUEUR_MAX = 65536;

// Reads the next line without its end of line; characters beyond LONGUEUR_MAX + 1 are dropped,
// so an overlong line stays recognisable by its length. False at the end of the input when no
// character was read.
bool lit_ligne(std::istream& entree, std::string& ligne);

// True for a line of blanks only: such lines carry no request.
bool est_vide(const std::string& ligne);

} // namespace tessor::analyse
