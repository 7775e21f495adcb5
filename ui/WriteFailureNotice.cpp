#include "ui/WriteFailureNotice.h"

#include <QMessageBox>

#include "ui/AppContext.h"

QString WriteFailureNotice::text() {
  return QString::fromUtf8(
      "Gra nie może zapisać danych w swoim folderze: folder jest tylko do odczytu albo na "
      "dysku brakuje miejsca.\nTo, co zapisano wcześniej, zostało bez zmian, ale zmiany z tej "
      "chwili nie zostaną zapamiętane.");
}

void WriteFailureNotice::report() {
  if (m_shown) return;
  m_shown = true;
  m_box = new QMessageBox(QMessageBox::Warning, appinfo::titleText(), text(), QMessageBox::Ok,
                          m_window);
  m_box->setAttribute(Qt::WA_DeleteOnClose);
  m_box->open();
}
