#include "services_qt.h"

#include "passage.h"

#include "ecran/ecran.h"

#include <QDesktopServices>
#include <QFutureInterface>
#include <QFutureWatcher>
#include <QMessageBox>
#include <QPushButton>
#include <QRunnable>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace tessor {

ServicesQt::ServicesQt(QWidget& fenetre, std::function<void()> synchronise, bool pauses)
    : fenetre_(fenetre), synchronise_(std::move(synchronise)), pauses_(pauses) {}

void ServicesQt::attend(int ms, std::function<void()> suite) {
    QTimer::singleShot(pauses_ ? ms : 0, &fenetre_, [this, suite = std::move(suite)] {
        suite();
        synchronise_();
    });
}

namespace {

// One decision on a thread of the pool. It is built whole on the window's thread and handed over
// before it starts; its end is reported through its future once everything it wrote is handed
// back, so that the watcher's `finished` sees it all. The hand-over back is named by the watcher,
// which lives until `finished` has run: the pool deletes the task after its run, and the
// sanitizer forgets what was handed over in memory that is freed. A decision told to stop before
// it starts does not run.
class Tache : public QRunnable {
  public:
    Tache(std::function<void(const std::atomic<bool>&)> travail, void* jeton)
        : travail_(std::move(travail)), jeton_(jeton) {
        promesse_.reportStarted();
    }
    QFuture<void> future() { return promesse_.future(); }
    std::shared_ptr<std::atomic<bool>> arret() const { return arret_; }
    void run() override {
        passage::recoit(this);
        if (!arret_->load()) {
            travail_(*arret_);
        }
        passage::donne(jeton_);
        promesse_.reportFinished();
    }

  private:
    std::function<void(const std::atomic<bool>&)> travail_;
    void* jeton_;
    std::shared_ptr<std::atomic<bool>> arret_ = std::make_shared<std::atomic<bool>>(false);
    QFutureInterface<void> promesse_;
};

} // namespace

std::shared_ptr<std::atomic<bool>>
ServicesQt::calcule(std::function<void(const std::atomic<bool>&)> travail,
                    std::function<void()> suite) {
    auto* veilleur = new QFutureWatcher<void>(&fenetre_);
    auto* tache = new Tache(std::move(travail), veilleur);
    QObject::connect(veilleur, &QFutureWatcher<void>::finished, &fenetre_,
                     [this, veilleur, suite = std::move(suite)] {
                         passage::recoit(veilleur);
                         veilleur->deleteLater();
                         suite();
                         synchronise_();
                     });
    veilleur->setFuture(tache->future());
    std::shared_ptr<std::atomic<bool>> arret = tache->arret();
    passage::donne(tache);
    pool_.start(tache);
    return arret;
}

namespace {

// A box titled "Tessor", modal to the window, with its text as plain text. Once it is answered,
// the window takes the keyboard back, as a window manager would give it (without one the keys
// would otherwise go nowhere), and `fin` reads the answer. The box goes with the window if the
// window goes first, and its answer then never comes.
QMessageBox* boite(QWidget& fenetre, QMessageBox::Icon icone, const std::string& texte,
                   std::function<void(QMessageBox&)> fin) {
    auto* b = new QMessageBox(icone, QStringLiteral("Tessor"), QString::fromStdString(texte),
                              QMessageBox::NoButton, &fenetre);
    b->setTextFormat(Qt::PlainText);
    QObject::connect(b, &QDialog::finished, &fenetre, [&fenetre, b, fin = std::move(fin)] {
        b->deleteLater();
        fenetre.activateWindow();
        fin(*b);
    });
    return b;
}

// Beside the board: the box's left edge on the side panels' (the board never reaches past it),
// the box centred over the panel when it is narrow enough, and centred on the window's height.
void place_a_cote(QMessageBox& boite, const QWidget& fenetre) {
    const QSize taille = boite.sizeHint();
    const int libre = LARGEUR_FENETRE - LEFT_PANNEAUX;
    const QPoint coin(LEFT_PANNEAUX + std::max(0, (libre - taille.width()) / 2),
                      (HAUTEUR_FENETRE - taille.height()) / 2);
    boite.move(fenetre.mapToGlobal(coin));
}

} // namespace

// The window is brought up to date first, so the player sees the board the question is about.
// Return answers "Oui", Escape and the box's own close "Non".
void ServicesQt::question(const std::string& texte, std::function<void(bool)> reponse,
                          Place place) {
    synchronise_();
    QMessageBox* b = boite(fenetre_, QMessageBox::NoIcon, texte,
                           [this, reponse = std::move(reponse)](QMessageBox& repondue) {
                               QAbstractButton* bouton = repondue.clickedButton();
                               reponse(repondue.buttonRole(bouton) == QMessageBox::YesRole);
                               synchronise_();
                           });
    QPushButton* oui = b->addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
    b->setEscapeButton(b->addButton(QStringLiteral("Non"), QMessageBox::NoRole));
    b->setDefaultButton(oui);
    if (place == Place::a_cote_du_plateau) {
        place_a_cote(*b, fenetre_);
    }
    b->open();
}

void ServicesQt::avertit(const std::string& texte) {
    synchronise_();
    QMessageBox* b =
        boite(fenetre_, QMessageBox::Warning, texte, [this](QMessageBox&) { synchronise_(); });
    b->addButton(QMessageBox::Ok);
    b->open();
}

void ServicesQt::ouvre_lien(const std::string& lien) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(lien)));
}

} // namespace tessor
