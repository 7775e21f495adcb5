#include "ui/WriteFailureNotice.h"

#include <QDir>
#include <QMessageBox>

#include "storage/FileWrite.h"
#include "ui/AppContext.h"

QString WriteFailureNotice::text(const QString& folder, int error) {
  return QString::fromUtf8(
             "Gra nie mogła zapisać danych graczy (opcji, statystyk, rekordów) w folderze "
             "„%1”: %2.\nTej zmiany nie zapisano; to, co zapisano wcześniej, zostało bez zmian. "
             "Zwolnij miejsce na dysku albo sprawdź, czy ten folder można zapisywać. Gra "
             "spróbuje zapisać dane przy każdej następnej zmianie.")
      .arg(QDir::toNativeSeparators(QDir::cleanPath(folder)), describeWriteError(error));
}

void WriteFailureNotice::report(const QString& folder, int error) {
  if (m_shown) return;
  m_shown = true;
  m_box = new QMessageBox(QMessageBox::Warning, appinfo::titleText(), text(folder, error),
                          QMessageBox::Ok, m_window);
  m_box->setAttribute(Qt::WA_DeleteOnClose);
  m_box->open();
}
