// The main window's context menu: its actions, their state after every change, the clipboard's
// records, the remembered settings and the minimised window.
#include "fenetre_principale.h"

#include "enregistrement_json.h"
#include "memoire.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QJsonDocument>
#include <QMenu>
#include <QSettings>

namespace tessor {

void FenetrePrincipale::connecte_menu_contextuel() {
    const MenuContextuel& m = menu_contextuel_;
    const auto relie = [this](QAction* a, void (Controleur::*action)()) {
        connect(a, &QAction::triggered, this,
                [this, action] { agit([this, action] { (controleur_.*action)(); }); });
    };
    relie(m.annuler, &Controleur::annule);
    relie(m.retablir, &Controleur::retablit);
    relie(m.nouvelle_partie, &Controleur::nouvelle_partie);
    relie(m.dernier_coup, &Controleur::bascule_dernier_coup);
    relie(m.pause, &Controleur::bascule_pause);
    for (int k = 0; k < NB_VITESSES; ++k) {
        connect(m.vitesses[k], &QAction::triggered, this, [this, k] {
            agit([this, k] { controleur_.change_vitesse(static_cast<Vitesse>(k)); });
        });
    }
    connect(m.reglages_d_origine, &QAction::triggered, this,
            [this] { agit([this] { controleur_.applique(Reglages{}); }); });
    connect(m.copier, &QAction::triggered, this, [this] {
        const QJsonDocument document(json_enregistrement(controleur_.partie().enregistrement()));
        QApplication::clipboard()->setText(
            QString::fromUtf8(document.toJson(QJsonDocument::Compact)));
    });
    connect(m.coller, &QAction::triggered, this, [this] { colle(); });
    connect(m.ouvrir, &QAction::triggered, this, [this] {
        const QWidget* focus = focusWidget() != nullptr ? focusWidget() : this;
        menu_contextuel_.menu->popup(focus->mapToGlobal(focus->rect().center()));
    });
}

void FenetrePrincipale::colle() {
    QString faute;
    const std::optional<Enregistrement> e =
        lit_texte_enregistrement(QApplication::clipboard()->text(), faute);
    agit([&] {
        e ? controleur_.colle(*e) : controleur_.refuse_enregistrement(faute.toStdString());
    });
}

// The menu opens once the press that asked for it has been handled: opened during it, the menu
// may be handed that same press too, take it for a click outside itself and close at once.
void FenetrePrincipale::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = menu_contextuel_.menu;
    QMetaObject::invokeMethod(
        menu, [menu, ou = event->globalPos()] { menu->popup(ou); }, Qt::QueuedConnection);
}

void FenetrePrincipale::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        agit([this] { controleur_.fenetre_reduite(isMinimized()); });
    }
    QWidget::changeEvent(event);
}

// What the menu offers follows the game: taking back and redoing as the game allows, a game to
// copy only while one shows, the original settings on the options screen. Pause shows in the
// window's title too, as the menu is closed while the game waits.
void FenetrePrincipale::synchronise_menu_contextuel() {
    const MenuContextuel& m = menu_contextuel_;
    const Controleur& c = controleur_;
    m.annuler->setEnabled(c.peut_annuler());
    m.retablir->setEnabled(c.peut_retablir());
    m.dernier_coup->setChecked(c.options().dernier_coup);
    m.vitesses[static_cast<std::size_t>(c.options().vitesse)]->setChecked(true);
    m.pause->setEnabled(c.pause_possible());
    m.pause->setChecked(c.en_pause());
    m.copier->setEnabled(c.jeu().en_partie());
    m.reglages_d_origine->setEnabled(c.reglable());
    setWindowTitle(c.en_pause() ? QStringLiteral("Tessor (pause)") : QStringLiteral("Tessor"));
}

void FenetrePrincipale::memorise() {
    const Reglages reglages = controleur_.reglages();
    if (memoire_ != nullptr && reglages != memorises_) {
        ecrit_reglages(*memoire_, reglages);
        memorises_ = reglages;
    }
}

} // namespace tessor
