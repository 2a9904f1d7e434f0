#pragma once

#include <cstdint>

#include "platform/com/guid.h"
#include "platform/com/server.h"

// The identity of the library towards the component model. These identifiers are stored in
// hosts' layouts and registries: they never change.
namespace kolvetra {

using platform::com::Guid;
using platform::com::MakeGuid;

inline constexpr const char* kTypeLibName = "Kolvetra";
inline constexpr Guid kLIBID_Kolvetra = MakeGuid("{2C124F7C-DBA8-11D8-BA1B-000000000000}");
inline constexpr std::uint16_t kTypeLibMajor = 12;
inline constexpr std::uint16_t kTypeLibMinor = 0;
inline constexpr std::uint32_t kTypeLibLocale = 0x409;

inline constexpr Guid kCLSID_ProgressBar = MakeGuid("{2C124F7E-DBA8-11D8-BA1B-000000000000}");
inline constexpr Guid kIID_ProgressBar = MakeGuid("{867170B3-7921-464F-A2E1-68193A7308E3}");
inline constexpr Guid kDIID_ProgressBarEvents = MakeGuid("{17535DE9-4CC7-4611-9C93-2E65B6DC064A}");
inline constexpr Guid kCLSID_PgbAllgemein = MakeGuid("{AC358272-F241-4A42-87A8-5778928CD6C0}");
inline constexpr Guid kIID_PgbAllgemein = MakeGuid("{CAEBC62F-97AA-44C9-9CF1-77C0B0C00145}");

// The design environment's standard pages for fonts, colours and pictures, which the
// control lists after its own page.
inline constexpr Guid kCLSID_StandardFont = MakeGuid("{5F0C83A1-2E47-4B9D-8C61-0A7E3D9B4F10}");
inline constexpr Guid kCLSID_StandardColor = MakeGuid("{5F0C83A1-2E47-4B9D-8C61-0A7E3D9B4F11}");
inline constexpr Guid kCLSID_StandardPicture = MakeGuid("{5F0C83A1-2E47-4B9D-8C61-0A7E3D9B4F12}");

inline constexpr Guid kGUID_zemAlignment = MakeGuid("{747F9D82-3678-45E3-9B5B-3B076AF7715B}");
inline constexpr Guid kGUID_zemTextAlignment = MakeGuid("{3C157094-7E9B-4441-B96A-9DDD818EFBB4}");
inline constexpr Guid kGUID_zemScrolling = MakeGuid("{3A892E55-EAFD-4DB5-A972-6720E0784E1E}");
inline constexpr Guid kGUID_zemSpecialEffects = MakeGuid("{FF203212-FE32-4115-BF9D-CFDD66E14A94}");
inline constexpr Guid kGUID_zemValueType = MakeGuid("{859CCC39-B7CC-4F20-89DA-076EB9C9021E}");
inline constexpr Guid kGUID_zemBarColorType = MakeGuid("{1087CAB6-720F-4791-979A-447813699E55}");
inline constexpr Guid kGUID_zemBackStyle = MakeGuid("{00573948-DD7E-47A9-87C3-C3B6C389A005}");
inline constexpr Guid kGUID_zemFieldEffects = MakeGuid("{97DD2AA6-75D4-4A0E-B1D0-1A40DD7299E0}");

inline constexpr const char* kProgIdProgressBar = "Kolvetra.ProgressBar";

// The library's own version (the about dialog shows major.minor and the revision).
struct FileVersion {
    int major;
    int minor;
    int build;
    int revision;
};
inline constexpr FileVersion kFileVersion{1, 0, 0, 11};

// The toolbox picture: a 16 by 15, 8-bit bitmap, resource 30000 of the library. The library
// carries it as the Qt resource kToolboxResourcePath, readable once the library is loaded.
inline constexpr int kToolboxBitmapId = 30000;
inline constexpr const char* kToolboxPicture = "resource:30000";
inline constexpr const char* kToolboxResourcePath = ":/Kolvetra/bitmap/30000";

// The classes the library serves: ProgressBar (by class and programmatic identifier) and its
// property page PgbAllgemein (by class identifier only). The private controls are not here:
// nothing outside the library can create them.
const platform::com::ServerDescription& DescribeServer();

} // namespace kolvetra
