// tessor-analyse: every request kind against answers worked out from the rules, whole games
// replayed and checked move by move, faulty requests, and the executable itself.
#include "analyse.h"
#include "entree.h"
#include "reponse.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QtTest>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <sstream>

using namespace tessor;
using namespace tessor::analyse;

namespace {
// Requests are written with ' for ", which keeps them readable inside C++ strings.
std::string json(std::string texte) {
    std::replace(texte.begin(), texte.end(), '\'', '"');
    return texte;
}

QJsonObject repond(const std::string& requete) {
    const std::string reponse = traite_requete(json(requete));
    QJsonParseError e{};
    const QJsonDocument d = QJsonDocument::fromJson(QByteArray::fromStdString(reponse), &e);
    if (e.error != QJsonParseError::NoError || !d.isObject()) {
        qWarning("answer is not a JSON object: %s", reponse.c_str());
        return {};
    }
    return d.object();
}

QJsonArray tableau_json(std::initializer_list<std::initializer_list<double>> rangees) {
    QJsonArray t;
    for (const auto& r : rangees) {
        QJsonArray rangee;
        for (double v : r) {
            rangee.append(v);
        }
        t.append(rangee);
    }
    return t;
}

QJsonArray xy(int x, int y) {
    return QJsonArray{x, y};
}

// An independent model of a board for replaying recorded games: the playing area only.
struct Plateau {
    int largeur;
    int hauteur;
    bool cavalier;
    QSet<QPair<int, int>> pris;

    bool libre(int x, int y) const {
        return x >= 3 && x <= largeur + 2 && y >= 3 && y <= hauteur + 2 && !pris.contains({x, y});
    }
    bool un_pas(int dx, int dy) const {
        const int a = std::abs(dx);
        const int b = std::abs(dy);
        return cavalier ? (a == 1 && b == 2) || (a == 2 && b == 1) : std::max(a, b) == 1;
    }
    bool bloque(QPair<int, int> p) const {
        for (int dx = -2; dx <= 2; ++dx) {
            for (int dy = -2; dy <= 2; ++dy) {
                if (un_pas(dx, dy) && libre(p.first + dx, p.second + dy)) {
                    return false;
                }
            }
        }
        return true;
    }
};

// Replays one recorded game: two placements, then a move and a wall per turn from player 0
// on, each legal on the board so far; the game must go on while both pawns can move, and its
// result must be what the final board says.
void verifie_partie(const QJsonObject& partie, int largeur, int hauteur, bool cavalier) {
    Plateau p{largeur, hauteur, cavalier, {}};
    QPair<int, int> pions[2];
    const QJsonArray coups = partie["coups"].toArray();
    QVERIFY2(coups.size() >= 2, "a game between computers that got past its start");
    QVERIFY(coups.size() % 2 == 0);
    for (int k = 0; k < coups.size(); ++k) {
        const QJsonArray c = coups[k].toArray();
        QCOMPARE(c.size(), 4);
        const QString action = c[0].toString();
        const int joueur = c[1].toInt();
        const QPair<int, int> cible{c[2].toInt(), c[3].toInt()};
        const int tour = (k - 2) / 2;
        QCOMPARE(action, k < 2 ? QStringLiteral("P") : k % 2 == 0 ? "D" : "M");
        QCOMPARE(joueur, k < 2 ? k : tour % 2);
        QVERIFY2(p.libre(cible.first, cible.second), "actions go to free squares only");
        if (action == "D") {
            QVERIFY(
                p.un_pas(cible.first - pions[joueur].first, cible.second - pions[joueur].second));
            p.pris.remove(pions[joueur]);
        }
        if (action != "M") {
            pions[joueur] = cible;
        }
        p.pris.insert(cible);
        const bool fin_de_tour = k == 1 || (k >= 2 && action == "M");
        if (fin_de_tour && k + 1 < coups.size()) {
            QVERIFY2(!p.bloque(pions[0]) && !p.bloque(pions[1]), "the game went on too long");
        }
    }
    const bool b0 = p.bloque(pions[0]);
    const bool b1 = p.bloque(pions[1]);
    QVERIFY2(b0 || b1, "the game stopped while both pawns could move");
    if (b0 && b1) {
        QCOMPARE(partie["resultat"].toString(), QStringLiteral("nul"));
        QVERIFY(partie["gagnant"].isNull());
    } else {
        QCOMPARE(partie["resultat"].toString(), QStringLiteral("gagne"));
        QCOMPARE(partie["gagnant"].toInt(-1), b0 ? 1 : 0);
    }
}

bool est_erreur(const QJsonObject& reponse) {
    return reponse.size() == 1 && !reponse["erreur"].toString().isEmpty();
}
} // namespace

