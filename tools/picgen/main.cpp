// fortuniak_picgen OUTPUT_DIR [NAME...]
// Writes every picture of the game (or only the named ones) as OUTPUT_DIR/<name>.jpg.
#include <QDir>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <vector>

#include "PictureTable.h"

namespace {

constexpr int kJpegQuality = 92;

void printUsage() {
  std::fprintf(stderr, "usage: fortuniak_picgen OUTPUT_DIR [NAME...]\npictures:");
  for (const picgen::Picture& picture : picgen::pictures())
    std::fprintf(stderr, " %s", picture.name);
  std::fprintf(stderr, "\n");
}

}  // namespace

int main(int argc, char* argv[]) {
  // No display is needed, and a real screen must not change fonts or scaling.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  const QStringList args = QGuiApplication::arguments();
  if (args.size() < 2 || args[1].startsWith('-')) {
    printUsage();
    return 2;
  }

  std::vector<const picgen::Picture*> wanted;
  if (args.size() == 2) {
    for (const picgen::Picture& picture : picgen::pictures()) wanted.push_back(&picture);
  } else {
    for (qsizetype i = 2; i < args.size(); ++i) {
      const QByteArray name = args[i].toUtf8();
      const picgen::Picture* picture = picgen::findPicture(name.toStdString());
      if (picture == nullptr) {
        std::fprintf(stderr, "fortuniak_picgen: no picture named %s\n", name.constData());
        printUsage();
        return 2;
      }
      wanted.push_back(picture);
    }
  }

  const QDir outDir(args[1]);
  if (!outDir.mkpath(".")) {
    std::fprintf(stderr, "fortuniak_picgen: cannot create %s\n", qPrintable(args[1]));
    return 1;
  }
  for (const picgen::Picture* picture : wanted) {
    const QString path = outDir.filePath(QString::fromLatin1(picture->name) + ".jpg");
    if (!picgen::render(*picture).save(path, "JPG", kJpegQuality)) {
      std::fprintf(stderr, "fortuniak_picgen: cannot write %s\n", qPrintable(path));
      return 1;
    }
    std::printf("%s %dx%d\n", qPrintable(path), picture->width, picture->height);
  }
  return 0;
}
