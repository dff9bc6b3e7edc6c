// tessor-analyse: hand-worked answers, recorded games, faulty requests and the executable.
#include "analyse.h"
#include "entree.h"
#include "reponse.h"

#include <QtTest>

#include <limits>
#include <sstream>
#include <utility>
#include <vector>

using namespace tessor::analyse;

namespace {
// JSON written with ' for ", which keeps it readable inside C++ strings.
QString json(QString texte) {
    return texte.replace('\'', '"');
}

QJsonObject repond(const QString& requete) {
    const std::string reponse = traite_requete(json(requete).toStdString());
    return QJsonDocument::fromJson(QByteArray::fromStdString(reponse)).object();
}

// A request on a 3 x 3 board (squares 3 .. 5) drawn by `lignes`, '#' not free.
QString sur_3x3(const char* requete, const char* lignes, const QString& reste,
                bool cavalier = false) {
    return QStringLiteral("{'requete':'%1','largeur':3,'hauteur':3,'cavalier':%2,'lignes':[%3],%4}")
        .arg(requete, cavalier ? "true" : "false", lignes, reste);
}

const QString TABLE = sur_3x3("calcul_tab_dep", "'...','.#.','...'", "'case':[4,4],'maxtaille':0");
const QString DEP = "'position_adverse':[3,3],'maxtaille':0,'niveau':1,'profondeur_courant':0";
} // namespace

class TestAnalyse : public QObject {
    Q_OBJECT

  private slots:
    void requests_get_their_hand_worked_answers_data() {
        QTest::addColumn<QString>("requete");
        QTest::addColumn<QString>("reponse");
        // Centre walled: a corner sees itself and two edges (3), an edge itself, two corners and
        // two edges (5). No draw.
        QTest::newRow("king table, depth 0")
            << TABLE
            << "{'tableau_dep':[[0,0,0,0,0],[0,3,5,3,0],[0,5,0,5,0],[0,3,5,3,0],[0,0,0,0,0]],"
               "'lignes':['...','.#.','...']}";
        // Opponent walled in: a reseed, then pairs of draws until a free square. Seed 0: 0.236,
        // 0.279 give (CInt(3.71), CInt(3.84)) = (4, 4), walled; 0.820, 0.668 give (5, 5). The
        // score is the single-precision -1e31, as its exact double.
        QTest::newRow("wall: opponent without a move")
            << sur_3x3("place_casenoir", "'##.','##.','...'",
                       "'casenoir':[3,3],'reference':[4,3],'position_adverse':[3,3],'maxtaille':2")
            << "{'casenoir':[5,5],'score':-9.999999848243207e30,'tirages':4,'reensemencements':1}";
        // Victory moves take no draw: onto the opponent's last escape (4, 3), which sees (5, 3),
        // (5, 4); of two escapes, the first reached that keeps the computer a free neighbour.
        QTest::newRow("move: one escape left")
            << sur_3x3("dep_ordi", "'#..','##.','...'", "'position':[4,4]," + DEP)
            << "{'position':[4,3],'tirages':0,'reensemencements':0}";
        QTest::newRow("move: two escapes left")
            << sur_3x3("dep_ordi", "'#.#','.#.','...'", "'position':[5,3]," + DEP)
            << "{'position':[4,3],'tirages':0,'reensemencements':0}";
        // The last escape (4, 3) would leave the computer blocked: the level-1 table decides.
        // From (4, 4): (3, 3) 0 ties the start value 0, one draw (R = 0.236, CInt(0.47) = 0,
        // kept); (4, 3) 1; (3, 5) 2; (4, 5) 3 (itself, (3, 5), (5, 5)); (5, 5) 2. Best: (4, 5).
        QTest::newRow("move: no safe escape")
            << sur_3x3("dep_ordi", "'#.#','###','...'", "'position':[4,4]," + DEP)
            << "{'position':[4,5],'tirages':1,'reensemencements':0}";
        // The opponent (3, 5) next to the pawn has two escapes: no victory move, which needs it
        // two steps away; the level-3 table takes (4, 4), not the escape (3, 4).
        QTest::newRow("move: two escapes, opponent adjacent")
            << sur_3x3("dep_ordi", "'...','...','###'",
                       "'position':[4,5],'position_adverse':[3,5],'maxtaille':0,'niveau':3,"
                       "'profondeur_courant':0")
            << "{'position':[4,4],'tirages':0,'reensemencements':0}";
        // Rows 3 and 5 free: both pawns reach (4, 3) and (4, 5), worth the same. Level 2 takes
        // the contested square first in both rankings (equals rank in reverse enumeration
        // order): (4, 5), with no draw; the table alone would draw between the two.
        QTest::newRow("move: level 2 contested square")
            << sur_3x3("dep_ordi", "'...','###','...'",
                       "'position':[3,4],'position_adverse':[5,4],'maxtaille':1,'niveau':2,"
                       "'profondeur_courant':2,'graine':28")
            << "{'position':[4,5],'tirages':0,'reensemencements':0}";
        // From (3, 3): (4, 4) is worth 4, (3, 4) 2, a ratio of exactly 2: no contested square,
        // the table choice draws for its six ties at 0 before (3, 4) and (4, 4).
        QTest::newRow("move: best values in a ratio of exactly 2")
            << sur_3x3("dep_ordi", "'###','...','##.'",
                       "'position':[3,3],'position_adverse':[4,5],'maxtaille':0,'niveau':2,"
                       "'profondeur_courant':1,'graine':400")
            << "{'position':[4,4],'tirages':6,'reensemencements':0}";
        // Depth 1 from (4, 4): (5, 4) 12, (5, 5) and (4, 5) 10. The opponent (3, 4) also reaches
        // (4, 5), its best; 12 / 10 is exactly 1.2, not below it: the best square (5, 4) wins.
        QTest::newRow("move: contested square at exactly 1.2")
            << sur_3x3("dep_ordi", "'.#.','##.','#..'",
                       "'position':[4,4],'position_adverse':[3,4],'maxtaille':1,'niveau':2,"
                       "'profondeur_courant':0,'graine':416")
            << "{'position':[5,4],'tirages':0,'reensemencements':0}";
        // Level 3 from (4, 3): (5, 4) 3, (5, 3) 2; 3 / 2 is exactly 1.5, so (5, 3) is not
        // examined. The walled-in opponent gets a random wall: one reseed, two draws.
        QTest::newRow("move: anticipation stops at exactly 1.5")
            << sur_3x3("dep_ordi", "'##.','##.','..#'",
                       "'position':[4,3],'position_adverse':[3,3],'maxtaille':0,'niveau':3,"
                       "'profondeur_courant':2,'graine':906")
            << "{'position':[5,4],'tirages':2,'reensemencements':1}";
    }
    void requests_get_their_hand_worked_answers() {
        QFETCH(QString, requete);
        QFETCH(QString, reponse);
        const QJsonObject attendu = QJsonDocument::fromJson(json(reponse).toUtf8()).object();
        QVERIFY(!attendu.isEmpty());
        QCOMPARE(repond(requete), attendu);
    }