class TestAnalyse : public QObject {
    Q_OBJECT

  private slots:
    // --- calcul_tab_dep ------------------------------------------------------------------------

    // 3 x 3 king board, centre (4, 4) walled: a corner sees itself and two edges (3), an edge
    // itself, two corners and two edges (5). One pass: a corner 3 + 5 + 5 = 13, an edge
    // 5 + 3 + 3 + 5 + 5 = 21.
    void king_table_counts_one_step_then_sums_neighbours_data() {
        QTest::addColumn<int>("maxtaille");
        QTest::addColumn<QJsonArray>("attendu");
        QTest::newRow("depth 0") << 0
                                 << tableau_json({{0, 0, 0, 0, 0},
                                                  {0, 3, 5, 3, 0},
                                                  {0, 5, 0, 5, 0},
                                                  {0, 3, 5, 3, 0},
                                                  {0, 0, 0, 0, 0}});
        QTest::newRow("depth 1") << 1
                                 << tableau_json({{0, 0, 0, 0, 0},
                                                  {0, 13, 21, 13, 0},
                                                  {0, 21, 0, 21, 0},
                                                  {0, 13, 21, 13, 0},
                                                  {0, 0, 0, 0, 0}});
    }
    void king_table_counts_one_step_then_sums_neighbours() {
        QFETCH(int, maxtaille);
        QFETCH(QJsonArray, attendu);
        const QJsonObject r =
            repond("{'requete':'calcul_tab_dep','largeur':3,'hauteur':3,'cavalier':false,"
                   "'lignes':['...','.#.','...'],'case':[4,4],'maxtaille':" +
                   std::to_string(maxtaille) + "}");
        QCOMPARE(r["tableau_dep"].toArray(), attendu);
        QCOMPARE(r["lignes"].toArray(), (QJsonArray{"...", ".#.", "..."}));
        QVERIFY(!r.contains("tirages"));
    }

    // Knight on the free corner (3, 3) of an empty 3 x 3 board: its targets (4, 5) and (5, 4)
    // each reach (3, 3) and one other corner. The computation leaves the square not free.
    void knight_table_marks_the_pawn_square_not_free() {
        const QJsonObject r =
            repond("{'requete':'calcul_tab_dep','largeur':3,'hauteur':3,'cavalier':true,"
                   "'lignes':['...','...','...'],'case':[3,3],'maxtaille':0,'graine':5}");
        QCOMPARE(r["tableau_dep"].toArray(), tableau_json({{0, 0, 0, 0, 0},
                                                           {0, 0, 0, 0, 0},
                                                           {0, 0, 0, 0, 0},
                                                           {0, 0, 0, 0, 2},
                                                           {0, 0, 0, 2, 0}}));
        QCOMPARE(r["lignes"].toArray(), (QJsonArray{"#..", "...", "..."}));
    }

    // --- place_casenoir ------------------------------------------------------------------------

    // Opponent in the corner (3, 3): (4, 3) and (3, 4) see five free squares, (4, 4) eight. The
    // single best square is walled even though it is next to the reference, without a draw.
    void single_best_square_is_walled_without_a_draw() {
        const QJsonObject r =
            repond("{'requete':'place_casenoir','largeur':3,'hauteur':3,'cavalier':false,"
                   "'lignes':['#..','...','...'],'casenoir':[3,3],'reference':[5,5],"
                   "'position_adverse':[3,3],'maxtaille':0,'graine':77}");
        QCOMPARE(r["casenoir"].toArray(), xy(4, 4));
        QCOMPARE(r["score"].toDouble(), 8.0);
        QCOMPARE(r["tirages"].toInt(-1), 0);
        QCOMPARE(r["reensemencements"].toInt(-1), 0);
    }

