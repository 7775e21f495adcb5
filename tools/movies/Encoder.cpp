#include "Encoder.h"

#include <QDir>
#include <QFileInfo>
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
  QStringList args{QStringLiteral("-loop"), QStringLiteral("0"),
                   QStringLiteral("-kmin"), QStringLiteral("0"),
                   QStringLiteral("-kmax"), QStringLiteral("1"),
                   QStringLiteral("-lossy"), QStringLiteral("-q"), QString::number(movie.quality),
                   QStringLiteral("-m"), QStringLiteral("6"),
                   QStringLiteral("-d"), QString::number(kFrameMilliseconds)};
  for (int i = 0; i < movie.frames; ++i) args << framePath(frameDir, i);
  args << QStringLiteral("-o") << output;

  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(tool, args);
  if (!process.waitForStarted() || !process.waitForFinished(-1)) {
    error = QStringLiteral("img2webp did not run: %1").arg(process.errorString());
    return false;
  }
  if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0 ||
      !QFileInfo(output).isFile()) {
    error = QStringLiteral("img2webp failed for %1:\n%2")
                .arg(output, QString::fromLocal8Bit(process.readAll()));
    return false;
  }
  return true;
}

}  // namespace movies
