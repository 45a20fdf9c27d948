// Keeps the game on the board in last-game.vintrel, in the program's data
// folder, after every move and take back. Each write replaces the file
// whole, on a thread of its own, so that a program killed at any instant
// leaves the game as it stood a move ago and no frame waits for the disk.
#pragma once

#include "game.h"

#include <QObject>
#include <QThread>

#include <functional>
#include <optional>
#include <vector>

namespace vintrel {

class GameModel;

class Autosave : public QObject {
    Q_OBJECT
public:
    // `text` gives the game in the notation.
    Autosave(GameModel& model, std::function<std::string()> text);
    // Waits for the writes asked for so far.
    ~Autosave() override;

    static QString path();
    // The moves of the game the file holds, or is about to.
    const std::vector<PlayedMove>& savedMoves() const { return savedMoves_; }
    // What was wrong with a file found at start that was no game, and was
    // renamed last-game.vintrel.bad.
    const std::optional<QString>& setAside() const { return setAside_; }
    // Writes the game now.
    void save();
    // Returns once every write asked for has ended.
    void flush();

signals:
    void savedMovesChanged();

private:
    void readSavedMoves();
    void reportFailure(const QString& error);

    GameModel& model_;
    std::function<std::string()> text_;
    std::vector<PlayedMove> savedMoves_;
    std::optional<QString> setAside_;
    QThread thread_;
    QObject* writer_;
    bool failureReported_ = false;
};

}  // namespace vintrel
