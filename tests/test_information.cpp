// The splash window and the information window: the splash's look and its one hand-over to the
// main window; the information window's pages, how it remembers the last one, its links and
// its modality.
#include "plateforme_test.h"
#include "ui/chargement.h"
#include "ui/form2.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <functional>

using tessor::Chargement;
using tessor::Form2;
using tessor::PlateformeTest;

namespace {

QtMessageHandler gestionnaire_qt = nullptr;

// The offscreen platform warns about things it cannot do; they say nothing about the windows.
void filtre_messages(QtMsgType type, const QMessageLogContext& contexte, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints")) ||
        message.contains(QLatin1String("XDG_RUNTIME_DIR"))) {
        return;
    }
    gestionnaire_qt(type, contexte, message);
}

template <typename T> T* element(const QWidget& fenetre, const char* nom) {
    auto* trouve = fenetre.findChild<T*>(QString::fromLatin1(nom));
    if (trouve == nullptr) {
        qFatal("no element named %s", nom);
    }
    return trouve;
}

void clique(const QWidget& fenetre, const char* nom) {
    QTest::mouseClick(element<QPushButton>(fenetre, nom), Qt::LeftButton);
}

// Names of the pages that the player sees.
QStringList pages_visibles(const Form2& fenetre) {
    QStringList noms;
    for (int i = 1; i <= 4; ++i) {
        const QString nom = QStringLiteral("Picture%1").arg(i);
        if (fenetre.findChild<QWidget*>(nom)->isVisible()) {
            noms << nom;
        }
    }
    return noms;
}

// Opens the window and runs `pendant` inside its modal loop; then leaves with "Retour au jeu"
// when `pendant` has not closed the window itself.
void pendant_ouverture(Form2& fenetre, const std::function<void()>& pendant) {
    QTimer::singleShot(0, &fenetre, [&fenetre, pendant] {
        pendant();
        if (fenetre.isVisible()) {
            clique(fenetre, "Command5");
        }
    });
    fenetre.ouvre();
}

// Pages seen on the next opening.
QStringList pages_a_l_ouverture(Form2& fenetre) {
    QStringList vues;
    pendant_ouverture(fenetre, [&] { vues = pages_visibles(fenetre); });
    return vues;
}

QColor couleur_texte(const QWidget& w) {
    return w.palette().color(QPalette::WindowText);
}

// Whether some pixel of `zone` in `image` has exactly `couleur`.
bool contient(const QImage& image, const QRect& zone, const QColor& couleur) {
    for (int y = zone.top(); y <= zone.bottom(); ++y) {
        for (int x = zone.left(); x <= zone.right(); ++x) {
            if (image.pixelColor(x, y) == couleur) {
                return true;
            }
        }
    }
    return false;
}

// Where a label's text lies in its page: a wrapped label fills its width and as many lines as
// its text needs; any other label is as large as its text.
QRect zone_du_texte(const QLabel& label) {
    if (label.wordWrap()) {
        return {label.pos(), QSize(label.width(), label.heightForWidth(label.width()))};
    }
    return {label.pos(), label.sizeHint()};
}

} // namespace

