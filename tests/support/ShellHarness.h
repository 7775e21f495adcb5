#pragma once

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <type_traits>

#include "app/Shell.h"
#include "storage/ScrambleFile.h"
#include "tests/support/RecordingPlatform.h"
#include "tests/support/RecordingServices.h"
#include "ui/Lifetime.h"

// A game shell started in a folder of its own, on a recording desktop, with the given
// subsystems (recording ones by default); message boxes are answered as soon as they open and
// remembered.
template <class Services>
struct BasicShellHarness {
  BasicShellHarness() {
    lifetime::reset();
    writeFile("Pytania.pFK", scrambleText("[1;1]\r\nP=Pytanie\r\n"));
  }
  ~BasicShellHarness() {
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

  bool start() { return start(nullptr); }
  // Started with the game's writes and its questions in folders of their own.
  bool start(const GameFolders* folders) {
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
    return folders ? shell.afterApplication(*folders) : shell.afterApplication(dir.path());
  }

  QTemporaryDir dir;
  CallLog log;
  RecordingPlatform desktop{log};
  Services services = makeServices();
  Shell shell{desktop, services};
  QStringList messages;
  std::vector<QMessageBox::Icon> icons;

 private:
  Services makeServices() {
    if constexpr (std::is_constructible_v<Services, CallLog&>)
      return Services(log);
    else
      return Services();
  }
};

using ShellHarness = BasicShellHarness<RecordingServices>;
