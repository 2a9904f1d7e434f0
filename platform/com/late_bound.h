#pragma once

#include "platform/com/variant.h"

#include <string_view>
#include <vector>

namespace platform::com {

// Late-bound calls as a script makes them: failures are raised as RunTimeError, with the
// original's numbers. No object: 91. No such member or no such access: 438. A type that does
// not convert: 13. Overflow: 6. Wrong number of arguments: 450. A run-time error inside the
// member: that error. Any other failure: 440 (automation error) with the result code.

DispId GetDispId(IDispatch* object, std::string_view name);

Variant GetProperty(IDispatch* object, DispId id);
Variant GetProperty(IDispatch* object, std::string_view name);

void PutProperty(IDispatch* object, DispId id, const Variant& value);
void PutProperty(IDispatch* object, std::string_view name, const Variant& value);

// The arguments come back as the method left them (by reference).
Variant CallMethod(IDispatch* object, DispId id, std::vector<Variant>& args);
Variant CallMethod(IDispatch* object, DispId id, std::vector<Variant>&& args = {});
Variant CallMethod(IDispatch* object, std::string_view name, std::vector<Variant>&& args = {});

// Raises the run-time error a failed dispatch call stands for; does nothing on success.
void RaiseForDispatch(HRESULT hr, const ExcepInfo& excep);

} // namespace platform::com