    // Opponent on the walled centre: the four edges tie at 5. Seen from the reference (3, 3),
    // only (5, 4) and (4, 5) are not next to it; one draw R picks (5, 4) when R < 0.5.
    // Seed 0: the first state is 1013904223, R = 0.236; seed 1000: 2678429223, R = 0.624.
    void tie_keeps_squares_away_from_the_reference_and_draws_once_data() {
        QTest::addColumn<int>("graine");
        QTest::addColumn<QJsonArray>("attendu");
        QTest::newRow("R below one half") << 0 << xy(5, 4);
        QTest::newRow("R above one half") << 1000 << xy(4, 5);
    }
    void tie_keeps_squares_away_from_the_reference_and_draws_once() {
        QFETCH(int, graine);
        QFETCH(QJsonArray, attendu);
        const QJsonObject r =
            repond("{'requete':'place_casenoir','largeur':3,'hauteur':3,'cavalier':false,"
                   "'lignes':['...','.#.','...'],'casenoir':[4,4],'reference':[3,3],"
                   "'position_adverse':[4,4],'maxtaille':0,'graine':" +
                   std::to_string(graine) + "}");
        QCOMPARE(r["casenoir"].toArray(), attendu);
        QCOMPARE(r["score"].toDouble(), 5.0);
        QCOMPARE(r["tirages"].toInt(-1), 1);
        QCOMPARE(r["reensemencements"].toInt(-1), 0);
    }

    // The opponent in the corner is walled in: one reseed, then pairs of draws until a free
    // square. Seed 0: R = 0.236, 0.279 give (CInt(3.71), CInt(3.84)) = (4, 4), walled; then
    // 0.820, 0.668 give (CInt(5.46), CInt(5.00)) = (5, 5), free.
    void opponent_without_a_move_gets_a_random_wall_and_the_lowest_score() {
        const QJsonObject r =
            repond("{'requete':'place_casenoir','largeur':3,'hauteur':3,'cavalier':false,"
                   "'lignes':['##.','##.','...'],'casenoir':[3,3],'reference':[4,3],"
                   "'position_adverse':[3,3],'maxtaille':2}");
        QCOMPARE(r["casenoir"].toArray(), xy(5, 5));
        QCOMPARE(static_cast<float>(r["score"].toDouble()), -1e31f);
        QCOMPARE(r["tirages"].toInt(-1), 4);
        QCOMPARE(r["reensemencements"].toInt(-1), 1);
    }

    // --- dep_ordi ------------------------------------------------------------------------------

    // Victory moves take no draw; a level-1 table choice would draw on its first equality.
    // Next to the opponent, whose last escape is (4, 3), which still sees (5, 3) and (5, 4):
    // the computer steps onto it. Two steps away from an opponent with two escapes, the first
    // that the computer reaches and that keeps it a free neighbour, (4, 3), is taken.
    void computer_steps_onto_the_last_escape_squares_data() {
        QTest::addColumn<QString>("lignes");
        QTest::addColumn<QJsonArray>("position");
        QTest::newRow("one escape left") << "['#..','##.','...']" << xy(4, 4);
        QTest::newRow("two escapes left") << "['#.#','.#.','...']" << xy(5, 3);
    }
    void computer_steps_onto_the_last_escape_squares() {
        QFETCH(QString, lignes);
        QFETCH(QJsonArray, position);
        const QJsonObject r =
            repond("{'requete':'dep_ordi','largeur':3,'hauteur':3,'cavalier':false,'lignes':" +
                   lignes.toStdString() + ",'position':" +
                   QJsonDocument(position).toJson(QJsonDocument::Compact).toStdString() +
                   ",'position_adverse':[3,3],'maxtaille':0,'niveau':1,'profondeur_courant':0}");
        QCOMPARE(r["position"].toArray(), xy(4, 3));
        QCOMPARE(r["tirages"].toInt(-1), 0);
        QCOMPARE(r["reensemencements"].toInt(-1), 0);
    }

