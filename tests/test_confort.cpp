// The comforts of the window's menu, without a window: taking back and putting back against the
// computer and between humans, the computer's speeds and pauses, records taken up or refused,
// the remembered settings and the outlines of the last move.
#include "analyse.h"
#include "partie_test.h"
#include "ui/enregistrement_json.h"
#include "ui/memoire.h"

#include <QJsonDocument>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <random>

using namespace tessor;

namespace {

// What the board and the panel show: the pawns, the walls, the sign, the name and the picture
// on turn.
std::string vue(const Ecran& e) {
    std::string v;
    for (const Element& p : e.pions) {
        v += p.visible ? std::to_string(p.left) + "," + std::to_string(p.top) + " " : "- ";
    }
    for (const Element& m : e.murs) {
        v += m.visible ? std::to_string(m.left) + "," + std::to_string(m.top) + " " : "";
    }
    return v + e.texte_signe() + " " + e.nom_au_trait.texte + " " +
           std::to_string(static_cast<int>(e.image_signe.image));
}

// A point of a game: its actions and what it shows.
using Point = std::pair<std::vector<Action>, std::string>;
Point point(const PartieTest& t) {
    return {t.partie().actions(), vue(t.ecran())};
}

// The actions whose squares a player outlines, in pixels: (-1, -1) for an outline not shown.
QPoint contour(const PartieTest& t, int k) {
    const Element& e = t.ecran().dernier_coup[k];
    return e.visible ? QPoint(e.left, e.top) : QPoint(-1, -1);
}

QPoint sur(const PartieTest& t, Case c) {
    Element e;
    t.jeu.geometrie().place(e, c);
    return {e.left, e.top};
}

} // namespace

class TestConfort : public QObject {
    Q_OBJECT

  private slots:
    // Humans click random squares; each take-back comes back to the point before a human's
    // action, the computer's since then taken back with it, down to where no human has played;
    // the redos then come back through the same points, and a new action drops what was left.
    void take_back_and_redo_data() {
        QTest::addColumn<int>("niveaux");
        QTest::newRow("two humans, king steps") << 0;
        QTest::newRow("against Ordi 1, knight jumps") << 1;
        QTest::newRow("Ordi 5 first, king steps") << 50;
    }
    void take_back_and_redo() {
        QFETCH(int, niveaux);
        for (std::uint32_t graine = 1; graine <= 20; ++graine) {
            PartieTest t;
            t.lance(6, 5, niveaux == 1, niveaux / 10, niveaux % 10);
            std::mt19937 hasard(graine);
            std::vector<Point> avant; // before each human action
            while (!t.partie().finie() && avant.size() < 2 + graine % 12) {
                avant.push_back(point(t));
                const std::vector<Case> cases = acceptees(t.partie());
                const Case c = cases[hasard() % cases.size()];
                t.clic(c.x, c.y);
            }
            if (t.partie().finie()) {
                QVERIFY(!t.jeu.peut_annuler());
                continue;
            }
            std::vector<Point> apres{point(t)};
            for (auto p = avant.rbegin(); p != avant.rend(); ++p) {
                QVERIFY(t.jeu.peut_annuler());
                t.jeu.annule();
                QVERIFY(point(t) == *p);
                apres.push_back(*p);
            }
            QVERIFY(!t.jeu.peut_annuler());
            apres.pop_back();
            while (!apres.empty()) {
                t.jeu.retablit();
                QVERIFY(point(t) == apres.back());
                apres.pop_back();
            }
            QVERIFY(!t.jeu.peut_retablir());
            t.jeu.annule();
            const Case c = acceptees(t.partie()).back();
            t.clic(c.x, c.y);
            QVERIFY(!t.jeu.peut_retablir() && t.partie().nb_a_remettre() == 0);
        }
    }

