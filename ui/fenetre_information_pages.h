// The four pages of the information window: how to play, free distribution, the maker's other
// games and about. Each fills the inside of its page, 303 x 151 pixels within the border.
#pragma once

class QWidget;

namespace tessor::info {

void remplit_page_jouer(QWidget& page);
void remplit_page_enregistrer(QWidget& page);
void remplit_page_jeux(QWidget& page);
void remplit_page_a_propos(QWidget& page);

} // namespace tessor::info