    // Next to the opponent, whose last escape (4, 3) has no other free neighbour: stepping there
    // would leave the computer blocked, so the level-1 table choice decides. From (4, 4), in
    // order: (3, 3) 0, equal to the start value 0, one draw (seed 0: R = 0.236, CInt(0.47) = 0,
    // kept); (4, 3) 1; (3, 5) 2; (4, 5) 3 (itself, (3, 5), (5, 5)); (5, 5) 2. The best is (4, 5).
    void without_a_safe_escape_the_table_decides() {
        const QJsonObject r =
            repond("{'requete':'dep_ordi','largeur':3,'hauteur':3,'cavalier':false,"
                   "'lignes':['#.#','###','...'],'position':[4,4],'position_adverse':[3,3],"
                   "'maxtaille':0,'niveau':1,'profondeur_courant':0}");
        QCOMPARE(r["position"].toArray(), xy(4, 5));
        QCOMPARE(r["tirages"].toInt(-1), 1);
    }

    // --- place_pion_ordi -----------------------------------------------------------------------

    // On 3 columns and 3 rows the zone is the single square (3, 3): one reseed, two draws. From
    // there (4, 3) and (3, 4) are worth 6 and (4, 4) 9; the table choice draws for the four
    // zeros met before (4, 3) and for the tie of (3, 4) with (4, 3): 7 draws, then (4, 4).
    void three_column_board_places_from_the_first_column() {
        for (const char* graine : {"0", "12345", "4294967295"}) {
            const QJsonObject r = repond(
                std::string("{'requete':'place_pion_ordi','largeur':3,'hauteur':3,'cavalier':false,"
                            "'lignes':['...','...','...'],'maxtaille':0,'graine':") +
                graine + "}");
            QCOMPARE(r["position"].toArray(), xy(4, 4));
            QCOMPARE(r["tirages"].toInt(-1), 7);
            QCOMPARE(r["reensemencements"].toInt(-1), 1);
        }
    }

    // --- partie --------------------------------------------------------------------------------

    void games_between_computers_replay_legally_to_their_result_data() {
        QTest::addColumn<int>("largeur");
        QTest::addColumn<int>("hauteur");
        QTest::addColumn<bool>("cavalier");
        QTest::addColumn<QString>("niveaux");
        QTest::addColumn<int>("parties");
        QTest::newRow("6 x 6 king, 3 against 3") << 6 << 6 << false << "[3,3]" << 1;
        QTest::newRow("7 x 5 knight, 2 against 1") << 7 << 5 << true << "[2,1]" << 3;
        QTest::newRow("12 x 12 king, 3 against 2") << 12 << 12 << false << "[3,2]" << 1;
        QTest::newRow("4 x 9 king, 4 against 3") << 4 << 9 << false << "[4,3]" << 4;
    }
    void games_between_computers_replay_legally_to_their_result() {
        QFETCH(int, largeur);
        QFETCH(int, hauteur);
        QFETCH(bool, cavalier);
        QFETCH(QString, niveaux);
        QFETCH(int, parties);
        const QJsonObject r = repond(QStringLiteral("{'requete':'partie','largeur':%1,"
                                                    "'hauteur':%2,'cavalier':%3,"
                                                    "'niveaux':%4,'parties':%5,'graine':9}")
                                         .arg(largeur)
                                         .arg(hauteur)
                                         .arg(cavalier ? "true" : "false", niveaux)
                                         .arg(parties)
                                         .toStdString());
        const QJsonArray liste = r["parties"].toArray();
        QCOMPARE(liste.size(), parties);
        for (const QJsonValue& partie : liste) {
            verifie_partie(partie.toObject(), largeur, hauteur, cavalier);
        }
        // Two reseeds to start each game and one per computer placement at least.
        QVERIFY(r["reensemencements"].toInt() >= 4 * parties);
        QVERIFY(r["tirages"].toInt() >= 8 * parties);
    }

    // Knights on 3 x 3, seed 0: the starting squares are drawn as (4, 4), then (5, 5). The
    // centre has no knight move, so the game is over before any placement: player 1 wins,
    // after 4 draws and 2 reseeds.
    void game_over_at_its_start_has_no_moves() {
        const QJsonObject r = repond("{'requete':'partie','largeur':3,'hauteur':3,'cavalier':true,"
                                     "'niveaux':[1,1]}");
        const QJsonObject attendu{{"coups", QJsonArray{}}, {"resultat", "gagne"}, {"gagnant", 1}};
        QCOMPARE(r["parties"].toArray(), QJsonArray{attendu});
        QCOMPARE(r["tirages"].toInt(-1), 4);
        QCOMPARE(r["reensemencements"].toInt(-1), 2);
    }

