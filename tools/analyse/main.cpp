// tessor-analyse: replays the computer player's decisions and whole games between computers.
// Requests come on standard input, one JSON object a line; each gets one answer line on
// standard output, flushed at once so that a caller can talk to the tool line by line.
#include "analyse.h"
#include "entree.h"

#include <iostream>

int main() {
    std::ios::sync_with_stdio(false);
    std::string ligne;
    while (tessor::analyse::lit_ligne(std::cin, ligne)) {
        if (tessor::analyse::est_vide(ligne)) {
            continue;
        }
        std::cout << tessor::analyse::traite_requete(ligne) << std::endl;
    }
    return 0;
}
