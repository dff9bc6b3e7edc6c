// tessor-analyse: replays the computer player's decisions and whole games between computers.
// Requests come on standard input, one JSON object a line; each gets one answer line on
// standard output, flushed at once so that a caller can talk to the tool line by line.
// --help and --version answer without reading the input; any other argument is refused.
#include "analyse.h"
#include "entree.h"

#include <iostream>
#include <string>

namespace {
// The request kinds are listed with their handlers, and documented, field by field, in
// docs/analyse.md.
const char* const AIDE_DEBUT = R"(Utilisation : tessor-analyse [--help | --version]

Rejoue les décisions de l'ordinateur de Tessor et des parties entières entre
ordinateurs. Lit une requête JSON par ligne sur l'entrée standard et écrit une
ligne de réponse JSON pour chacune sur la sortie standard, aussitôt ; les lignes
vides sont ignorées, une requête fautive reçoit {"erreur": "..."}.

Requêtes (champ "requete") :
)";

const char* const AIDE_FIN = R"(
Options :
  -h, --help        affiche cette aide et quitte
      --version     affiche la version et quitte

Exemple, une partie entre les niveaux 3 et 1 sur un plateau de 6 x 6 :
  echo '{"requete":"partie","largeur":6,"hauteur":6,"cavalier":false,"niveaux":[3,1]}' \
    | tessor-analyse

Champs, limites, exemples et erreurs : docs/analyse.md, dans les sources de Tessor.
)";

// Exit status of a command line the tool does not understand, as usual for command-line tools.
constexpr int ERREUR_UTILISATION = 2;

int refuse(const char* nature, const std::string& argument) {
    std::cerr << "tessor-analyse : " << nature << " « " << argument << " »\n"
              << "Les requêtes se lisent sur l'entrée standard ; voir « tessor-analyse --help ».\n";
    return ERREUR_UTILISATION;
}

int repond_a_l_option(int argc, char** argv) {
    if (argc > 2) {
        return refuse("argument en trop", argv[2]);
    }
    const std::string option = argv[1];
    if (option == "--help" || option == "-h") {
        std::cout << AIDE_DEBUT << tessor::analyse::liste_des_requetes() << AIDE_FIN;
        return 0;
    }
    if (option == "--version") {
        std::cout << "tessor-analyse " TESSOR_VERSION "\n";
        return 0;
    }
    return refuse(option.rfind('-', 0) == 0 ? "option inconnue" : "argument inattendu", option);
}
} // namespace

int main(int argc, char** argv) {
    if (argc > 1) {
        return repond_a_l_option(argc, argv);
    }
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
