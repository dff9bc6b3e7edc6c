// The reference record, checked by an independent referee, replayed exactly: reference/analyse.tsv
// holds requests and answers, a tab apart (decisions on random positions, every level, depths 0
// to 24, both movements, sizes 3 to 12, and whole games); reference/fenetre.txt scripted sessions
// of the window model, each "> action" followed by what changed on screen and the questions.
// After a deliberate change of behaviour, and only then, record anew and review the diff:
//   TESSOR_ENREGISTRE=1 build/tests/test_reference
#include "analyse.h"
#include "scenario.h"

#include <QtTest>

#include <fstream>

namespace {

std::vector<std::string> lignes_de(const std::string& nom) {
    std::ifstream fichier(std::string(TESSOR_REFERENCE) + "/" + nom);
    std::vector<std::string> lignes;
    for (std::string l; std::getline(fichier, l);) {
        lignes.push_back(l);
    }
    return lignes;
}

// Compares what the program gives now with the record, line by line, or records it.
void compare(const std::string& nom, const std::vector<std::string>& obtenu) {
    if (qEnvironmentVariableIsSet("TESSOR_ENREGISTRE")) {
        std::ofstream fichier(std::string(TESSOR_REFERENCE) + "/" + nom);
        for (const std::string& l : obtenu) {
            fichier << l << '\n';
        }
        return;
    }
    const std::vector<std::string> attendu = lignes_de(nom);
    QVERIFY2(attendu.size() > 10, nom.c_str());
    for (std::size_t k = 0; k < std::max(attendu.size(), obtenu.size()); ++k) {
        const std::string a = k < attendu.size() ? attendu[k] : "(fin)";
        const std::string o = k < obtenu.size() ? obtenu[k] : "(fin)";
        QVERIFY2(a == o, qPrintable(QStringLiteral("%1, ligne %2\nattendu : %3\nobtenu  : %4")
                                        .arg(nom.c_str())
                                        .arg(k + 1)
                                        .arg(a.c_str(), o.c_str())));
    }
}

} // namespace

class TestReference : public QObject {
    Q_OBJECT

  private slots:
    void the_analysis_tool_gives_the_recorded_answers() {
        std::vector<std::string> obtenu;
        for (const std::string& l : lignes_de("analyse.tsv")) {
            const std::string requete = l.substr(0, l.find('\t'));
            obtenu.push_back(requete + '\t' + tessor::analyse::traite_requete(requete));
        }
        compare("analyse.tsv", obtenu);
    }

    void the_window_model_shows_the_recorded_states() {
        std::vector<std::string> obtenu;
        tessor::Scenario scenario;
        for (const std::string& l : lignes_de("fenetre.txt")) {
            if (l.rfind("> ", 0) != 0) {
                continue;
            }
            obtenu.push_back(l);
            const std::vector<std::string> changements = scenario.joue(l.substr(2));
            obtenu.insert(obtenu.end(), changements.begin(), changements.end());
        }
        compare("fenetre.txt", obtenu);
    }
};

QTEST_GUILESS_MAIN(TestReference)
#include "test_reference.moc"