    void same_request_gives_the_same_answer_and_the_seed_matters() {
        const std::string a = "{'requete':'partie','largeur':8,'hauteur':7,'cavalier':false,"
                              "'niveaux':[3,2],'parties':2,'graine':31}";
        const std::string b = "{'requete':'partie','largeur':8,'hauteur':7,'cavalier':false,"
                              "'niveaux':[3,2],'parties':2,'graine':32}";
        const QJsonObject premiere = repond(a);
        QVERIFY(premiere["parties"].toArray().size() == 2);
        QCOMPARE(repond(a), premiere);
        QVERIFY(repond(b) != premiere);
        const std::string d = "{'requete':'dep_ordi','largeur':5,'hauteur':5,'cavalier':false,"
                              "'lignes':['.....','.#...','..#..','..#..','.....'],"
                              "'position':[5,5],'position_adverse':[5,6],'maxtaille':10,"
                              "'niveau':3,'profondeur_courant':10,'graine':3}";
        const QJsonObject decision = repond(d);
        QVERIFY(decision.contains("position"));
        QCOMPARE(repond(d), decision);
    }

    // --- numbers -------------------------------------------------------------------------------

    void single_precision_values_read_back_exactly_data() {
        QTest::addColumn<float>("valeur");
        QTest::newRow("0.1") << 0.1f;
        QTest::newRow("2^24 + 2") << 16777218.0f;
        QTest::newRow("just above 2^24 times 1000") << std::nextafter(1.6777216e10f, 1e30f);
        QTest::newRow("between 2^53 and 2^63, written as digits") << 2.4244046e17f;
        QTest::newRow("9^24, a table value") << std::pow(9.0f, 24.0f);
        QTest::newRow("-1e31") << -1e31f;
        QTest::newRow("largest") << FLT_MAX;
        QTest::newRow("smallest normal") << FLT_MIN;
        QTest::newRow("denormal") << std::numeric_limits<float>::denorm_min();
        QTest::newRow("one third") << 1.0f / 3.0f;
    }
    void single_precision_values_read_back_exactly() {
        QFETCH(float, valeur);
        const QByteArray texte =
            QJsonDocument(QJsonArray{valeur_reelle(valeur)}).toJson(QJsonDocument::Compact);
        const float relu = static_cast<float>(QJsonDocument::fromJson(texte).array()[0].toDouble());
        QCOMPARE(relu, valeur);
    }

    // Depth 24 on an empty 12 x 12 board: values far above 2^24 in every direction.
    void deep_table_values_read_back_as_the_computed_floats() {
        const std::string lignes = "['............','............','............',"
                                   "'............','............','............',"
                                   "'............','............','............',"
                                   "'............','............','............']";
        const QJsonObject r =
            repond("{'requete':'calcul_tab_dep','largeur':12,'hauteur':12,'cavalier':false,"
                   "'case':[8,8],'maxtaille':24,'lignes':" +
                   lignes + "}");
        Regles regles;
        regles.largeur = 12;
        regles.hauteur = 12;
        Tableau t;
        for (int x = 3; x <= 14; ++x) {
            for (int y = 3; y <= 14; ++y) {
                t(x, y) = VRAI;
            }
        }
        TableauDep attendu;
        regles.calcul_tab_dep(8, 8, attendu, 24, t);
        const QJsonArray rangees = r["tableau_dep"].toArray();
        QCOMPARE(rangees.size(), 5);
        for (int j = -2; j <= 2; ++j) {
            for (int i = -2; i <= 2; ++i) {
                QCOMPARE(static_cast<float>(rangees[j + 2].toArray()[i + 2].toDouble()),
                         attendu(i, j));
            }
        }
        QVERIFY(attendu(1, 1) > 16777216.0f);
    }

    // --- faulty requests -----------------------------------------------------------------------

