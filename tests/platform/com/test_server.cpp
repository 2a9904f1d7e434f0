// A small in-process server for the tests: one class, "QvTest.Counter".

#include "platform/com/com.h"
#include "platform/errors/run_time_error.h"

namespace {

using namespace platform::com;

class Counter : public EventDispatchObject<Counter, IDispatch> {
public:
    static const DispatchTable<Counter>& Members()
    {
        static const DispatchTable<Counter> table{
            {"Caption",
             2,
             [](Counter& c) { return Variant(c.m_caption); },
             [](Counter& c, const Variant& v) { c.m_caption = v.ToString(); },
             {}},
            {"Max",
             1,
             [](Counter& c) { return Variant(c.m_max); },
             [](Counter& c, const Variant& v) { c.m_max = v.ToDouble(); },
             {}},
            {"Add",
             3,
             {},
             {},
             [](Counter& c, std::vector<Variant>& args) {
                 c.m_value += args.at(0).ToDouble();
                 c.RaiseEvent(1, "Changed", {Variant(c.m_value)});
                 return Variant(c.m_value);
             }},
        };
        return table;
    }

private:
    std::string m_caption = "Counter";
    double m_max = 100;
    double m_value = 0;
};

const ServerDescription& DescribeServer()
{
    static const ServerDescription server{
        {"QvTest", MakeGuid("{7D1C2B3A-0000-4000-8000-00000000AA01}"), 2, 5, 0x409},
        {{MakeGuid("{7D1C2B3A-0000-4000-8000-00000000AA02}"), "QvTest.Counter", "Counter",
          &CreateObjectOf<Counter>, "resource:30000"}}};
    return server;
}

} // namespace

QV_IN_PROCESS_SERVER(DescribeServer)
