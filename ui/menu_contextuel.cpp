#include "menu_contextuel.h"

#include <QActionGroup>
#include <QKeySequence>
#include <QList>
#include <QMenu>
#include <QWidget>

namespace tessor {

namespace {

QAction* action(QWidget* fenetre, QMenu* menu, const QString& texte, const QString& nom,
                const QList<QKeySequence>& raccourcis = {}) {
    auto* a = new QAction(texte, fenetre);
    a->setObjectName(nom);
    a->setShortcuts(raccourcis);
    a->setAutoRepeat(false);
    fenetre->addAction(a);
    if (menu != nullptr) {
        menu->addAction(a);
    }
    return a;
}

QAction* case_a_cocher(QAction* a) {
    a->setCheckable(true);
    return a;
}

} // namespace

MenuContextuel construit_menu_contextuel(QWidget* fenetre) {
    MenuContextuel m;
    m.menu = new QMenu(fenetre);
    m.menu->setObjectName(QStringLiteral("menu_contextuel"));
    QMenu* menu = m.menu;
    m.annuler = action(fenetre, menu, QStringLiteral("Annuler"), QStringLiteral("annuler"),
                       {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    m.retablir = action(
        fenetre, menu, QStringLiteral("Rétablir"), QStringLiteral("retablir"),
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    m.nouvelle_partie =
        action(fenetre, menu, QStringLiteral("Nouvelle partie"), QStringLiteral("nouvelle_partie"),
               {QKeySequence(Qt::CTRL | Qt::Key_N)});
    menu->addSeparator();
    m.dernier_coup = case_a_cocher(action(fenetre, menu, QStringLiteral("Montrer le dernier coup"),
                                          QStringLiteral("dernier_coup")));
    QMenu* vitesse = menu->addMenu(QStringLiteral("Vitesse de l'ordinateur"));
    auto* groupe = new QActionGroup(vitesse);
    const std::array<const char*, NB_VITESSES> noms{"Lente", "Normale", "Rapide", "Instantanée"};
    for (int k = 0; k < NB_VITESSES; ++k) {
        m.vitesses[k] = case_a_cocher(action(fenetre, vitesse, QString::fromUtf8(noms[k]),
                                             QStringLiteral("vitesse(%1)").arg(k)));
        groupe->addAction(m.vitesses[k]);
    }
    m.pause = case_a_cocher(action(fenetre, menu, QStringLiteral("Pause"), QStringLiteral("pause"),
                                   {QKeySequence(Qt::Key_P), QKeySequence(Qt::Key_Pause)}));
    menu->addSeparator();
    m.copier = action(fenetre, menu, QStringLiteral("Copier la partie"), QStringLiteral("copier"),
                      {QKeySequence(Qt::CTRL | Qt::Key_C)});
    m.coller = action(fenetre, menu, QStringLiteral("Coller une partie"), QStringLiteral("coller"),
                      {QKeySequence(Qt::CTRL | Qt::Key_V)});
    menu->addSeparator();
    m.reglages_d_origine = action(fenetre, menu, QStringLiteral("Réglages d'origine"),
                                  QStringLiteral("reglages_d_origine"));
    m.ouvrir = action(fenetre, nullptr, QString(), QStringLiteral("ouvrir_menu"),
                      {QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    return m;
}

} // namespace tessor
