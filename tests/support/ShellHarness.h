#pragma once

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include "app/Lifetime.h"
#include "app/Shell.h"
#include "storage/ScrambleFile.h"
#include "tests/support/RecordingPlatform.h"
#include "tests/support/RecordingServices.h"

// A game shell started in a folder of its own, on a recording desktop, with recording
// subsystems; message boxes are answered as soon as they open and remembered.
struct ShellHarness {
  ShellHarness() {
    lifetime::reset();
    writeFile("Pytania.pFK", scrambleText("[1;1]\r\nP=Pytanie\r\n"));
  }
  ~ShellHarness() {
    shell.FormDestroy();
    lifetime::reset();
  }

  void writeFile(const char* name, const QByteArray& bytes) {
    QFile f(dir.filePath(QString::fromUtf8(name)));
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
  }
  bool exists(const char* name) const {
    return QFile::exists(dir.filePath(QString::fromUtf8(name)));
  }

  bool start() {
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        messages << box->windowTitle() + u'|' + box->text();
        icons.push_back(box->icon());
        box->accept();
      }
    });
    closer.start(5);
    shell.beforeApplication();
    return shell.afterApplication(dir.path());
  }

  QTemporaryDir dir;
  CallLog log;
  RecordingPlatform desktop{log};
  RecordingServices services{log};
  Shell shell{desktop, services};
  QStringList messages;
  std::vector<QMessageBox::Icon> icons;
};
