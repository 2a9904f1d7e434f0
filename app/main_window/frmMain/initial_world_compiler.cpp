#include "initial_world_compiler.h"

#include "compile_output.h"

#include "app/project_store/modFunctions.h"
#include "app/project_store/modINI.h"
#include "app/project_store/project_paths.h"
#include "platform/errors/run_time_error.h"
#include "platform/files/files.h"
#include "platform/files/large_buffer.h"

#include <string_view>
#include <utility>

namespace quorvel {

namespace files = platform::files;
using platform::RunTimeError;

const char* const kInitialWorldCreated = "Initialworld.ini created...";

namespace {

constexpr std::string_view kCrLf = "\r\n";

// The comment header the game file opens with (CP1252), followed by the four empty lines
// that separate it from the first block.
constexpr std::string_view kHeader =
    "//Warning: The Quorvel 2.0 can't know your (modded) system properties.\r\n"
    "//Add these above the reputationlist before you use this file\r\n"
    "\r\n"
    "//Achtung: Der Quorvel 2.0 kann deine (gemoddeten) Systemeigenschaften nicht wissen.\r\n"
    "//F\xFCge diese \xFC"
    "ber die Reputation-Liste ein, bevor du diese Datei benutzt.\r\n"
    "\r\n\r\n\r\n\r\n";

void AppendLine(std::string& out, std::string_view left, std::string_view right = {})
{
    out.append(left).append(right).append(kCrLf);
}

} // namespace

void CompileInitialWorld(const std::vector<std::string>& factions,
                         const std::vector<std::string>& rows, const InitialWorldProgress& progress,
                         Language language)
{
    if (ActiveProject().empty())
        return;
    const Path source = InitialWorldFile();
    const double rowCount = static_cast<double>(rows.size());
    Report(progress.setOverallMax, static_cast<double>(factions.size()));

    std::string out(kHeader);
    std::size_t perRow = 16;
    for (const std::string& t : rows)
        perRow += t.size();
    files::ReserveLarge(out, kHeader.size() + factions.size() * (128 + rows.size() * 16 + perRow) +
                                 kCrLf.size());

    for (std::size_t i = 0; i < factions.size(); ++i) {
        const std::string& g = factions[i];
        AppendLine(out, "[Group]");
        AppendLine(out, "nickname = ", g);
        // The game expects this order: name, info, short name.
        AppendLine(out, "ids_name = ", ReadIni(g, "ids_name", "", source));
        AppendLine(out, "ids_info = ", ReadIni(g, "ids_info", "", source));
        AppendLine(out, "ids_short_name = ", ReadIni(g, "ids_short_name", "", source));
        Report(progress.setCurrentMax, rowCount);
        Report(progress.setCurrentValue, 0);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const std::string& t = rows[r];
            Report(progress.setCurrentValue, static_cast<double>(r + 1));
            out.append("rep = ").append(ReadIni(g, t, "0.0", source)).append(", ").append(t);
            out.append(kCrLf);
        }
        out.append(kCrLf);
        Report(progress.setOverallValue, static_cast<double>(i + 1));
    }

    try {
        // What WriteTextFile writes (the text and a CR LF), without its copy of the text.
        out.append(kCrLf);
        files::WriteFile(CompiledInitialWorldFile(), std::move(out));
    } catch (const RunTimeError& e) {
        RaiseOutputNotWritten(e, "compiled\\initialworld.ini", language);
    }
    WriteProtocol(kInitialWorldCreated);
}

} // namespace quorvel
