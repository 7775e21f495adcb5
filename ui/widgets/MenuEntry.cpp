#include "ui/widgets/MenuEntry.h"

#include "ui/Handlers.h"
#include "ui/Theme.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/TextLabel.h"

MenuEntry makeMenuEntry(QWidget* page, Handlers& handlers, const MenuEntryLayout& layout) {
  MenuEntry entry;
  entry.picture = new PictureBox(page, QString::fromLatin1(layout.pictureName));
  entry.picture->setGeometry(0, layout.top, 162, 31);
  entry.picture->setCursor(Qt::PointingHandCursor);

  entry.label =
      new TextLabel(page, QString::fromLatin1(layout.labelName), QString::fromUtf8(layout.caption));
  entry.label->setGeometry(24, layout.labelTop, 129, 29);
  entry.label->setAlignment(Qt::AlignCenter);
  entry.label->setCursor(Qt::PointingHandCursor);
  entry.label->setFont(theme::menuFont());
  entry.label->setColour(Qt::white);

  const auto run = handlers.runner(QString::fromLatin1(layout.handler));
  QObject::connect(entry.picture, &PictureBox::clicked, run);
  QObject::connect(entry.label, &TextLabel::clicked, run);
  return entry;
}
