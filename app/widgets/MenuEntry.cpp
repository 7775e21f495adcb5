#include "app/widgets/MenuEntry.h"

#include "app/Handlers.h"
#include "app/widgets/PictureBox.h"
#include "app/widgets/TextLabel.h"

MenuEntry makeMenuEntry(QWidget* page, const Handlers& handlers, const MenuEntryLayout& layout) {
  MenuEntry entry;
  entry.picture = new PictureBox(page, QString::fromLatin1(layout.pictureName));
  entry.picture->setGeometry(0, layout.top, 162, 31);
  entry.picture->setCursor(Qt::PointingHandCursor);

  entry.label =
      new TextLabel(page, QString::fromLatin1(layout.labelName), QString::fromUtf8(layout.caption));
  entry.label->setGeometry(24, layout.labelTop, 129, 29);
  entry.label->setAlignment(Qt::AlignCenter);
  entry.label->setCursor(Qt::PointingHandCursor);
  QFont font(QStringLiteral("Times New Roman"));
  font.setPixelSize(16);
  entry.label->setFont(font);
  entry.label->setColour(Qt::white);

  const QString handler = QString::fromLatin1(layout.handler);
  const Handlers* registry = &handlers;
  QObject::connect(entry.picture, &PictureBox::clicked,
                   [registry, handler] { registry->run(handler); });
  QObject::connect(entry.label, &TextLabel::clicked,
                   [registry, handler] { registry->run(handler); });
  return entry;
}
