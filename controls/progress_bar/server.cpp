// The four exports of the library. Everything else stays inside: the library is built with
// hidden visibility and a version script that names only these.

#include "controls/progress_bar/identity.h"

// The version block: file version 1.0.0.11, marked self-registering. Kept in a section of its
// own so that tools read it without loading the library (`readelf -p .qv_version`).
[[gnu::used, gnu::section(".qv_version")]] static const char kVersionBlock[] =
    "FileVersion=1.0.0.11\0ProductName=Kolvetra\0OLESelfRegister\0";

QV_IN_PROCESS_SERVER(kolvetra::DescribeServer)
