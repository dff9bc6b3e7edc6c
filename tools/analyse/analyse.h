// The request handling of tessor-analyse, usable in-process.
#pragma once

#include <string>

namespace tessor::analyse {

// Answers one request line with one answer line (no end of line): the request's answer, or
// {"erreur": "..."} when the line is not a valid request.
std::string traite_requete(const std::string& ligne);

// The request kinds, one line each: two blanks, the name in a column of 18, what it answers.
std::string liste_des_requetes();

} // namespace tessor::analyse