    // The computer's pauses at each speed, with the clock stepped by hand: placements and moves
    // wait 500 ms and walls 350 ms at the normal speed. While paused or minimised, no pause that
    // ends plays anything; abandoning a paused game lifts the pause.
    void speeds_pause_and_minimised_window() {
        for (int v = 0; v < NB_VITESSES; ++v) {
            PartieTest t;
            t.plateforme.pas_a_pas = true;
            t.jeu.change_vitesse(static_cast<Vitesse>(v));
            t.lance(6, 6, false, 1, 2);
            std::vector<int> pauses;
            for (int k = 0; k < 6; ++k) {
                pauses.push_back(t.plateforme.avance());
            }
            const auto d = [v](int ms) { return duree(ms, static_cast<Vitesse>(v)); };
            QCOMPARE(pauses, (std::vector<int>{d(500), d(500), d(500), d(350), d(500), d(350)}));
        }
        PartieTest t;
        t.plateforme.pas_a_pas = true;
        t.lance(6, 6, false, 1, 1);
        t.plateforme.avance();
        for (const bool pause : {true, false}) {
            const std::size_t jouees = t.partie().actions().size();
            pause ? t.jeu.bascule_pause() : t.jeu.fenetre_reduite(true);
            while (t.plateforme.avance() >= 0) {
            }
            QCOMPARE(t.partie().actions().size(), jouees);
            pause ? t.jeu.bascule_pause() : t.jeu.fenetre_reduite(false);
            t.plateforme.avance();
            QCOMPARE(t.partie().actions().size(), jouees + 1);
        }
        t.jeu.bascule_pause();
        QVERIFY(t.jeu.en_pause());
        t.plateforme.reponses = {true};
        t.jeu.nouvelle_partie();
        QVERIFY(!t.jeu.en_pause() && t.partie().actions().empty() && t.jeu.jeu().en_partie());
    }

    // A record of a game against Ordi 5, copied as JSON, replays in the analysis tool and is
    // taken up elsewhere at its last position, after the abandon question when a game shows.
    // Records that are not JSON, that break a rule or whose board is out of range are refused
    // with a message, and nothing changes.
    void records_taken_up_and_refused() {
        PartieTest source;
        source.lance(7, 6, true, 0, 5);
        for (int k = 0; k < 7 && !source.partie().finie(); ++k) {
            const Case c = source.case_acceptee();
            source.clic(c.x, c.y);
        }
        const QString texte = QString::fromUtf8(
            QJsonDocument(json_enregistrement(source.partie().enregistrement())).toJson());
        const QString relecture = QStringLiteral(R"({"requete":"relecture","enregistrement":%1})")
                                      .arg(QString(texte).remove(QLatin1Char('\n')));
        QVERIFY(analyse::traite_requete(relecture.toStdString())
                    .find("\"actions\":" + std::to_string(source.partie().actions().size())) !=
                std::string::npos);
        PartieTest t;
        t.lance(6, 6, false);
        t.clic(3, 3);
        QString faute;
        const std::optional<Enregistrement> e = lit_texte_enregistrement(texte, faute);
        QVERIFY(e.has_value());
        t.jeu.colle(*e);
        QCOMPARE(t.partie().actions().size(), std::size_t{1});
        t.plateforme.reponses = {true};
        t.jeu.colle(*e);
        QVERIFY(t.partie().tableau() == source.partie().tableau());
        QVERIFY(t.partie().actions() == source.partie().actions());
        QCOMPARE(vue(t.ecran()), vue(source.ecran()));
        QCOMPARE(t.ecran().niveaux[1].texte, std::string("Ordi  5"));
        Enregistrement illegal = *e; // a wall on the square its player's pawn has just reached
        illegal.actions[3].lieu = illegal.actions[2].lieu;
        Enregistrement hors_limites = *e;
        hors_limites.regles.largeur = 13;
        QVERIFY(!lit_texte_enregistrement(QStringLiteral("{\"largeur\": 7"), faute));
        t.jeu.refuse_enregistrement(faute.toStdString());
        t.jeu.colle(illegal);
        t.jeu.colle(hors_limites);
        QCOMPARE(t.plateforme.avertissements.size(), std::size_t{3});
        QVERIFY(t.plateforme.avertissements[1].find("action 4 refusée") != std::string::npos);
        QVERIFY(t.partie().actions() == source.partie().actions());
        QCOMPARE(t.plateforme.questions.size(), std::size_t{2});
    }

