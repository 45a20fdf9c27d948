#include "autosave.h"

#include "game_model.h"
#include "notation.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstdio>

namespace vintrel {
namespace {

// Empty when the game was written whole and the file replaced.
QString WriteWhole(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        return file.errorString();
    return {};
}

}  // namespace

Autosave::Autosave(GameModel& model, std::function<std::string()> text)
    : model_(model), text_(std::move(text)), writer_(new QObject) {
    writer_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, writer_, &QObject::deleteLater);
    thread_.start();
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

void Autosave::readSavedMoves() {
    QFile file(path());
    if (file.size() > qint64(MaxGameTextBytes) || !file.open(QIODevice::ReadOnly)) return;
    const QByteArray text = file.readAll();
    if (const ReadResult read = ReadGame(std::string_view(text.constData(), text.size())); read.game)
        savedMoves_ = read.game->moves;
}

void Autosave::save() {
    savedMoves_ = model_.game().moves();
    emit savedMovesChanged();
    const QByteArray text = QByteArray::fromStdString(text_());
    QMetaObject::invokeMethod(writer_, [this, text, file = path()] {
        const QString error = WriteWhole(file, text);
        QMetaObject::invokeMethod(this, [this, file, error] {
            if (!error.isEmpty()) reportFailure(QStringLiteral("%1: %2").arg(file, error));
            else failureReported_ = false;
        });
    });
}

void Autosave::flush() {
    QMetaObject::invokeMethod(writer_, [] {}, Qt::BlockingQueuedConnection);
}

void Autosave::reportFailure(const QString& error) {
    if (failureReported_) return;
    failureReported_ = true;
    std::fprintf(stderr, "vintrel: the game could not be kept in %s\n", qPrintable(error));
}

}  // namespace vintrel
