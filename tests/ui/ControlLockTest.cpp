#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>

#include "ui/ControlLock.h"
#include "ui/widgets/FlatButton.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/TextLabel.h"

namespace {

template <class T>
T* clickable(T* w) {
  w->setCursor(Qt::PointingHandCursor);
  return w;
}

struct Form {
  QWidget form;
  QWidget* page = new QWidget(&form);
  QFrame* panel = new QFrame(page);
  PictureBox* entry = clickable(new PictureBox(page, QStringLiteral("imgStart")));
  TextLabel* label =
      clickable(new TextLabel(page, QStringLiteral("lblStart"), QStringLiteral("x")));
  QCheckBox* check = clickable(new QCheckBox(page));
  TextLabel* plain = new TextLabel(page, QStringLiteral("lblPlain"));  // no hand cursor
  TextLabel* hidden = clickable(new TextLabel(page, QStringLiteral("lblHidden")));
  QLineEdit* edit = new QLineEdit(page);
  FlatButton* own = new FlatButton(panel, QStringLiteral("btnOwn"), QStringLiteral("&OK"), Qt::red);
  QWidget* inner = new QWidget(panel);
  TextLabel* nested = clickable(new TextLabel(inner, QStringLiteral("lblNested")));

  Form() {
    edit->setCursor(Qt::PointingHandCursor);
    hidden->hide();
  }
};

TEST(ControlLock, OpeningAPanelDisablesClickableControlsOutsideIt) {
  Form f;
  LockControls(&f.form, f.panel, false);
  EXPECT_FALSE(f.entry->isEnabled());
  EXPECT_FALSE(f.label->isEnabled());
  EXPECT_FALSE(f.check->isEnabled());
  EXPECT_TRUE(f.own->isEnabled()) << "the panel's own children stay live";
  EXPECT_FALSE(f.nested->isEnabled()) << "only direct children of the panel are spared";
}

TEST(ControlLock, HiddenPlainAndOtherKindsOfControlsAreNeverTouched) {
  Form f;
  f.plain->setEnabled(false);
  LockControls(&f.form, f.panel, true);
  EXPECT_FALSE(f.plain->isEnabled()) << "no hand cursor: left as it was";
  LockControls(&f.form, f.panel, false);
  EXPECT_TRUE(f.hidden->isEnabled()) << "hidden: left as it was";
  EXPECT_TRUE(f.edit->isEnabled()) << "edit fields are not locked";
  f.hidden->show();
  LockControls(&f.form, nullptr, true);
  EXPECT_TRUE(f.entry->isEnabled());
}

TEST(ControlLock, ReleasingEnablesEverythingAgainEvenWhatWasDisabledBefore) {
  Form f;
  f.check->setEnabled(false);  // e.g. a check box an option keeps disabled
  LockControls(&f.form, f.panel, false);
  LockControls(&f.form, nullptr, true);
  EXPECT_TRUE(f.entry->isEnabled());
  EXPECT_TRUE(f.check->isEnabled()) << "the caller has to repair such a control";
  EXPECT_TRUE(f.own->isEnabled());
  EXPECT_TRUE(f.nested->isEnabled());
}

}  // namespace
