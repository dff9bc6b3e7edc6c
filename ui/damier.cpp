#include "damier.h"

#include "accessibilite.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPointer>

#include <map>

namespace tessor {

namespace {

constexpr int COTE = Geometrie::TAILLE_CASE;

// One square of the board: a cell of its table, which is not an object of its own.
class CaseAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    CaseAccessible(Damier* damier, int ligne, int colonne)
        : damier_(damier), ligne_(ligne), colonne_(colonne) {}

    bool isValid() const override {
        return damier_ && ligne_ < damier_->lignes() && colonne_ < damier_->colonnes();
    }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(damier_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? damier_->texte(ligne_, colonne_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        return {damier_->mapToGlobal(QPoint(colonne_ * COTE, ligne_ * COTE)),
                QSize(COTE + 1, COTE + 1)};
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.focusable = true;
        s.focused = damier_->hasFocus() &&
                    damier_->case_du_curseur() == ligne_ * damier_->colonnes() + colonne_;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return colonne_; }
    int rowIndex() const override { return ligne_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

  private:
    QPointer<Damier> damier_;
    int ligne_;
    int colonne_;
};

// The board's table: rows and columns numbered from 1 as on the board, nothing selectable. Its
// cells are made on demand and kept, registered, until the table goes.
class PlateauAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit PlateauAccessible(Damier* damier) : QAccessibleWidget(damier, QAccessible::Table) {}
    PlateauAccessible(const PlateauAccessible&) = delete;
    PlateauAccessible& operator=(const PlateauAccessible&) = delete;
    ~PlateauAccessible() override {
        for (const auto& [indice, id] : cases_) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    int childCount() const override { return rowCount() * columnCount(); }
    QAccessibleInterface* child(int i) const override {
        return i >= 0 && i < childCount() ? cellAt(i / columnCount(), i % columnCount()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* enfant) const override {
        auto* c = const_cast<QAccessibleInterface*>(enfant)->tableCellInterface();
        return c != nullptr ? c->rowIndex() * columnCount() + c->columnIndex() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint p = damier()->mapFromGlobal(QPoint(x, y));
        return p.x() >= 0 && p.y() >= 0 ? cellAt(p.y() / COTE, p.x() / COTE) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return damier()->hasFocus() ? child(damier()->case_du_curseur()) : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                : QAccessibleWidget::interface_cast(t);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int ligne, int colonne) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int colonne) const override { return QString::number(colonne + 1); }
    QString rowDescription(int ligne) const override { return QString::number(ligne + 1); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return damier()->colonnes(); }
    int rowCount() const override { return damier()->lignes(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

  private:
    Damier* damier() const { return static_cast<Damier*>(widget()); }

    mutable std::map<std::pair<int, int>, QAccessible::Id> cases_;
};

QAccessibleInterface* PlateauAccessible::cellAt(int ligne, int colonne) const {
    if (ligne < 0 || colonne < 0 || ligne >= rowCount() || colonne >= columnCount()) {
        return nullptr;
    }
    auto [place, nouvelle] = cases_.try_emplace({ligne, colonne}, 0);
    if (nouvelle) {
        place->second =
            QAccessible::registerAccessibleInterface(new CaseAccessible(damier(), ligne, colonne));
    }
    return QAccessible::accessibleInterface(place->second);
}

} // namespace

Damier::Damier(QWidget* fenetre, const Controleur& controleur)
    : QWidget(fenetre), controleur_(controleur) {
    installe_accessibilite();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(QStringLiteral("Plateau"));
    setAccessibleDescription(QStringLiteral(
        "Flèches : déplacer le curseur. Entrée ou Espace : jouer sur la case du curseur."));
}

QString Damier::texte(int ligne, int colonne) const {
    return QString::fromStdString(controleur_.texte_case(case_numero(colonne, ligne)));
}

int Damier::case_du_curseur() const {
    const Curseur& c = controleur_.curseur();
    const Case p = c.position();
    return c.montre() ? (p.y - PREMIERE_CASE) * colonnes() + p.x - PREMIERE_CASE : -1;
}

void Damier::synchronise() {
    const Geometrie& g = controleur_.geometrie();
    setGeometry(g.origine_x(), g.origine_y(), colonnes() * COTE + 1, lignes() * COTE + 1);
    setVisible(!controleur_.ecran().options.visible);
    annonce();
}

// During a game, only squares whose text changed are told, the whole table when the board's size
// changed, and the cursor's square once the cursor moves there.
void Damier::annonce() {
    if (!QAccessible::isActive() || isHidden()) {
        return;
    }
    QStringList textes;
    for (int i = 0; i < lignes() * colonnes(); ++i) {
        textes << texte(i / colonnes(), i % colonnes());
    }
    if (textes.size() != textes_.size()) {
        QAccessibleTableModelChangeEvent remise(this, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&remise);
    }
    for (int i = 0; i < textes.size() && textes.size() == textes_.size(); ++i) {
        if (textes_[i] != textes[i]) {
            QAccessibleEvent changement(this, QAccessible::NameChanged);
            changement.setChild(i);
            QAccessible::updateAccessibility(&changement);
        }
    }
    textes_ = textes;
    if (hasFocus() && case_du_curseur() >= 0 && case_du_curseur() != curseur_) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(case_du_curseur());
        QAccessible::updateAccessibility(&focus);
    }
    curseur_ = case_du_curseur();
}

void Damier::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        emit espace();
    } else {
        QWidget::keyPressEvent(event);
    }
}

QAccessibleInterface* accessible_damier(Damier* damier) {
    return new PlateauAccessible(damier);
}

} // namespace tessor
