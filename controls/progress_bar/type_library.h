#pragma once

#include <cstdint>
#include <vector>

#include "platform/com/dispatch.h"
#include "platform/com/guid.h"

// What the type library of Kolvetra describes beyond the identifiers of identity.h: the help
// strings that a design environment shows for the control, its members, its events and its
// enumerations. Texts are CP1252 and stand exactly as published.
namespace kolvetra {

inline constexpr const char* kControlHelp = "Standardfortschrittanzeige-Steuerelement";

// One member of `_ProgressBar` (a property or the method) or of `__ProgressBar` (an event).
struct MemberHelp {
    const char* name;
    platform::com::DispId id;
    const char* help; // "" for a member without one
};

// The members of `_ProgressBar`, in the order of the interface.
const std::vector<MemberHelp>& ProgressBarMembers();
// The events of `__ProgressBar`.
const std::vector<MemberHelp>& ProgressBarEvents();

// The eight enumerations with their identifiers and members; all carry kControlHelp.
struct EnumMember {
    const char* name;
    std::int32_t value;
};
struct EnumInfo {
    const char* name;
    platform::com::Guid guid;
    std::vector<EnumMember> members;
    const char* help = kControlHelp;
};
const std::vector<EnumInfo>& Enumerations();

} // namespace kolvetra
