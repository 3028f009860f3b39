#pragma once

#include "accessibility.h"

#include <memory>

class QWidget;

namespace lume {

// A window's Designer form, set up with the combo boxes named by their labels from the first control
// made: a screen reader may ask for them while they are made.
template<class Form> std::unique_ptr<Form> setUpForm(QWidget *window)
{
    nameComboBoxesByLabel();
    auto form = std::make_unique<Form>();
    form->setupUi(window);
    return form;
}

} // namespace lume
