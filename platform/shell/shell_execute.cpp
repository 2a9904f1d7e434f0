#include "shell_execute.h"

#include <QDesktopServices>
#include <QUrl>

#include "platform/text/cp1252.h"

namespace platform::shell {

namespace {

DocumentOpener& Opener()
{
    static DocumentOpener opener;
    return opener;
}

void OpenWithDesktop(const std::string& file)
{
    std::u16string wide = platform::DecodeCp1252(file);
    QString text = QString::fromUtf16(wide.data(), static_cast<qsizetype>(wide.size()));
    // The desktop services start the handler detached, so nothing waits for it.
    QDesktopServices::openUrl(QUrl::fromUserInput(text));
}

} // namespace

std::intptr_t ShellExecuteA(hosting::HWND, const std::string&, const std::string& file,
                            const std::string&, const std::string&, int)
{
    if (file.empty())
        return 2;
    if (Opener())
        Opener()(file);
    else
        OpenWithDesktop(file);
    return 42;
}

void SetDocumentOpener(DocumentOpener opener)
{
    Opener() = std::move(opener);
}

} // namespace platform::shell