    // Every ordered pairing of levels 1 .. 4, or of the named ones, on each board and movement,
    // from player 0's side:
    // its games add up, the first player's results are the pairings' sums, and a clean sweep of
    // 3 games has the Wilson interval [n / (n + z^2), 1] = [0.4385, 1].
    void tournament_counts_add_up_and_replay_from_its_seed() {
        const QString tournoi = "{'requete':'tournoi','parties':3,'plateaux':[[4,3],[5,5]],"
                                "'cavalier':[false,true],'graine':";
        const QJsonObject reponse = repond(tournoi + "9}");
        const QJsonArray configurations = reponse["configurations"].toArray();
        QCOMPARE(configurations.size(), 4);
        int balayages = 0;
        for (const QJsonValue& c : configurations) {
            const QJsonArray rencontres = c["rencontres"].toArray();
            QCOMPARE(rencontres.size(), 16);
            int totaux[3] = {0, 0, 0};
            for (int k = 0; k < 16; ++k) {
                const QJsonObject r = rencontres[k].toObject();
                const int v = r["victoires"].toInt(), d = r["defaites"].toInt(),
                          n = r["nuls"].toInt();
                const QJsonArray i = r["intervalle"].toArray();
                QCOMPARE(r["niveaux"], (QJsonValue(QJsonArray{k / 4 + 1, k % 4 + 1})));
                QCOMPARE(v + d + n, 3);
                QCOMPARE(r["score"].toDouble(), (v + n / 2.0) / 3);
                if (v == 3) {
                    ++balayages;
                    QCOMPARE(i[0].toDouble(), 3 / (3 + 1.959963984540054 * 1.959963984540054));
                    QCOMPARE(i[1].toDouble(), 1.0);
                }
                totaux[0] += v, totaux[1] += d, totaux[2] += n;
            }
            const QJsonObject p = c["premier_joueur"].toObject();
            QCOMPARE((QList<int>{p["victoires"].toInt(), p["defaites"].toInt(), p["nuls"].toInt()}),
                     (QList<int>{totaux[0], totaux[1], totaux[2]}));
        }
        QVERIFY(balayages > 0);
        QCOMPARE(repond(tournoi + "9}"), reponse);
        QVERIFY(repond(tournoi + "10}") != reponse);
        // Named levels are paired in their order.
        const QJsonArray choisis =
            repond("{'requete':'tournoi','parties':1,'plateaux':[[4,4]],'cavalier':[false],"
                   "'niveaux':[5,2]}")["configurations"][0]["rencontres"]
                .toArray();
        QStringList paires;
        for (const QJsonValue& r : choisis) {
            paires << QString::fromUtf8(
                QJsonDocument(r["niveaux"].toArray()).toJson(QJsonDocument::Compact));
        }
        QCOMPARE(paires.join(QLatin1Char(' ')), QStringLiteral("[5,5] [5,2] [2,5] [2,2]"));
    }