    // The remembered settings read back as written, at their limits, and apply on the options
    // screen only; a value past its limits reads as the original one, the others kept.
    void settings_remembered() {
        Reglages limites;
        limites.regles = {COTE_MAX, COTE_MIN, true};
        limites.niveaux = {NIVEAU_MAX, 0};
        limites.options = {
            {"Ada", ""}, {NB_PIONS - 1, 0}, NB_MURS_DESSINS - 1, true, Vitesse::instantanee};
        QTemporaryDir dossier;
        QSettings memoire(dossier.filePath(QStringLiteral("tessor.conf")), QSettings::IniFormat);
        ecrit_reglages(memoire, limites);
        QVERIFY(lit_reglages(memoire) == limites);
        PartieTest t;
        t.jeu.applique(limites);
        QVERIFY(t.jeu.reglages() == limites);
        t.jeu.jouer();
        t.jeu.applique(Reglages{});
        QVERIFY(t.jeu.reglages() == limites);
        const std::pair<const char*, int> hors_limites[] = {
            {"plateau/largeur", COTE_MAX + 1},  {"plateau/hauteur", COTE_MIN - 1},
            {"plateau/mur", NB_MURS_DESSINS},   {"joueur1/pion", NB_PIONS},
            {"joueur1/niveau", NIVEAU_MAX + 1}, {"menu/vitesse", NB_VITESSES}};
        for (const auto& [cle, valeur] : hors_limites) {
            memoire.setValue(QString::fromLatin1(cle), valeur);
        }
        Reglages attendus = Reglages{}; // the pawns too: the first one's default is the second's
        attendus.regles.cavalier = true;
        attendus.options.noms[0] = "Ada";
        attendus.options.noms[1] = "";
        attendus.options.dernier_coup = true;
        QVERIFY(lit_reglages(memoire) == attendus);
    }

    // The square the last pawn left, the one it reached and the last wall, whoever played them;
    // a take-back moves the outlines back with the game, and the option hides them.
    void the_last_move_is_outlined() {
        PartieTest t;
        t.lance(6, 6, false);
        t.jeu.bascule_dernier_coup();
        t.clic(3, 3);
        QCOMPARE(contour(t, 1), sur(t, {3, 3}));
        QCOMPARE(contour(t, 0), QPoint(-1, -1));
        for (const Case c : {Case{8, 8}, Case{4, 4}, Case{6, 6}, Case{7, 7}, Case{5, 5}}) {
            t.clic(c.x, c.y);
        }
        QCOMPARE((std::vector{contour(t, 0), contour(t, 1), contour(t, 2)}),
                 (std::vector{sur(t, {8, 8}), sur(t, {7, 7}), sur(t, {5, 5})}));
        t.jeu.annule();
        t.jeu.annule();
        QCOMPARE((std::vector{contour(t, 0), contour(t, 1), contour(t, 2)}),
                 (std::vector{sur(t, {3, 3}), sur(t, {4, 4}), sur(t, {6, 6})}));
        t.jeu.annule();
        QCOMPARE((std::vector{contour(t, 0), contour(t, 1), contour(t, 2)}),
                 (std::vector{sur(t, {3, 3}), sur(t, {4, 4}), QPoint(-1, -1)}));
        t.jeu.bascule_dernier_coup();
        QCOMPARE(contour(t, 1), QPoint(-1, -1));
    }
};

QTEST_MAIN(TestConfort)
#include "test_confort.moc"