    void faulty_requests_get_an_error_data() {
        QTest::addColumn<QString>("ligne");
        const QString tab_avec = "{'requete':'calcul_tab_dep','largeur':3,'hauteur':3,"
                                 "'cavalier':false,'lignes':['...','.#.','...'],'case':[4,4],"
                                 "'maxtaille':0%1}";
        const QString dep_avec = "{'requete':'dep_ordi','largeur':3,'hauteur':3,'cavalier':false,"
                                 "'lignes':['#..','##.','...'],'position':[4,4],"
                                 "'position_adverse':[3,3],'maxtaille':0,'niveau':1,"
                                 "'profondeur_courant':0%1}";
        const QString tab = tab_avec.arg(QString());
        const QString dep = dep_avec.arg(QString());
        QTest::newRow("not JSON") << "{\"requete\": ";
        QTest::newRow("not an object") << "[1, 2]";
        QTest::newRow("unknown request") << "{'requete':'rejoue'}";
        QTest::newRow("request not a string") << "{'requete':3}";
        QTest::newRow("missing request") << "{'largeur':3}";
        QTest::newRow("missing field")
            << "{'requete':'calcul_tab_dep','largeur':3,'hauteur':3,'cavalier':false,"
               "'lignes':['...','.#.','...'],'case':[4,4]}";
        QTest::newRow("unknown field") << tab_avec.arg(",'profondeur':2");
        QTest::newRow("width as a string") << QString(tab).replace("'largeur':3", "'largeur':'3'");
        QTest::newRow("width not whole") << QString(tab).replace("'largeur':3", "'largeur':3.5");
        QTest::newRow("width too large") << QString(tab).replace("'largeur':3", "'largeur':13");
        QTest::newRow("height too small") << QString(tab).replace("'hauteur':3", "'hauteur':2");
        QTest::newRow("knight not a boolean") << QString(tab).replace("false", "0");
        QTest::newRow("depth too large") << QString(tab).replace("'maxtaille':0", "'maxtaille':31");
        QTest::newRow("negative seed") << tab_avec.arg(",'graine':-1");
        QTest::newRow("seed above 32 bits") << tab_avec.arg(",'graine':4294967296");
        QTest::newRow("one row missing") << QString(tab).replace(",'...']", "]");
        QTest::newRow("row too short") << QString(tab).replace("'.#.'", "'.#'");
        QTest::newRow("other character") << QString(tab).replace("'.#.'", "'.P.'");
        QTest::newRow("rows not strings") << QString(tab).replace("'.#.'", "7");
        QTest::newRow("square outside the board") << QString(tab).replace("[4,4]", "[6,4]");
        QTest::newRow("square in the margin") << QString(tab).replace("[4,4]", "[2,4]");
        QTest::newRow("square not a pair") << QString(tab).replace("[4,4]", "[4,4,4]");
        QTest::newRow("square not whole") << QString(tab).replace("[4,4]", "[4.5,4]");
        QTest::newRow("computer pawn on a free square") << QString(dep).replace("[4,4]", "[5,5]");
        QTest::newRow("opponent on a free square")
            << QString(dep).replace("'position_adverse':[3,3]", "'position_adverse':[5,5]");
        QTest::newRow("both pawns on one square")
            << QString(dep).replace("'position_adverse':[3,3]", "'position_adverse':[4,4]");
        QTest::newRow("level too high") << QString(dep).replace("'niveau':1", "'niveau':4");
        QTest::newRow("computer pawn blocked")
            << QString(dep).replace("['#..','##.','...']", "['###','###','###']");
        QTest::newRow("wall on a full board")
            << "{'requete':'place_casenoir','largeur':3,'hauteur':3,'cavalier':false,"
               "'lignes':['###','###','###'],'casenoir':[3,3],'reference':[4,4],"
               "'position_adverse':[3,3],'maxtaille':0}";
        QTest::newRow("placement on a full board")
            << "{'requete':'place_pion_ordi','largeur':4,'hauteur':3,'cavalier':true,"
               "'lignes':['####','####','####'],'maxtaille':3}";
        QTest::newRow("no levels") << "{'requete':'partie','largeur':3,'hauteur':3,"
                                      "'cavalier':true,'niveaux':[1]}";
        QTest::newRow("human level") << "{'requete':'partie','largeur':3,'hauteur':3,"
                                        "'cavalier':true,'niveaux':[0,1]}";
        QTest::newRow("too many games") << "{'requete':'partie','largeur':3,'hauteur':3,"
                                           "'cavalier':true,'niveaux':[1,1],'parties':1001}";
        QTest::newRow("no game") << "{'requete':'partie','largeur':3,'hauteur':3,"
                                    "'cavalier':true,'niveaux':[1,1],'parties':0}";
        QTest::newRow("huge line") << tab_avec.arg(",\"x\":\"" + QString(200000, 'a') + "\"");
    }
    void faulty_requests_get_an_error() {
        QFETCH(QString, ligne);
        const QJsonObject r = repond(ligne.toStdString());
        QVERIFY2(est_erreur(r), qPrintable(QJsonDocument(r).toJson(QJsonDocument::Compact)));
        // Nothing of the faulty request lingers: the next one is answered normally.
        const QJsonObject suite =
            repond("{'requete':'calcul_tab_dep','largeur':3,'hauteur':3,'cavalier':false,"
                   "'lignes':['...','.#.','...'],'case':[4,4],'maxtaille':0}");
        QCOMPARE(suite["tableau_dep"].toArray()[1].toArray(), (QJsonArray{0, 3, 5, 3, 0}));
    }

