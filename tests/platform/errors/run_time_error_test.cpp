#include "platform/errors/run_time_error.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace {

TEST(RunTimeError, CarriesNumberAndDescription)
{
    struct Case {
        int number;
        const char* description;
    };
    const Case cases[] = {
        {5, "Invalid procedure call or argument"},
        {13, "Type mismatch"},
        {52, "Bad file name or number"},
        {53, "File not found"},
        {57, "Device I/O error"},
        {61, "Disk full"},
        {70, "Permission denied"},
        {75, "Path/File access error"},
        {76, "Path not found"},
        {380, "Invalid property value"},
        {429, "ActiveX component can't create object"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        try {
            platform::Raise(c.number);
            FAIL() << "no throw";
        } catch (const platform::RunTimeError& e) {
            EXPECT_EQ(e.number(), c.number);
            EXPECT_EQ(e.description(), c.description);
        }
    }
}

TEST(RunTimeError, ErrnoMapping)
{
    EXPECT_EQ(platform::ErrorFromErrno(ENOENT), 53);
    EXPECT_EQ(platform::ErrorFromErrno(ENOENT, 76), 76);
    EXPECT_EQ(platform::ErrorFromErrno(ENOTDIR), 76);
    EXPECT_EQ(platform::ErrorFromErrno(EACCES), 70);
    EXPECT_EQ(platform::ErrorFromErrno(ENOSPC), 61);
    EXPECT_EQ(platform::ErrorFromErrno(EIO), 57);
    EXPECT_EQ(platform::ErrorFromErrno(EISDIR), 75);
}

} // namespace
