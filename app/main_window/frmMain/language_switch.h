#pragma once

#include "app/main_window/frmMain/message_language.h"
#include "platform/forms/form.h"

namespace quorvel::language {

// The main window's two languages. Each call rewrites the same 58 texts of the window (button,
// tab, label, frame and check-box captions, the project-name box's text and some tool tips),
// finding each control by its name; a control the window does not hold is skipped. Nothing
// else changes: lists, other texts, files. Which language shows is remembered by nothing
// but the caption of the language button itself.
void German(platform::forms::Form& form);
void English(platform::forms::Form& form);

// The language button BreloButton2 was clicked: English when its caption reads
// "Englische Version" (case counts), German otherwise. The window wires the button to it:
//   Find("BreloButton2")->Click = [this] { quorvel::language::BreloButton2_Click(*this); };
void BreloButton2_Click(platform::forms::Form& form);

// The language the window shows now, read from the language button as the click reads it:
// German while it offers "Englische Version" (or the window has none), English otherwise.
// The program's own messages in this window follow it.
Language WindowLanguage(const platform::forms::Form& form);

} // namespace quorvel::language
