#include "ordonnanceur_qt.h"

#include "passage.h"

#include <QFutureInterface>
#include <QFutureWatcher>
#include <QRunnable>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace tessor {

OrdonnanceurQt::OrdonnanceurQt(QWidget& fenetre, std::function<void()> synchronise, bool pauses)
    : fenetre_(fenetre), synchronise_(std::move(synchronise)), pauses_(pauses) {}

void OrdonnanceurQt::attend(int ms, std::function<void()> suite) {
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
// sanitizer forgets what was handed over in memory that is freed.
class Tache : public QRunnable {
  public:
    Tache(std::function<void()> travail, void* jeton)
        : travail_(std::move(travail)), jeton_(jeton) {
        promesse_.reportStarted();
    }
    QFuture<void> future() { return promesse_.future(); }
    void run() override {
        passage::recoit(this);
        travail_();
        passage::donne(jeton_);
        promesse_.reportFinished();
    }

  private:
    std::function<void()> travail_;
    void* jeton_;
    QFutureInterface<void> promesse_;
};

} // namespace

void OrdonnanceurQt::calcule(std::function<void()> travail, std::function<void()> suite) {
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
    passage::donne(tache);
    pool_.start(tache);
}

} // namespace tessor
