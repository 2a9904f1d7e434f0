#include "compile_output.h"

#include <string>

namespace quorvel {

void Report(const std::function<void(double)>& report, double value)
{
    if (report)
        report(value);
}

void RaiseOutputNotWritten(const platform::RunTimeError& cause, std::string_view output,
                           Language language)
{
    const std::string file(output);
    const std::string note =
        language == Language::German
            ? file + " wurde nicht geschrieben; die bisherige Datei ist, falls vorhanden, "
                     "unver\xE4ndert."
            : file + " was not written; the previous file, if any, is unchanged.";
    throw platform::RunTimeError(cause.number(),
                                 cause.description() + " (" + file + ")\r\n" + note);
}

} // namespace quorvel
