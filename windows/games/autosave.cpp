#include "autosave.h"

#include "game_model.h"
#include "notation.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstdio>
#include <utility>
#include <variant>

namespace vintrel {
namespace {

// A write killed half way leaves its temporary beside the game, under the
// game's name and six letters of QSaveFile's choosing. None is read as a
// game, but each would stay for good.
void RemoveKilledWrites(const QString& path) {
    const QFileInfo game(path);
    const QDir folder = game.dir();
    for (const QString& name : folder.entryList({game.fileName() + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden))
        QFile::remove(folder.filePath(name));
}

// The moves of the game in the file, or what is wrong with it, told as
// a bad file opened is told.
std::variant<std::vector<PlayedMove>, QString> ReadKeptGame(const QString& path) {
    QFile file(path);
    if (QFileInfo(path).isDir()) return Autosave::tr("%1: a folder, not a game").arg(path);
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("%1: %2").arg(path, file.errorString());
    // One byte past the limit is enough for the reader to refuse the rest.
    const QByteArray text = file.read(qint64(MaxGameTextBytes) + 1);
    const ReadResult read = ReadGame(std::string_view(text.constData(), std::size_t(text.size())));
    if (!read.game) return QString::fromStdString(read.error->describe(path.toStdString()));
    return read.game->moves;
}

}  // namespace

QString Autosave::WriteWhole(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        return file.errorString();
    return {};
}

Autosave::Autosave(GameModel& model, std::function<std::string()> text, WriteFile write)
    : model_(model), text_(std::move(text)), write_(std::move(write)), writer_(new QObject) {
    writer_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, writer_, &QObject::deleteLater);
    thread_.start();
    RemoveKilledWrites(path());
    readSavedMoves();
    // A new game keeps the last one in the file until its first move.
    connect(&model, &GameModel::moved, this, &Autosave::save);
    connect(&model, &GameModel::tookBack, this, &Autosave::save);
    connect(&model, &GameModel::loaded, this, &Autosave::save);
}

Autosave::~Autosave() {
    flush();
    thread_.quit();
    thread_.wait();
}

QString Autosave::path() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/last-game.vintrel");
}

// A file that is no game is set aside rather than written over: it may
// be a game damaged by hand, or a file of someone else's.
void Autosave::readSavedMoves() {
    const QString file = path();
    if (!QFileInfo::exists(file)) return;
    auto read = ReadKeptGame(file);
    if (auto* moves = std::get_if<std::vector<PlayedMove>>(&read)) {
        savedMoves_ = std::move(*moves);
        return;
    }
    const QString aside = file + QStringLiteral(".bad");
    if (QFileInfo(aside).isDir()) QDir(aside).removeRecursively();
    QFile::remove(aside);
    const bool moved = QDir().rename(file, aside);
    setAside_ = std::get<QString>(read) + (moved ? tr(" (kept as %1)").arg(aside) : QString());
    std::fprintf(stderr, "vintrel: %s\n", qPrintable(*setAside_));
}

void Autosave::save() {
    savedMoves_ = model_.game().moves();
    emit savedMovesChanged();
    waiting_ = Write{path(), QByteArray::fromStdString(text_())};
    if (!writing_) startWrite();
}

void Autosave::startWrite() {
    writing_ = true;
    QMetaObject::invokeMethod(writer_, [this, write = *std::exchange(waiting_, std::nullopt)] {
        const QString error = write_(write.file, write.text);
        QMetaObject::invokeMethod(this, [this, file = write.file, error] {
            writing_ = false;
            written(file, error);
            if (waiting_) startWrite();
        });
    });
}

void Autosave::written(const QString& file, const QString& error) {
    if (!error.isEmpty()) reportFailure(QStringLiteral("%1: %2").arg(file, error));
    else failureReported_ = false;
}

void Autosave::flush() {
    const std::optional<Write> last = std::exchange(waiting_, std::nullopt);
    QString error;
    // Queued behind the write under way, so that one has ended too.
    QMetaObject::invokeMethod(writer_, [&] { if (last) error = write_(last->file, last->text); },
                              Qt::BlockingQueuedConnection);
    if (last) written(last->file, error);
}

void Autosave::reportFailure(const QString& error) {
    if (failureReported_) return;
    failureReported_ = true;
    std::fprintf(stderr, "vintrel: the game could not be kept in %s\n", qPrintable(error));
}

}  // namespace vintrel
