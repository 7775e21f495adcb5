// fortuniak_movies OUTPUT_DIR [NAME...] [--preview=FRAME,FRAME...]
// Writes every movie of the game (or only the named ones) as OUTPUT_DIR/<name>.webp.
// With --preview only the listed frames are written, as OUTPUT_DIR/<name>-NNNN.png.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "Encoder.h"
#include "Movie.h"

namespace {

void printUsage() {
  std::fprintf(stderr,
               "usage: fortuniak_movies OUTPUT_DIR [NAME...] [--preview=FRAME,FRAME...]\n"
               "movies:");
  for (const movies::Movie& movie : movies::movieList()) std::fprintf(stderr, " %s", movie.name);
  std::fprintf(stderr, "\n");
}

bool writePreview(const movies::Movie& movie, std::vector<int> frames, const QDir& outDir) {
  std::sort(frames.begin(), frames.end());
  const std::unique_ptr<movies::MovieScript> script = movie.script();
  std::size_t next = 0;
  // Scripts expect frames in order, so every frame up to the last one wanted is painted.
  for (int i = 0; i < movie.frames && next < frames.size(); ++i) {
    const QImage frame = movies::renderFrame(*script, movie, i);
    if (i != frames[next]) continue;
    const QString path = outDir.filePath(
        QStringLiteral("%1-%2.png").arg(QString::fromLatin1(movie.name)).arg(i, 4, 10, QChar('0')));
    if (!frame.save(path)) {
      std::fprintf(stderr, "fortuniak_movies: cannot write %s\n", qPrintable(path));
      return false;
    }
    std::printf("%s\n", qPrintable(path));
    while (next < frames.size() && frames[next] == i) ++next;
  }
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  // No display is needed, and a real screen must not change fonts or scaling.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  QStringList args = QGuiApplication::arguments();
  args.removeFirst();
  std::vector<int> preview;
  for (qsizetype i = args.size() - 1; i >= 0; --i) {
    if (!args[i].startsWith(QStringLiteral("--preview="))) continue;
    for (const QString& number : args[i].mid(10).split(',', Qt::SkipEmptyParts)) {
      bool ok = false;
      preview.push_back(number.toInt(&ok));
      if (!ok || preview.back() < 0) {
        printUsage();
        return 2;
      }
    }
    args.removeAt(i);
  }
  if (args.isEmpty() || args[0].startsWith('-')) {
    printUsage();
    return 2;
  }

  std::vector<const movies::Movie*> wanted;
  if (args.size() == 1) {
    for (const movies::Movie& movie : movies::movieList()) wanted.push_back(&movie);
  } else {
    for (qsizetype i = 1; i < args.size(); ++i) {
      const movies::Movie* movie = movies::findMovie(args[i].toStdString());
      if (movie == nullptr) {
        std::fprintf(stderr, "fortuniak_movies: no movie named %s\n", qPrintable(args[i]));
        printUsage();
        return 2;
      }
      wanted.push_back(movie);
    }
  }

  const QDir outDir(args[0]);
  if (!outDir.mkpath(".")) {
    std::fprintf(stderr, "fortuniak_movies: cannot create %s\n", qPrintable(args[0]));
    return 1;
  }
  for (const movies::Movie* movie : wanted) {
    if (!preview.empty()) {
      if (!writePreview(*movie, preview, outDir)) return 1;
      continue;
    }
    QTemporaryDir frames;
    QString error;
    const QString path = outDir.filePath(QString::fromLatin1(movie->name) + ".webp");
    if (!frames.isValid() || !movies::writeFrames(*movie, frames.path(), error) ||
        !movies::encodeWebp(*movie, frames.path(), path, error)) {
      std::fprintf(stderr, "fortuniak_movies: %s: %s\n", movie->name,
                   qPrintable(error.isEmpty() ? QStringLiteral("no temporary directory") : error));
      return 1;
    }
    std::printf("%s %dx%d %d frames %lld bytes\n", qPrintable(path), movie->width, movie->height,
                movie->frames, static_cast<long long>(QFileInfo(path).size()));
  }
  return 0;
}
