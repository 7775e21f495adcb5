#include "Encoder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace movies {

namespace {

QString framePath(const QString& frameDir, int index) {
  return QDir(frameDir).filePath(QStringLiteral("frame%1.png").arg(index, 4, 10, QChar('0')));
}

}  // namespace

QImage renderFrame(MovieScript& script, const Movie& movie, int index) {
  QImage canvas(movie.width, movie.height, QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::black);
  script.paint(canvas, index);
  if (canvas.size() != QSize(movie.width, movie.height))
    canvas = canvas.copy(0, 0, movie.width, movie.height);
  return canvas.convertToFormat(QImage::Format_RGB32);
}

bool writeFrames(const Movie& movie, const QString& frameDir, QString& error) {
  if (!QDir(frameDir).mkpath(".")) {
    error = QStringLiteral("cannot create %1").arg(frameDir);
    return false;
  }
  const std::unique_ptr<MovieScript> script = movie.script();
  for (int i = 0; i < movie.frames; ++i) {
    const QString path = framePath(frameDir, i);
    // Fast PNG settings: the frames only live until img2webp has read them.
    if (!renderFrame(*script, movie, i).save(path, "PNG", 90)) {
      error = QStringLiteral("cannot write %1").arg(path);
      return false;
    }
  }
  return true;
}

bool encodeWebp(const Movie& movie, const QString& frameDir, const QString& output,
                QString& error) {
  const QString tool = QStandardPaths::findExecutable(QStringLiteral("img2webp"));
  if (tool.isEmpty()) {
    error = QStringLiteral("img2webp is not installed (Debian package webp)");
    return false;
  }
  QStringList args{QStringLiteral("-loop"),
                   QStringLiteral("0"),
                   QStringLiteral("-kmin"),
                   QStringLiteral("0"),
                   QStringLiteral("-kmax"),
                   QStringLiteral("1"),
                   QStringLiteral("-lossy"),
                   QStringLiteral("-q"),
                   QString::number(movie.quality),
                   QStringLiteral("-m"),
                   QStringLiteral("6"),
                   QStringLiteral("-d"),
                   QString::number(kFrameMilliseconds)};
  for (int i = 0; i < movie.frames; ++i) args << framePath(frameDir, i);
  // Written beside the old movie and swapped in only once it has passed the checks.
  const QString part = output + QStringLiteral(".part");
  args << QStringLiteral("-o") << part;

  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(tool, args);
  if (!process.waitForStarted() || !process.waitForFinished(-1)) {
    error = QStringLiteral("img2webp did not run: %1").arg(process.errorString());
    return false;
  }
  if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0 ||
      !QFileInfo(part).isFile()) {
    error = QStringLiteral("img2webp failed for %1:\n%2")
                .arg(output, QString::fromLocal8Bit(process.readAll()));
    QFile::remove(part);
    return false;
  }
  // The encoder folds a frame into the one before when it sees no difference worth
  // storing, which would change the movie's length; a movie must keep moving.
  const int frames = QImageReader(part, "webp").imageCount();
  if (frames != movie.frames) {
    error = QStringLiteral("%1 came out with %2 frames instead of %3: some frames are too alike")
                .arg(output)
                .arg(frames)
                .arg(movie.frames);
    QFile::remove(part);
    return false;
  }
  QFile::remove(output);
  if (!QFile::rename(part, output)) {
    error = QStringLiteral("cannot replace %1").arg(output);
    return false;
  }
  return true;
}

}  // namespace movies
