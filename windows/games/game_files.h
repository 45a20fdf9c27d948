// Games kept as files: "Save Game…", "Open Game…" and "Resume Last Game"
// in the Options menu of both views, the same opening for a file named on
// the command line and for a game pasted in, and the dialog that tells why
// a game could not be saved or opened.
#pragma once

#include "notation.h"

#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QWidget;

namespace vintrel {

class Autosave;
class BoardWindow;
class GameModel;
class ViewPair;

class GameFiles : public QObject {
    Q_OBJECT
public:
    // `game` gives the game on the board as text.
    GameFiles(ViewPair& views, GameModel& model, Autosave& autosave, std::function<GameText()> game);

    // Each says why it failed in a dialog and on standard error, and then
    // leaves the game on the board as it was.
    bool open(const QString& path);
    bool openText(const QByteArray& text, const QString& source);
    bool resume();
    bool save(const QString& path);

    GameText gameText() const { return game_(); }
    static QString fileFilter();

private:
    // The game on the board becomes `game`, kept in the autosave at once.
    void replace(GameText game);
    void addItems(BoardWindow& window);
    void chooseFile(bool saving);
    void updateResume();
    void showError(const QString& message);
    QWidget* dialogParent() const;

    ViewPair& views_;
    GameModel& model_;
    Autosave& autosave_;
    std::function<GameText()> game_;
    QList<QAction*> resumeItems_;
};

}  // namespace vintrel
