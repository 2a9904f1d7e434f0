#include "run_time_error.h"

#include <cerrno>
#include <map>

namespace platform {

namespace {

const std::map<int, const char*>& Descriptions()
{
    static const std::map<int, const char*> table = {
        {3, "Return without GoSub"},
        {5, "Invalid procedure call or argument"},
        {6, "Overflow"},
        {7, "Out of memory"},
        {9, "Subscript out of range"},
        {11, "Division by zero"},
        {13, "Type mismatch"},
        {52, "Bad file name or number"},
        {53, "File not found"},
        {54, "Bad file mode"},
        {55, "File already open"},
        {57, "Device I/O error"},
        {58, "File already exists"},
        {61, "Disk full"},
        {62, "Input past end of file"},
        {67, "Too many files"},
        {68, "Device unavailable"},
        {70, "Permission denied"},
        {71, "Disk not ready"},
        {74, "Can't rename with different drive"},
        {75, "Path/File access error"},
        {76, "Path not found"},
        {91, "Object variable or With block variable not set"},
        {94, "Invalid use of Null"},
        {380, "Invalid property value"},
        {381, "Invalid property array index"},
        {424, "Object required"},
        {429, "ActiveX component can't create object"},
        {438, "Object doesn't support this property or method"},
        {440, "Automation error"},
        {449, "Argument not optional"},
    };
    return table;
}

} // namespace

RunTimeError::RunTimeError(int number)
    : RunTimeError(number, ErrorDescription(number))
{
}

RunTimeError::RunTimeError(int number, const std::string& description)
    : std::runtime_error(description)
    , m_number(number)
    , m_description(description)
{
}

std::string ErrorDescription(int number)
{
    const auto& table = Descriptions();
    auto it = table.find(number);
    if (it == table.end())
        return "Application-defined or object-defined error";
    return it->second;
}

void Raise(int number)
{
    throw RunTimeError(number);
}

int ErrorFromErrno(int err, int missing)
{
    switch (err) {
    case ENOENT:
        return missing;
    case ENOTDIR:
        return 76;
    case EACCES:
    case EPERM:
    case EROFS:
    case EBUSY:
    case ETXTBSY:
        return 70;
    case ENOSPC:
    case EDQUOT:
        return 61;
    case EIO:
        return 57;
    case EEXIST:
        return 58;
    case EMFILE:
    case ENFILE:
        return 67;
    case ENAMETOOLONG:
    case EINVAL:
        return 52;
    case EXDEV:
        return 74;
    default:
        return 75;
    }
}

} // namespace platform
