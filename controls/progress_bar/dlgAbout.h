#pragma once

#include <functional>

#include <QPixmap>

#include "platform/forms/form.h"

class QWidget;

namespace kolvetra {

// The library's about dialog: the four controls it carries, its version and revision.
class dlgAbout : public platform::forms::Form {
public:
    dlgAbout();

private:
    void connectHandlers();
    void Form_Load() override;
    void Command1_Click();
};

// What ShowAboutBox does: builds a fresh dlgAbout, shows it modally centred on `owner`'s
// window (null: on the screen) and unloads it once it is hidden or closed.
void ShowAbout(QWidget* owner);

// Called with each dialog ShowAbout has put on the screen, inside its modal display (tests
// read it and press OK through it). Returns the previous observer.
using AboutObserver = std::function<void(dlgAbout&)>;
AboutObserver SetAboutObserver(AboutObserver observer);

// The library's logo, drawn at `pixels` square.
QPixmap KolvetraLogo(int pixels);

} // namespace kolvetra