class TestInformation : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { gestionnaire_qt = qInstallMessageHandler(filtre_messages); }

    void chargement_ecrit_en_blanc_et_bleu_sur_noir() {
        Chargement splash([] {});
        QCOMPARE(splash.size(), QSize(306, 180));
        QCOMPARE(splash.minimumSize(), splash.maximumSize());
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(splash.windowTitle(), QStringLiteral("Chargement"));
        QCOMPARE(splash.cursor().shape(), Qt::WaitCursor);

        const struct {
            const char* nom;
            const char* texte;
            QRect zone;
        } lignes[] = {{"Label1", "CHARGEMENT DE", {0, 16, 305, 33}},
                      {"Label2", "TESSOR", {0, 72, 306, 26}},
                      {"Label3", "EN COURS", {0, 136, 305, 33}}};
        const QImage image = splash.grab().toImage();
        for (const auto& ligne : lignes) {
            const auto* label = element<QLabel>(splash, ligne.nom);
            QCOMPARE(label->text(), QString::fromLatin1(ligne.texte));
            QCOMPARE(label->geometry(), ligne.zone);
            QCOMPARE(label->font().family(), QStringLiteral("Liberation Sans"));
            QCOMPARE(label->font().pointSizeF(), 13.5);
            QVERIFY(label->font().bold());
            // Centred: the text leaves as much room on its left as on its right.
            const QRect texte = label->fontMetrics().boundingRect(label->text());
            QVERIFY(!contient(image, {2, ligne.zone.y() + 2, (306 - texte.width()) / 2 - 6, 20},
                              couleur_texte(*label)));
        }
        QCOMPARE(image.pixelColor(3, 3), QColor(Qt::black));
        QCOMPARE(image.pixelColor(3, 175), QColor(Qt::black));
        QVERIFY(contient(image, {0, 16, 305, 33}, Qt::white));
        QVERIFY(contient(image, {0, 136, 305, 33}, Qt::white));
        // The blue band has a border and its text in the desktop's text colour.
        const QColor texte_bureau = QApplication::palette().color(QPalette::WindowText);
        QCOMPARE(image.pixelColor(3, 85), QColor(0x00, 0x00, 0xFF));
        QCOMPARE(image.pixelColor(150, 72), texte_bureau);
        QCOMPARE(image.pixelColor(305, 85), texte_bureau);
        QVERIFY(contient(image, {100, 74, 106, 22}, texte_bureau));
    }

    void chargement_passe_la_main_une_seule_fois() {
        int passages = 0;
        Chargement splash([&passages] { ++passages; });
        splash.demarre();
        QVERIFY(splash.isVisible());
        const QRect ecran = splash.screen()->geometry();
        QCOMPARE(splash.frameGeometry().center(), ecran.center());
        QCOMPARE(passages, 0); // not before the event loop runs
        QTRY_COMPARE(passages, 1);
        QTest::qWait(30);
        QCOMPARE(passages, 1);
    }

    void chargement_arrete_ne_passe_pas_la_main() {
        int passages = 0;
        Chargement splash([&passages] { ++passages; });
        splash.demarre();
        splash.arrete_minuterie();
        QTest::qWait(30);
        QCOMPARE(passages, 0);
    }

    void information_est_une_fenetre_fixe_sans_reduction() {
        PlateformeTest plateforme;
        QWidget principale;
        Form2 fenetre(plateforme, &principale);
        QCOMPARE(fenetre.windowTitle(), QStringLiteral("Info sur : TESSOR"));
        QCOMPARE(fenetre.size(), QSize(569, 209));
        QCOMPARE(fenetre.minimumSize(), fenetre.maximumSize());
        QVERIFY(!(fenetre.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(fenetre.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(fenetre.windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!fenetre.windowIcon().isNull());

        const struct {
            const char* nom;
            const char* texte;
            QRect zone;
        } boutons[] = {{"Command1", "Comment jouer ?", {8, 8, 241, 33}},
                       {"Command2", "Comment s'enregistrer ?", {8, 48, 241, 33}},
                       {"Command3", "Comment recevoir d'autres jeux ?", {8, 88, 241, 33}},
                       {"Command4", "A propos de TESSOR ...", {8, 128, 241, 33}},
                       {"Command5", "Retour au jeu", {8, 168, 553, 33}}};
        for (const auto& b : boutons) {
            const auto* bouton = element<QPushButton>(fenetre, b.nom);
            QCOMPARE(bouton->text(), QString::fromLatin1(b.texte));
            QCOMPARE(bouton->geometry(), b.zone);
            QCOMPARE(bouton->font().pointSizeF(), 9.75);
            QVERIFY(bouton->font().bold());
            // The caption fits inside the button.
            QVERIFY(bouton->fontMetrics().horizontalAdvance(bouton->text()) < b.zone.width() - 8);
        }
    }

    void premiere_ouverture_modale_sur_a_propos() {
        PlateformeTest plateforme;
        QWidget principale;
        principale.show();
        Form2 fenetre(plateforme, &principale);
        const QWidget* modale = nullptr;
        QStringList vues;
        QPoint centre;
        pendant_ouverture(fenetre, [&] {
            modale = QApplication::activeModalWidget();
            vues = pages_visibles(fenetre);
            centre = fenetre.frameGeometry().center();
        });
        QCOMPARE(modale, &fenetre);
        QCOMPARE(centre, fenetre.screen()->geometry().center());
        QCOMPARE(vues, QStringList{QStringLiteral("Picture4")});
        QVERIFY(!fenetre.isVisible());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void chaque_bouton_ne_laisse_que_sa_page_data() {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<QString>("page");
        for (int i = 1; i <= 4; ++i) {
            const QByteArray bouton = "Command" + QByteArray::number(i);
            QTest::newRow(bouton) << QString::fromLatin1(bouton)
                                  << QStringLiteral("Picture%1").arg(i);
        }
    }
    void chaque_bouton_ne_laisse_que_sa_page() {
        QFETCH(QString, bouton);
        QFETCH(QString, page);
        PlateformeTest plateforme;
        Form2 fenetre(plateforme, nullptr);
        QList<QStringList> vues;
        pendant_ouverture(fenetre, [&] {
            // From each other page in turn, so that a page left visible shows up.
            for (int i = 1; i <= 4; ++i) {
                clique(fenetre, QStringLiteral("Command%1").arg(i).toLatin1().constData());
                clique(fenetre, bouton.toLatin1().constData());
                vues << pages_visibles(fenetre);
            }
        });
        for (const QStringList& v : vues) {
            QCOMPARE(v, QStringList{page});
        }
    }

    void retour_au_jeu_garde_la_derniere_page() {
        PlateformeTest plateforme;
        Form2 fenetre(plateforme, nullptr);
        bool ouverte_apres_retour = true;
        pendant_ouverture(fenetre, [&] {
            clique(fenetre, "Command1");
            clique(fenetre, "Command5");
            ouverte_apres_retour = fenetre.isVisible();
        });
        QVERIFY(!ouverte_apres_retour);
        QCOMPARE(pages_a_l_ouverture(fenetre), QStringList{QStringLiteral("Picture1")});
        QCOMPARE(pages_a_l_ouverture(fenetre), QStringList{QStringLiteral("Picture1")});
    }

    void fermer_la_fenetre_vaut_retour_au_jeu_data() {
        QTest::addColumn<bool>("par_echap");
        QTest::newRow("barre de titre") << false;
        QTest::newRow("touche Echap") << true;
    }
    void fermer_la_fenetre_vaut_retour_au_jeu() {
        QFETCH(bool, par_echap);
        PlateformeTest plateforme;
        Form2 fenetre(plateforme, nullptr);
        pendant_ouverture(fenetre, [&] {
            clique(fenetre, "Command2");
            if (par_echap) {
                QTest::keyClick(&fenetre, Qt::Key_Escape);
            } else {
                fenetre.close();
            }
        });
        QVERIFY(!fenetre.isVisible());
        QCOMPARE(pages_a_l_ouverture(fenetre), QStringList{QStringLiteral("Picture2")});
    }

    void chaque_lien_ouvre_son_adresse_une_fois_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("lien");
        QTest::addColumn<bool>("courriel");
        QTest::newRow("Label33") << "Command3"
                                 << "Label33" << true;
        QTest::newRow("Label34") << "Command3"
                                 << "Label34" << false;
        QTest::newRow("Label36") << "Command4"
                                 << "Label36" << false;
        QTest::newRow("Label39") << "Command4"
                                 << "Label39" << true;
    }
    void chaque_lien_ouvre_son_adresse_une_fois() {
        QFETCH(QString, page);
        QFETCH(QString, lien);
        QFETCH(bool, courriel);
        PlateformeTest plateforme;
        Form2 fenetre(plateforme, nullptr);
        QLabel* label = element<QLabel>(fenetre, lien.toLatin1().constData());
        std::size_t apres_clic_droit = 0;
        bool visible = false;
        pendant_ouverture(fenetre, [&] {
            clique(fenetre, page.toLatin1().constData());
            visible = label->isVisible();
            QTest::mouseClick(label, Qt::RightButton);
            apres_clic_droit = plateforme.liens.size();
            QTest::mouseClick(label, Qt::LeftButton);
        });
        QVERIFY(visible);
        QCOMPARE(apres_clic_droit, std::size_t{0});
        QCOMPARE(plateforme.liens.size(), std::size_t{1});

        const QString ouvert = QString::fromStdString(plateforme.liens.front());
        const QUrl url(ouvert);
        if (courriel) {
            QCOMPARE(ouvert, QStringLiteral("mailto:") + label->text());
            QCOMPARE(url.scheme(), QStringLiteral("mailto"));
            QVERIFY(url.path().endsWith(QLatin1String("@example.org")));
        } else {
            QCOMPARE(ouvert, label->text());
            QCOMPARE(url.scheme(), QStringLiteral("https"));
            QVERIFY(url.host().endsWith(QLatin1String("example.org")));
        }
        QCOMPARE(label->cursor().shape(), Qt::UpArrowCursor);
        QVERIFY(label->font().underline());
        QCOMPARE(label->font().pointSizeF(), 8.25);
        QCOMPARE(couleur_texte(*label), QColor(0x40, 0x00, 0x00));
    }

    void relacher_hors_du_lien_n_ouvre_rien() {
        PlateformeTest plateforme;
        Form2 fenetre(plateforme, nullptr);
        pendant_ouverture(fenetre, [&] {
            QLabel* label = element<QLabel>(fenetre, "Label36");
            QTest::mousePress(label, Qt::LeftButton);
            QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(-5, -5));
        });
        QVERIFY(plateforme.liens.empty());
    }

    void les_textes_sont_simples_et_tiennent_dans_leur_page() {
        PlateformeTest plateforme;
        Form2 fenetre(plateforme, nullptr);
        for (int i = 1; i <= 4; ++i) {
            const auto* cadre = fenetre.findChild<QWidget*>(QStringLiteral("Picture%1").arg(i));
            const QWidget* interieur = cadre->findChild<QWidget*>();
            QCOMPARE(interieur->size(), QSize(303, 151));
            const QList<QLabel*> labels = interieur->findChildren<QLabel*>();
            QVERIFY(labels.size() >= 5);
            for (const QLabel* label : labels) {
                if (label->text().isEmpty()) {
                    continue; // the maker's logo
                }
                const QString quoi = cadre->objectName() + QLatin1String(": ") + label->text();
                QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(quoi));
                const QRect texte = zone_du_texte(*label);
                QVERIFY2(interieur->rect().contains(texte), qPrintable(quoi));
                // The last line stands on a baseline inside the label (a large title has no
                // room for descenders under it, and needs none).
                QVERIFY2(texte.height() - label->fontMetrics().descent() <= label->height(),
                         qPrintable(quoi));
                for (const QLabel* autre : labels) {
                    QVERIFY2(autre == label || !texte.intersects(zone_du_texte(*autre)),
                             qPrintable(quoi + QLatin1String(" / ") + autre->text()));
                }
            }
        }
    }

    // Pictures of the windows as the player sees them; with TESSOR_CAPTURES set to a folder,
    // they are also written there.
    void captures_des_fenetres() {
        const QString dossier = qEnvironmentVariable("TESSOR_CAPTURES");
        Chargement splash([] {});
        const QImage chargement = splash.grab().toImage();
        QCOMPARE(chargement.size(), QSize(306, 180));
        if (!dossier.isEmpty()) {
            QVERIFY(chargement.save(QDir(dossier).filePath(QStringLiteral("splash.png"))));
        }

        PlateformeTest plateforme;
        Form2 fenetre(plateforme, nullptr);
        const char* noms[] = {"jouer", "enregistrer", "jeux", "a_propos"};
        for (int i = 1; i <= 4; ++i) {
            element<QPushButton>(fenetre, QStringLiteral("Command%1").arg(i).toLatin1())->click();
            const QImage image = fenetre.grab().toImage();
            QCOMPARE(image.size(), QSize(569, 209));
            QCOMPARE(image.pixelColor(252, 4), QColor(0xFF, 0x00, 0x00));
            QCOMPARE(image.pixelColor(256, 8), QColor(Qt::black)); // the page's border
            QCOMPARE(image.pixelColor(258, 158), QColor(0xC0, 0xC0, 0xC0));
            if (!dossier.isEmpty()) {
                const QString fichier = QStringLiteral("information_%1.png").arg(noms[i - 1]);
                QVERIFY(image.save(QDir(dossier).filePath(fichier)));
            }
        }
    }
};

QTEST_MAIN(TestInformation)
#include "test_information.moc"
