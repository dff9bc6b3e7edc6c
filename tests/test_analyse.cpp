// tessor-analyse: tournaments and their threads, faulty input lines and the executable. The
// hand-worked answers are examples of docs/analyse.md, replayed by test_analyse_doc.
#include "analyse.h"
#include "entree.h"
#include "parallele.h"
#include "reponse.h"

#include <QtTest>

#include <limits>
#include <sstream>
#include <stdexcept>
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

// The depth-0 table of the king on a 3 x 3 board with its centre walled.
const QString TABLE = "{'requete':'calcul_tab_dep','largeur':3,'hauteur':3,'cavalier':false,"
                      "'lignes':['...','.#.','...'],'case':[4,4],'maxtaille':0}";
} // namespace

class TestAnalyse : public QObject {
    Q_OBJECT

  private slots:
    // Every ordered pairing of levels 1 .. 4 on each board and movement, from player 0's side
    // (named levels are in docs/analyse.md): its games add up, the first player's results are
    // the pairings' sums, and a clean sweep of 3 games has the Wilson interval
    // [n / (n + z^2), 1] = [0.4385, 1].
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
    }

    // The threads share out whole pairings or independent games, each on its own seed: one thread
    // or several give the same answer, and independent game k replays alone on graine + k x
    // 0x9E3779B9, whatever thread played it.
    void threads_do_not_change_the_answers() {
        const QString tournoi = "{'requete':'tournoi','parties':4,'plateaux':[[5,4]],"
                                "'cavalier':[true],'graine':3,'fils':";
        QCOMPARE(repond(tournoi + "4}"), repond(tournoi + "1}"));
        // The game of index k (from 0) played alone on 5 x 4, on seed 3 + (k + 1) x 0x9E3779B9.
        const auto seule = [](const char* cavalier, int n0, int n1, int k) {
            return repond(
                QStringLiteral("{'requete':'partie','largeur':5,'hauteur':4,'cavalier':%1,"
                               "'niveaux':[%2,%3],'graine':%4}")
                    .arg(QLatin1String(cavalier), QString::number(n0), QString::number(n1),
                         QString::number(3u + static_cast<quint32>(k + 1) * 0x9E3779B9u)));
        };
        // Pairing k (from 1) plays on graine + k x 0x9E3779B9: its one game is a lone game there.
        const QJsonArray rencontres =
            repond(QString(tournoi).replace("'parties':4", "'parties':1") +
                   "2}")["configurations"][0]["rencontres"]
                .toArray();
        for (int k = 0; k < rencontres.size(); ++k) {
            const QJsonArray n = rencontres[k]["niveaux"].toArray();
            const QJsonValue g =
                seule("true", n[0].toInt(), n[1].toInt(), k)["parties"][0]["gagnant"];
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
            const QJsonObject une = seule("false", 3, 2, k);
            QCOMPARE(parties[k], une["parties"][0]);
            tirages += une["tirages"].toInteger();
        }
        QCOMPARE(plusieurs["tirages"].toInteger(), tirages);
        const QString match = "{'requete':'match','largeur':4,'hauteur':4,'cavalier':true,"
                              "'adversaire':'alphabeta','budget':300,'paires':5,'fils':";
        QCOMPARE(repond(match + "3}"), repond(match + "1}"));
    }

    // An item that throws: the exception reaches the caller once every thread has stopped, and
    // no item starts after it.
    void an_item_that_throws_stops_the_work_and_reaches_the_caller() {
        for (const int fils : {1, 2}) {
            int apres = 0;
            QVERIFY_THROWS_EXCEPTION(std::runtime_error, en_parallele(50, fils, [&](int i) {
                                         if (i == 3) {
                                             throw std::runtime_error("refus");
                                         }
                                         if (fils == 1 && i > 3) {
                                             ++apres;
                                         }
                                     }));
            QCOMPARE(apres, 0);
        }
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
