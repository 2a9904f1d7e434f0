#pragma once

#include "platform/forms/form.h"

namespace quorvel {

// The about box: a borderless window with a title strip whose "X" closes it, and three pages
// of information text.
class frmAbout : public platform::forms::Form {
public:
    frmAbout();

private:
    void connectHandlers();
    void Label1_Click();
};

} // namespace quorvel
