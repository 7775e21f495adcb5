#include "ui/MenuCaptions.h"

#include <QString>
#include <QWidget>

#include "ui/widgets/FlatButton.h"
#include "ui/widgets/TextLabel.h"

namespace {

constexpr struct {
  const char* control;
  const char* caption;  // with the accelerator, UTF-8
} kCaptions[] = {
    {"lblStart", "&Rozpocznij grę"},
    {"lblOpcje", "&Opcje"},
    {"lblRec", "R&ekordy"},
    {"lblStats", "&Statystyki"},
    {"lblInfo", "&Informacje"},
    {"lblLogOff", "&Wyloguj się..."},
    {"lblQuit", "&Zamknij"},
    {"lblCStart", "&START"},
    {"lblBack", "&Wróć do menu"},
    {"btnCHide", "&Schowaj"},
    {"btnCOk", "&Schowaj"},
    {"btnRHide", "&Wróć"},
    {"btnYes", "&Tak"},
    {"btnNo", "&Nie"},
};

QString withoutAccelerator(QString caption) { return caption.remove(u'&'); }

}  // namespace

void applyMenuCaptions(QWidget* form, bool menuKeysOn) {
  for (const auto& entry : kCaptions) {
    const QString name = QString::fromLatin1(entry.control);
    QString caption = QString::fromUtf8(entry.caption);
    if (!menuKeysOn) caption = withoutAccelerator(caption);
    if (auto* label = form->findChild<TextLabel*>(name))
      label->setCaption(caption);
    else if (auto* button = form->findChild<FlatButton*>(name))
      button->setCaption(caption);
  }
}
