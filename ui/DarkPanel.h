#pragma once

#include <QRect>

class QFrame;
class QLineEdit;
class QWidget;
class TextLabel;

// The small dark panels that ask the player for a line of text (the password, the name for
// the records): a navy box with a blue frame, white-on-black fields and orange buttons.
QFrame* makeDarkPanel(QWidget* parent, const char* name, QRect geometry);
void darkField(QLineEdit* edit);
QLineEdit* makeDarkField(QWidget* panel, const char* name, QRect geometry, int maxLength);
TextLabel* makePanelButton(QWidget* panel, const char* name, const char* caption, QRect geometry);
