#include "empathy_compiler.h"

#include "compile_output.h"

#include "app/project_store/modFunctions.h"
#include "app/project_store/modINI.h"
#include "app/project_store/project_paths.h"
#include "platform/errors/run_time_error.h"
#include "platform/files/files.h"
#include "platform/files/large_buffer.h"

#include <optional>
#include <string_view>
#include <utility>

namespace quorvel {

namespace files = platform::files;
using platform::RunTimeError;

const char* const kEmpathyCompiled = "Emphaty.ini compiled...";

namespace {

constexpr std::string_view kCrLf = "\r\n";

// The faction's reputation file; none for a key that cannot be part of a file name.
std::optional<Path> ReputationFileOf(const std::string& key)
{
    try {
        return ReputationFile(key);
    } catch (const RunTimeError& e) {
        if (e.number() == 52)
            return std::nullopt;
        throw;
    }
}

// The original built each block in "emphaty\new\<key>.tmp"; one left behind by an
// interrupted run goes now. Failing to remove it harms nothing.
void RemoveScratchFile(const std::string& key)
{
    try {
        const Path scratch = EmpathyScratchFile(key);
        if (files::FileExists(scratch))
            files::DeleteFile(scratch);
    } catch (const RunTimeError&) {
    }
}

void Line(std::string& out, std::string_view left, std::string_view right)
{
    out.append(left).append(right).append(kCrLf);
}

void AppendBlock(std::string& out, const std::string& g, const std::vector<std::string>& rows,
                 const Path& factors, const EmpathyProgress& progress)
{
    out.append(kCrLf).append(kCrLf);
    Line(out, "[RepChangeEffects]", "");
    Line(out, "group = ", g);
    Line(out, "event = object_destruction, ", ReadIni(g, "o_d", "0.0", factors));
    Line(out, "event = random_mission_success, ", ReadIni(g, "r_m_s", "0.0", factors));
    Line(out, "event = random_mission_failure, ", ReadIni(g, "r_m_f", "0.0", factors));
    Line(out, "event = random_mission_abortion, ", ReadIni(g, "r_m_a", "0.0", factors));

    // A missing file gives every row the default; asking it once spares a name search of
    // its folder per row.
    std::optional<Path> reps = ReputationFileOf(g);
    if (reps && !files::FileExists(*reps))
        reps.reset();
    Report(progress.setCurrentMax, static_cast<double>(rows.size()));
    for (std::size_t j = 0; j < rows.size(); ++j) {
        const std::string& t = rows[j];
        if (t != g) {
            out.append("emphaty_rate = ").append(t).append(", ");
            if (reps)
                out.append(ReadIni(t, "rep", "0.0", *reps));
            else
                out.append("0.0");
            out.append(kCrLf);
        }
        Report(progress.setCurrentValue, static_cast<double>(j + 1));
    }
    // The one CR LF more that every append of the original added.
    out.append(kCrLf);
}

// The text is moved into the file layer: at tens of megabytes a copy would be the biggest
// thing the compile holds.
void WriteOutput(const Path& file, std::string text, Language language)
{
    try {
        if (!text.empty())
            files::WriteFile(file, std::move(text));
        else if (files::FileExists(file))
            files::DeleteFile(file);
    } catch (const RunTimeError& e) {
        RaiseOutputNotWritten(e, "compiled\\emphaty.ini", language);
    }
}

} // namespace

void CompileEmpathy(const std::vector<std::string>& factions, const std::vector<std::string>& rows,
                    const EmpathyProgress& progress, Language language)
{
    if (ActiveProject().empty())
        return;
    const Path factors = EmpathyFile();
    const Path output = CompiledEmpathyFile();

    Report(progress.setOverallMax, static_cast<double>(factions.size()) - 1);
    // A large mod's file runs to tens of megabytes: grown by doubling, it would be copied
    // over and over.
    std::size_t perBlock = 256;
    for (const std::string& t : rows)
        perBlock += t.size() + 24;
    std::string out;
    files::ReserveLarge(out, factions.size() * perBlock);
    for (std::size_t i = 0; i < factions.size(); ++i) {
        RemoveScratchFile(factions[i]);
        AppendBlock(out, factions[i], rows, factors, progress);
        Report(progress.setOverallValue, static_cast<double>(i));
    }
    WriteOutput(output, std::move(out), language);
    WriteProtocol(kEmpathyCompiled);
}

} // namespace quorvel
