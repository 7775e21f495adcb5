#pragma once

#include <functional>

class QString;
class QWidget;

// Lays out the options page: title, background symbol and the seven rows. Clicks on a row's
// check box run `checkBoxClicked`; clicks on its caption or symbol run `labelClicked` with the
// clicked control's name.
void buildOptionsPage(QWidget* page, const std::function<void()>& checkBoxClicked,
                      const std::function<void(const QString&)>& labelClicked);