    // The threads share out whole pairings or independent games, each on its own seed: one thread
    // or several give the same answer, and independent game k replays alone on graine + k x
    // 0x9E3779B9, whatever thread played it.
    void threads_do_not_change_the_answers() {
        const QString tournoi = "{'requete':'tournoi','parties':4,'plateaux':[[5,4]],"
                                "'cavalier':[true],'graine':3,'fils':";
        QCOMPARE(repond(tournoi + "4}"), repond(tournoi + "1}"));
        // Pairing k (from 1) plays on graine + k x 0x9E3779B9: its one game is a lone game there.
        const QJsonArray rencontres =
            repond(QString(tournoi).replace("'parties':4", "'parties':1") +
                   "2}")["configurations"][0]["rencontres"]
                .toArray();
        for (int k = 0; k < rencontres.size(); ++k) {
            const QJsonArray n = rencontres[k]["niveaux"].toArray();
            const QJsonValue g = repond(
                QStringLiteral("{'requete':'partie','largeur':5,'hauteur':4,'cavalier':true,"
                               "'niveaux':[%1,%2],'graine':%3}")
                    .arg(n[0].toInt())
                    .arg(n[1].toInt())
                    .arg(3u + static_cast<quint32>(k + 1) * 0x9E3779B9u))["parties"][0]["gagnant"];
            const char* issue = g.isNull() ? "nuls" : g.toInt() == 0 ? "victoires" : "defaites";
            QCOMPARE(rencontres[k][issue].toInt(), 1);
        }
        const QString partie =
            "{'requete':'partie','largeur':5,'hauteur':4,'cavalier':false,"
            "'niveaux':[3,2],'parties':6,'independantes':true,'graine':3,'fils':";
        const QJsonObject plusieurs = repond(partie + "3}");
        QCOMPARE(plusieurs, repond(partie + "1}"));
        const QJsonArray parties = plusieurs["parties"].toArray();
        QCOMPARE(parties.size(), 6);
        qint64 tirages = 0;
        for (int k = 0; k < 6; ++k) {
            const QJsonObject seule =
                repond(QStringLiteral("{'requete':'partie','largeur':5,'hauteur':4,"
                                      "'cavalier':false,'niveaux':[3,2],'graine':%1}")
                           .arg(3u + static_cast<quint32>(k + 1) * 0x9E3779B9u));
            QCOMPARE(parties[k], seule["parties"][0]);
            tirages += seule["tirages"].toInteger();
        }
        QCOMPARE(plusieurs["tirages"].toInteger(), tirages);
    }

    // A line far beyond the limit gets an error, and the request after it is answered. The
    // faults docs/analyse.md shows, one for each check, are replayed by test_analyse_doc.
    void a_huge_line_gets_an_error_and_the_next_request_an_answer() {
        const QJsonObject r = repond(QString(TABLE).replace("}", QString(200000, ' ') + "}"));
        QVERIFY2(r.size() == 1 && !r["erreur"].toString().isEmpty(),
                 qPrintable(QJsonDocument(r).toJson(QJsonDocument::Compact)));
        QCOMPARE(repond(TABLE)["tableau_dep"].toArray()[1].toArray(), (QJsonArray{0, 3, 5, 3, 0}));
    }

    void long_lines_are_cut_but_still_ended_by_their_end_of_line() {
        std::istringstream entree(std::string(LONGUEUR_MAX * 3, 'x') + "\nsuite\n\n  \nfin");
        std::vector<std::string> lignes;
        for (std::string ligne; lit_ligne(entree, ligne);) {
            lignes.push_back(ligne);
        }
        const std::string coupee(LONGUEUR_MAX + 1, 'x');
        QVERIFY((lignes == std::vector<std::string>{coupee, "suite", "", "  ", "fin"}));
        QVERIFY(est_vide(lignes[2]) && est_vide(lignes[3]) && !est_vide(lignes[1]));
    }

    void executable_answers_line_by_line_and_exits_cleanly() {
        QProcess outil;
        outil.start(QStringLiteral(TESSOR_ANALYSE_EXECUTABLE), QStringList{});
        QVERIFY2(outil.waitForStarted(), qPrintable(outil.errorString()));
        const QByteArray requete = json(TABLE).toUtf8();
        const auto reponse = [](const QByteArray& ligne) {
            return QByteArray::fromStdString(traite_requete(ligne.toStdString()) + "\n");
        };
        // The first answer must arrive while the input is still open: it is flushed at once.
        outil.write(requete + "\n");
        while (!outil.canReadLine()) {
            QVERIFY(outil.waitForReadyRead(10000));
        }
        QCOMPARE(outil.readLine(), reponse(requete));
        // Blank lines get no answer; a line that is not a request gets an error.
        outil.write("\n   \r\nn importe quoi\n" + requete);
        outil.closeWriteChannel();
        QVERIFY(outil.waitForFinished(10000));
        QVERIFY(outil.exitStatus() == QProcess::NormalExit && outil.exitCode() == 0);
        QCOMPARE(outil.readAllStandardOutput(), reponse("n importe quoi") + reponse(requete));
    }
};

QTEST_GUILESS_MAIN(TestAnalyse)
#include "test_analyse.moc"
