#include "ui/Pictures.h"

#include <QString>

#include "ui/JpegImage.h"

QImage gamePicture(const char* name) {
  return loadJpegFile(QStringLiteral(":/pictures/%1.jpg").arg(QString::fromLatin1(name)));
}
