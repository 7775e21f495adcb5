#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// JPEG decoding with libjpeg. A missing, truncated or corrupt picture gives a null image:
// the screen then simply shows nothing there.
QImage decodeJpeg(const QByteArray& data);
QImage loadJpegFile(const QString& path);  // also reads Qt resource paths (":/...")