    // --- reading the stream and the executable -------------------------------------------------

    void long_lines_are_cut_but_still_ended_by_their_end_of_line() {
        std::istringstream entree(std::string(LONGUEUR_MAX * 3, 'x') + "\nsuite\n\n  \nfin");
        std::string ligne;
        QVERIFY(lit_ligne(entree, ligne));
        QCOMPARE(ligne.size(), LONGUEUR_MAX + 1);
        QVERIFY(lit_ligne(entree, ligne));
        QCOMPARE(ligne, std::string("suite"));
        QVERIFY(lit_ligne(entree, ligne));
        QVERIFY(est_vide(ligne));
        QVERIFY(lit_ligne(entree, ligne));
        QVERIFY(est_vide(ligne));
        QVERIFY(lit_ligne(entree, ligne));
        QCOMPARE(ligne, std::string("fin"));
        QVERIFY(!lit_ligne(entree, ligne));
    }

    void executable_answers_line_by_line_and_exits_cleanly() {
        QProcess outil;
        outil.start(QStringLiteral(TESSOR_ANALYSE_EXECUTABLE), QStringList{});
        QVERIFY2(outil.waitForStarted(), qPrintable(outil.errorString()));
        const QByteArray requete = QByteArray::fromStdString(
            json("{'requete':'place_casenoir','largeur':3,'hauteur':3,'cavalier':false,"
                 "'lignes':['#..','...','...'],'casenoir':[3,3],'reference':[5,5],"
                 "'position_adverse':[3,3],'maxtaille':0}"));
        // The first answer must arrive while the input is still open: it is flushed at once.
        outil.write(requete + "\n");
        QVERIFY(outil.waitForReadyRead(10000));
        while (!outil.canReadLine()) {
            QVERIFY(outil.waitForReadyRead(10000));
        }
        const QJsonObject premiere = QJsonDocument::fromJson(outil.readLine()).object();
        QCOMPARE(premiere["casenoir"].toArray(), xy(4, 4));
        outil.write("\n   \r\nn importe quoi\n" + requete);
        outil.closeWriteChannel();
        QVERIFY(outil.waitForFinished(10000));
        QCOMPARE(outil.exitStatus(), QProcess::NormalExit);
        QCOMPARE(outil.exitCode(), 0);
        const QList<QByteArray> lignes = outil.readAllStandardOutput().split('\n');
        QCOMPARE(lignes.size(), 3); // two answers, then nothing after the last end of line
        QVERIFY(est_erreur(QJsonDocument::fromJson(lignes[0]).object()));
        QCOMPARE(QJsonDocument::fromJson(lignes[1]).object(), premiere);
        QVERIFY(lignes[2].isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestAnalyse)
#include "test_analyse.moc"
