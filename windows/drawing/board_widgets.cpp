#include "board_widgets.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

namespace vintrel {
namespace {

using namespace layout;

QString ArrayName(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QString Translated(const char* text) { return QCoreApplication::translate("vintrel::BoardWindow", text); }

QFont FontOf(const FontSpec& spec) {
    QFont font(QString::fromLatin1(spec.family));
    // Where the named face is missing, the system's stand-in is wider and
    // "GAME OVER!!" would wrap onto a line its label has no room for; the
    // faces of Arial's measure keep every caption whole.
    font.setFamilies({QString::fromLatin1(spec.family), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans")});
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    return font;
}

class Builder {
public:
    Builder(QWidget* parent, const ViewTable& view) : view_(view) {
        w_.board = new QWidget(parent);
        w_.board->setObjectName(QStringLiteral("board"));
        w_.board->setFixedSize(ClientWidth / TwipsPerPixel, ClientHeight / TwipsPerPixel);
        w_.board->setAutoFillBackground(true);
        Paint(w_.board, QPalette::Window, White.colour());
    }

    BoardWidgets build() {
        buildLines();
        buildPanels();
        buildButtons();
        buildCells();
        buildDragImage();
        w_.arrow = new ArrowWidget(w_.board);
        w_.arrow->setObjectName(QStringLiteral("arrow"));
        applyStacking();
        return w_;
    }

private:
    LineWidget* addLine(const QString& name, const QLineF& line, int width) {
        auto* widget = new LineWidget(w_.board, line, width);
        widget->setObjectName(name);
        return widget;
    }

    void buildLines() {
        for (int i = 0; i < 11; ++i) {
            addLine(ArrayName("lnlin", i), GridDownRight[i].pixels(), 1);
            addLine(ArrayName("lnin", i), GridDownLeft[i].pixels(), 1);
        }
        for (int i = 0; i < 4; ++i) {
            w_.frame[i] = addLine(ArrayName("lnBlack", i), view_.frame[i].pixels(), FrameWidth);
            w_.colourLines[i] = addLine(ArrayName("lnColor", i), ColourLines[i].line.pixels(),
                                        ColourLines[i].widthInPixels);
        }
        for (int i = 0; i < 3; ++i) addLine(QStringLiteral("Line%1").arg(i + 1), Monogram[i].pixels(), MonogramWidth);
        for (int i = 0; i < int(view_.background.size()); ++i) {
            auto* piece = new QLabel(w_.board);
            piece->setObjectName(ArrayName("lblBG", i));
            piece->setGeometry(view_.background[i].pixels());
            piece->setAutoFillBackground(true);
            w_.background << piece;
        }
    }

    void buildPanels() {
        std::array<QLabel*, 4> panels{};
        for (std::size_t i = 0; i < panels.size(); ++i) {
            const ControlSpec& spec = view_.panels[i];
            auto* label = new QLabel(Translated(spec.text), w_.board);
            label->setObjectName(QLatin1String(spec.name));
            label->setGeometry(spec.place.pixels());
            label->setAutoFillBackground(true);
            Paint(label, QPalette::Window, spec.back.colour());
            label->setFont(FontOf(spec.font));
            label->setAlignment(spec.alignment);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            panels[i] = label;
        }
        w_.lblInfo = panels[0];
        w_.lblRules = panels[1];
        w_.lblOVER = panels[2];
        w_.lblabout = panels[3];
    }

    void buildButtons() {
        std::array<QPushButton*, 4> buttons{};
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            const ControlSpec& spec = view_.buttons[i];
            auto* button = new QPushButton(Translated(spec.text), w_.board);
            button->setObjectName(QLatin1String(spec.name));
            button->setGeometry(spec.place.pixels());
            Paint(button, QPalette::Button, spec.back.colour());
            button->setFont(FontOf(spec.font));
            // Tab reaches a button while it is shown; a click leaves the
            // focus on the board.
            button->setFocusPolicy(Qt::TabFocus);
            buttons[i] = button;
        }
        w_.cmdShowCom = buttons[0];
        w_.cmdReset = buttons[1];
        w_.cmdHideRules = buttons[2];
        w_.cmdokabout = buttons[3];
        w_.cmdReset->setToolTip(Translated(view_.resetButtonToolTip));
    }

    void buildCells() {
        for (Cell i = 0; i < CellCount; ++i) {
            auto* box = new CellBox(w_.board, i);
            box->setObjectName(ArrayName(view_.cellArrayName, i));
            box->move(CellPlace(i, view_.turnedHalfRound).pixels().topLeft());
            w_.cells[i] = box;
        }
    }

    void buildDragImage() {
        w_.dragImage = new QLabel(w_.board);
        w_.dragImage->setObjectName(QStringLiteral("dragImage"));
        w_.dragImage->setAttribute(Qt::WA_TransparentForMouseEvents);
        w_.dragImage->resize(CellSize / TwipsPerPixel, CellSize / TwipsPerPixel);
        w_.dragImage->hide();
    }

    QWidget* element(const QString& name) const {
        return w_.board->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
    }

    void applyStacking() {
        // Raising from the back forwards leaves the first run in front.
        for (auto run = view_.stacking.rbegin(); run != view_.stacking.rend(); ++run) {
            if (run->first < 0) {
                element(QLatin1String(run->name))->raise();
                continue;
            }
            const int step = run->first <= run->last ? 1 : -1;
            for (int i = run->last;; i -= step) {
                element(ArrayName(run->name, i))->raise();
                if (i == run->first) break;
            }
        }
        // Cells and buttons stand above every label and line.
        for (CellBox* box : w_.cells) box->raise();
        w_.arrow->raise();
        for (QWidget* button : {w_.cmdShowCom, w_.cmdReset, w_.cmdHideRules, w_.cmdokabout}) button->raise();
        w_.dragImage->raise();
    }

    const ViewTable& view_;
    BoardWidgets w_;
};

}  // namespace

void Paint(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

BoardWidgets BuildBoard(QWidget* parent, const ViewTable& view) { return Builder(parent, view).build(); }

}  // namespace vintrel
