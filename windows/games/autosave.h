// Keeps the game on the board in last-game.vintrel, in the program's data
// folder, after every move and take back. Each write replaces the file
// whole, on a thread of its own, so that a program killed at any instant
// leaves the game as it stood a move ago and no frame waits for the disk.
// One write is under way at a time, and only the newest game waits for
// it: moves quicker than the disk skip the games they overtook, rather
// than pile up writes for the program to wait on when it ends.
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
    // Replaces `file` whole with `text`; empty, or what went wrong.
    using WriteFile = std::function<QString(const QString& file, const QByteArray& text)>;

    // `text` gives the game in the notation; `write`, called on the
    // autosave's thread, stands in for the disk in tests.
    Autosave(GameModel& model, std::function<std::string()> text, WriteFile write = WriteWhole);
    // Waits for the writes asked for so far.
    ~Autosave() override;

    static QString path();
    // The moves of the game the file holds, or is about to.
    const std::vector<PlayedMove>& savedMoves() const { return savedMoves_; }
    // What was wrong with a file found at start that was no game, and was
    // renamed last-game.vintrel.bad.
    const std::optional<QString>& setAside() const { return setAside_; }
    // Keeps the game: written now, or once the write under way has ended.
    void save();
    // Returns once the newest game asked for is written.
    void flush();

    static QString WriteWhole(const QString& file, const QByteArray& text);

signals:
    void savedMovesChanged();

private:
    struct Write {
        QString file;
        QByteArray text;
    };

    void readSavedMoves();
    void startWrite();
    void written(const QString& file, const QString& error);
    void reportFailure(const QString& error);

    GameModel& model_;
    std::function<std::string()> text_;
    std::vector<PlayedMove> savedMoves_;
    std::optional<QString> setAside_;
    WriteFile write_;
    QThread thread_;
    QObject* writer_;
    // The newest game, not yet handed to the writer.
    std::optional<Write> waiting_;
    bool writing_ = false;
    bool failureReported_ = false;
};

}  // namespace vintrel
