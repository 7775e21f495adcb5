#include "ui/DarkPanel.h"

#include <QFrame>
#include <QLineEdit>

#include "ui/Theme.h"
#include "ui/widgets/TextLabel.h"

QFrame* makeDarkPanel(QWidget* parent, const char* name, QRect geometry) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(QString::fromLatin1(name));
  panel->setGeometry(geometry);
  panel->setFrameShape(QFrame::Box);
  panel->setAutoFillBackground(true);
  QPalette pal = panel->palette();
  pal.setColor(QPalette::Window, QColor(8, 16, 40));
  pal.setColor(QPalette::WindowText, theme::PanelBlue);
  panel->setPalette(pal);
  return panel;
}

void darkField(QLineEdit* edit) {
  QPalette pal = edit->palette();
  pal.setColor(QPalette::Base, Qt::black);
  pal.setColor(QPalette::Text, Qt::white);
  pal.setColor(QPalette::Highlight, theme::Orange);
  pal.setColor(QPalette::HighlightedText, Qt::black);
  pal.setColor(QPalette::Window, theme::PanelBlue);
  edit->setPalette(pal);
  edit->setFont(theme::font("Arial", 14));
}

QLineEdit* makeDarkField(QWidget* panel, const char* name, QRect geometry, int maxLength) {
  auto* edit = new QLineEdit(panel);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setGeometry(geometry);
  darkField(edit);
  edit->setMaxLength(maxLength);
  return edit;
}

TextLabel* makePanelButton(QWidget* panel, const char* name, const char* caption, QRect geometry) {
  auto* button = new TextLabel(panel, QString::fromLatin1(name), QString::fromUtf8(caption));
  button->setGeometry(geometry);
  button->setFont(theme::font("Times New Roman", 15, true));
  button->setColour(Qt::black);
  button->setAlignment(Qt::AlignCenter);
  button->setAutoFillBackground(true);
  QPalette bp = button->palette();
  bp.setColor(QPalette::Window, theme::Orange);
  button->setPalette(bp);
  button->setCursor(Qt::PointingHandCursor);
  return button;
}
