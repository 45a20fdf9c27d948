// The widgets of one view's board, built from its view table: the lines,
// the background, the panels, the buttons, the hundred cells, an arrow
// over them and the copy of a held man, stacked as the table says.
#pragma once

#include "elements.h"
#include "view_table.h"

#include <QList>

#include <array>

class QLabel;
class QPushButton;

namespace vintrel {

struct BoardWidgets {
    QWidget* board = nullptr;
    std::array<CellBox*, CellCount> cells{};
    std::array<LineWidget*, 4> frame{};
    std::array<LineWidget*, 4> colourLines{};
    QList<QLabel*> background;
    QLabel* lblInfo = nullptr;
    QLabel* lblRules = nullptr;
    QLabel* lblOVER = nullptr;
    QLabel* lblabout = nullptr;
    QPushButton* cmdShowCom = nullptr;
    QPushButton* cmdReset = nullptr;
    QPushButton* cmdHideRules = nullptr;
    QPushButton* cmdokabout = nullptr;
    QLabel* dragImage = nullptr;
    ArrowWidget* arrow = nullptr;
};

// Builds the board of `view` as a child of `parent`. Texts are translated
// in the board window's context, where the catalogues keep them.
BoardWidgets BuildBoard(QWidget* parent, const ViewTable& view);

// Paints a widget's role in a colour of the board's own.
void Paint(QWidget* widget, QPalette::ColorRole role, const QColor& colour);

}  // namespace vintrel
