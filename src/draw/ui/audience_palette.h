#pragma once
// The colours of the audience screen: light on a dark hall screen, the drawn
// balls in the same yellow as on the operator's board.

#include <QColor>
#include <array>

#include "draw/ball.h"
#include "draw/ui/drawn_number_palette.h"

namespace tavelao::draw {

inline const QColor kAudienceBackground(10, 17, 40);
inline const QColor kAudiencePanel(26, 36, 66);  // title band, counter, the undrawn cells
inline const QColor kAudienceDrawnCell = kDrawnCellColour;
inline const QColor kAudienceUndrawnCell = kAudiencePanel;
inline const QColor kAudienceDrawnDigits(0, 0, 0);
inline const QColor kAudienceUndrawnDigits(96, 112, 150);
inline const QColor kAudienceText(255, 255, 255);
inline const QColor kAudienceCaption(150, 165, 200);
inline const QColor kAudienceGold(255, 200, 60);
inline const QColor kAudienceAnnouncement(200, 20, 30);

// One colour per line of the board, behind its title letter.
inline const std::array<QColor, kColumnCount> kAudienceLetterColours = {
    QColor(30, 110, 230), QColor(220, 40, 50), QColor(120, 60, 200), QColor(30, 150, 70), QColor(240, 120, 0)};

}  // namespace tavelao::draw
