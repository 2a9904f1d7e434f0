#pragma once

#include "app/main_window/frmMain/message_language.h"
#include "platform/errors/run_time_error.h"

#include <functional>
#include <string_view>

// What the three compilers of the main window share: the report of their progress and the
// failure of their one write.
namespace quorvel {

// `report(value)`, when a report is wanted.
void Report(const std::function<void(double)>& report, double value);

// Raises `cause`, a failed write of the compiled file `output` ("compiled\emphaty.ini"), with
// the file named and the note, in `language`, that the previous compiled file is unchanged.
[[noreturn]] void RaiseOutputNotWritten(const platform::RunTimeError& cause,
                                        std::string_view output, Language language);

} // namespace quorvel
