#pragma once

// The component model of the platform layer, in one include.
//
// A control class declares its interface once, as a table of members, and gets IUnknown,
// IDispatch and an event source from the bases:
//
//     using namespace platform::com;
//
//     class Gauge : public EventDispatchObject<Gauge, IDispatch> {
//     public:
//         static const DispatchTable<Gauge>& Members()
//         {
//             static const DispatchTable<Gauge> table{
//                 {"Max", 0x68030006, [](Gauge& g) { return Variant(g.m_max); },
//                  [](Gauge& g, const Variant& v) { g.m_max = v.ToDouble(); }, {}},
//                 {"Reset", 0x68030001, {}, {},
//                  [](Gauge& g, std::vector<Variant>&) { g.m_max = 100; return Variant(); }},
//             };
//             return table;
//         }
//         void OnClick() { RaiseEvent(1, "Click"); }
//     private:
//         double m_max = 100;
//     };
//
// A library serves it with one table, in exactly one of its source files:
//
//     const ServerDescription& DescribeServer()
//     {
//         static const ServerDescription server{
//             {"Gauges", MakeGuid("{...libid...}"), 1, 0, 0x409},
//             {{MakeGuid("{...clsid...}"), "Gauges.Gauge", "Gauge", &CreateObjectOf<Gauge>}}};
//         return server;
//     }
//     QV_IN_PROCESS_SERVER(DescribeServer)
//
// `regsvr libGauges.so` registers it; a host then creates, drives and listens to it:
//
//     ComPtr<IDispatch> gauge = CreateObject("Gauges.Gauge"); // error 429 if not registered
//     PutProperty(gauge.get(), 0x68030006, Variant(250.0));   // by dispatch identifier
//     double max = GetProperty(gauge.get(), "max").ToDouble(); // by name, any case
//     std::uint32_t cookie = 0;
//     gauge.As<IEventSource>()->Advise([](const Event& e) { /* e.name, e.args */ }, &cookie);
//
// and keeps its settings in a property bag, stored as text with the form's layout:
//
//     PropertyBag bag;
//     bag.WriteProperty("Max", Variant(100.0), Variant(100)); // equal to its default: not stored
//     StoredLayout layout{{{"Gauges.Gauge", "Gauge1", bag}}};
//     std::string text = WriteStoredLayout(layout);
//     StoredLayout back = ParseStoredLayout(text);

#include "platform/com/class_factory.h"
#include "platform/com/com_object.h"
#include "platform/com/com_ptr.h"
#include "platform/com/creation.h"
#include "platform/com/dispatch.h"
#include "platform/com/dispatch_table.h"
#include "platform/com/events.h"
#include "platform/com/guid.h"
#include "platform/com/hresult.h"
#include "platform/com/late_bound.h"
#include "platform/com/picture.h"
#include "platform/com/property_bag.h"
#include "platform/com/server.h"
#include "platform/com/std_font.h"
#include "platform/com/stored_layout.h"
#include "platform/com/unknown.h"
#include "platform/com/variant.h"
