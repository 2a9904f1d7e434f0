#pragma once

// Windows and controls with the original runtime's behaviour, over Qt Widgets.
//
// Usage
// -----
// A window is a class derived from Form. Its constructor builds the controls from a table
// shaped like the window's design (twips, relative to the container), wires the events it
// handles and overrides the form events it needs:
//
//   constexpr ControlDef kControls[] = {
//       {Kind::TabDialog, "SSTab1",  "",       0,   0, 10095, 5415, "Projektmanager|Emphaty.ini"},
//       {Kind::Frame,     "Frame1",  "SSTab1", 120, 1080, 9840, 4215, "Projektmanager", 0},
//       {Kind::ListBox,   "lstProjects", "Frame1", 120, 240, 2535, 3765},
//       {Kind::Label,     "lblNoProject", "Frame1", 2760, 1440, 1455, 615,
//        "Kein Projekt ausgew\xE4hlt!", -1, kHidden, {}, RGB(255, 0, 0)},
//   };
//
//   class frmMain : public Form {
//   public:
//       frmMain() : Form("frmMain") {
//           SetCaption("...");  SetBorderStyle(BorderStyle::FixedSingle);
//           SetClientSize(10125, 5985);
//           Create(kControls);
//           Timer7 = &AddTimer("Timer7", 2000);
//           connectHandlers();
//       }
//   private:
//       void connectHandlers() {
//           Ctl<ListBox>("lstProjects").Click = [this] { lstProjects_Click(); };
//           Timer7->Timer = [this] { Timer7_Timer(); };
//       }
//       void Form_Load() override;
//       void lstProjects_Click();
//       void Timer7_Timer();
//       TimerControl* Timer7;
//   };
//
// Rules every window can rely on:
// - Texts are CP1252 std::string; the layer converts at the toolkit boundary.
// - Left/Top/Width/Height are twips and read back exactly as set; a negative size raises
//   RunTimeError 380. Visible and Enabled are the control's own flags.
// - Change is raised on every programmatic text set (also an unchanged one) and on each
//   keystroke; Click of a combo or list box on a user pick or a ListIndex set, never on
//   AddItem/RemoveItem/Clear or typing. Setting an option button's Value to True raises its
//   Click even when it was selected already. The toolkit's own signals never leak through.
// - Every event runs inside the one boundary (events.h): an uncaught RunTimeError shows
//   "Run-time error '<n>':" and its description through MsgBox and the program goes on.
//   Inside a handler, an error of a handler raised by a property set comes out of that set.
// - MsgBox and InputBox (dialogs.h) go through a replaceable sink; tests use
//   ScriptedDialogs. EventLog records every event raised, for tests.
// - Timers (timer.h): 1 ms runs at the platform's tick; FireTick() drives them in tests.
// - A user control derives from Control, hands its widget to Control's constructor, and is
//   placed with Form::Add<T>(row, args...) like any table row.

#include "platform/forms/buttons.h"
#include "platform/forms/colour.h"
#include "platform/forms/combo_box.h"
#include "platform/forms/control.h"
#include "platform/forms/control_def.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/events.h"
#include "platform/forms/file_lists.h"
#include "platform/forms/font.h"
#include "platform/forms/form.h"
#include "platform/forms/frame.h"
#include "platform/forms/label.h"
#include "platform/forms/list_box.h"
#include "platform/forms/list_view.h"
#include "platform/forms/picture.h"
#include "platform/forms/slider.h"
#include "platform/forms/tab_dialog.h"
#include "platform/forms/text_box.h"
#include "platform/forms/timer.h"
#include "platform/forms/twips.h"
