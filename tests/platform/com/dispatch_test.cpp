#include "platform/com/com.h"

#include "test_support.h"

#include <gtest/gtest.h>

namespace {

using namespace platform::com;

// A dual interface of its own, as a control's `_ProgressBar` is.
struct IGauge : IDispatch {
    static constexpr Guid iid = MakeGuid("{5B0E7A10-1111-4222-8333-444455556666}");
    using Base = IDispatch;
};

struct IUnrelated : IUnknown {
    static constexpr Guid iid = MakeGuid("{5B0E7A10-1111-4222-8333-444455557777}");
    using Base = IUnknown;
};

class Gauge : public EventDispatchObject<Gauge, IGauge> {
public:
    explicit Gauge(bool* destroyed = nullptr)
        : m_destroyed(destroyed)
    {
    }
    ~Gauge() override
    {
        if (m_destroyed)
            *m_destroyed = true;
    }

    static const DispatchTable<Gauge>& Members()
    {
        static const DispatchTable<Gauge> table{
            {"Max",
             0x68030006,
             [](Gauge& g) { return Variant(g.max); },
             [](Gauge& g, const Variant& v) { g.max = v.ToDouble(); },
             {}},
            {"Value",
             0x68030003,
             [](Gauge& g) { return Variant(g.value); },
             [](Gauge& g, const Variant& v) {
                 if (v.ToDouble() < 0)
                     throw platform::RunTimeError(380);
                 g.value = v.ToDouble();
             },
             {}},
            {"Version", 0x68030010, [](Gauge&) { return Variant("1.0"); }, {}, {}},
            {"GoURL", 0x68030000, {}, [](Gauge&, const Variant&) {}, {}},
            {"Swap",
             0x68030011,
             {},
             {},
             [](Gauge&, std::vector<Variant>& args) {
                 std::swap(args.at(0), args.at(1));
                 return Variant(true);
             }},
            {"Press",
             0x68030012,
             {},
             {},
             [](Gauge& g, std::vector<Variant>& args) {
                 std::vector<Variant> eventArgs{Variant(std::int16_t(1)), Variant(std::int16_t(0)),
                                                Variant(10.0), Variant(20.0)};
                 g.RaiseEvent(3, "MouseDown", eventArgs);
                 return eventArgs[0];
             }},
            {"ShowAboutBox",
             DISPID_ABOUTBOX,
             {},
             {},
             [](Gauge& g, std::vector<Variant>&) {
                 ++g.aboutShown;
                 return Variant();
             }},
        };
        return table;
    }

    double max = 100;
    double value = 0;
    int aboutShown = 0;

private:
    bool* m_destroyed;
};

TEST(ComObject, QueryInterfaceHasOneShape)
{
    ComPtr<Gauge> gauge = MakeObject<Gauge>();
    void* out = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(gauge->QueryInterface(IUnrelated::iid, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr) << "the out-parameter must be cleared on failure";
    EXPECT_EQ(gauge->QueryInterface(IDispatch::iid, nullptr), E_POINTER);

    // Every interface of the chain answers, and IUnknown is the same pointer from each.
    ComPtr<IGauge> asGauge = gauge.As<IGauge>();
    ComPtr<IDispatch> asDispatch = gauge.As<IDispatch>();
    ComPtr<IEventSource> asEvents = gauge.As<IEventSource>();
    ASSERT_TRUE(asGauge && asDispatch && asEvents);
    EXPECT_EQ(asGauge.As<IUnknown>(), asEvents.As<IUnknown>());
    EXPECT_FALSE(gauge.As<IClassFactory>());
}

TEST(ComObject, LastReleaseDestroysAndCountsTheModuleObjects)
{
    long before = ModuleObjectCount();
    bool destroyed = false;
    {
        ComPtr<Gauge> gauge = MakeObject<Gauge>(&destroyed);
        EXPECT_EQ(ModuleObjectCount(), before + 1);
        ComPtr<IDispatch> second = gauge.As<IDispatch>();
        gauge.Reset();
        EXPECT_FALSE(destroyed) << "a reference is still held";
        ComPtr<IDispatch> copy = second;
        second.Reset();
        EXPECT_FALSE(destroyed);
    }
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(ModuleObjectCount(), before);
}

class Dispatch : public ::testing::Test {
protected:
    ComPtr<Gauge> gauge = MakeObject<Gauge>();
    IDispatch* object = gauge.As<IDispatch>().get(); // kept alive by `gauge`
};

TEST_F(Dispatch, NamesMapToIdentifiersWithoutRegardToCase)
{
    DispId id = 0;
    EXPECT_EQ(object->GetIDsOfNames("mAX", &id), S_OK);
    EXPECT_EQ(id, 0x68030006);
    EXPECT_EQ(object->GetIDsOfNames("SHOWABOUTBOX", &id), S_OK);
    EXPECT_EQ(id, DISPID_ABOUTBOX);
    id = 12345;
    EXPECT_EQ(object->GetIDsOfNames("Maximum", &id), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(id, DISPID_UNKNOWN);
}

TEST_F(Dispatch, GetPutAndCallByIdentifierAndByName)
{
    PutProperty(object, 0x68030006, Variant(250));
    EXPECT_EQ(gauge->max, 250);
    EXPECT_EQ(GetProperty(object, 0x68030006).ToDouble(), 250);
    PutProperty(object, "value", Variant("12.5")); // text converted by the setter
    EXPECT_EQ(gauge->value, 12.5);
    EXPECT_EQ(GetProperty(object, "Value").Type(), VarType::Double);
    CallMethod(object, "ShowAboutBox");
    CallMethod(object, DISPID_ABOUTBOX);
    EXPECT_EQ(gauge->aboutShown, 2);
}

TEST_F(Dispatch, ArgumentsTravelByReference)
{
    std::vector<Variant> args{Variant(1), Variant("two")};
    CallMethod(object, 0x68030011, args);
    EXPECT_EQ(args[0], Variant("two"));
    EXPECT_EQ(args[1], Variant(1));
}

TEST_F(Dispatch, InvokeReportsWhatIsWrong)
{
    struct Case {
        const char* name;
        DispId id;
        std::uint16_t flags;
        std::vector<Variant> args;
        HRESULT expected;
        int excepNumber;
    };
    const Case cases[] = {
        {"unknown identifier", 0x1234, DISPATCH_PROPERTYGET, {}, DISP_E_MEMBERNOTFOUND, 0},
        {"put on a read-only property",
         0x68030010,
         DISPATCH_PROPERTYPUT,
         {Variant(1)},
         DISP_E_MEMBERNOTFOUND,
         0},
        {"get on a put-only property",
         0x68030000,
         DISPATCH_PROPERTYGET,
         {},
         DISP_E_MEMBERNOTFOUND,
         0},
        {"put without a value", 0x68030006, DISPATCH_PROPERTYPUT, {}, DISP_E_BADPARAMCOUNT, 0},
        {"put with two values",
         0x68030006,
         DISPATCH_PROPERTYPUT,
         {Variant(1), Variant(2)},
         DISP_E_BADPARAMCOUNT,
         0},
        {"get with an argument",
         0x68030006,
         DISPATCH_PROPERTYGET,
         {Variant(1)},
         DISP_E_BADPARAMCOUNT,
         0},
        {"text that is no number",
         0x68030006,
         DISPATCH_PROPERTYPUT,
         {Variant("abc")},
         DISP_E_TYPEMISMATCH,
         13},
        {"the member raises 380",
         0x68030003,
         DISPATCH_PROPERTYPUT,
         {Variant(-1)},
         DISP_E_EXCEPTION,
         380},
        {"a property is no method", 0x68030006, DISPATCH_METHOD, {}, DISP_E_MEMBERNOTFOUND, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<Variant> args = c.args;
        Variant result("sentinel");
        ExcepInfo excep;
        EXPECT_EQ(object->Invoke(c.id, c.flags, args, &result, &excep), c.expected);
        EXPECT_EQ(excep.number, c.excepNumber);
    }
    EXPECT_EQ(gauge->max, 100) << "no failed put may change the value";
}

TEST_F(Dispatch, LateBoundCallsRaiseTheScriptErrors)
{
    struct Case {
        const char* name;
        std::function<void()> body;
        int error;
    };
    IDispatch* obj = object;
    const Case cases[] = {
        {"unknown name", [=] { GetProperty(obj, "Colour"); }, 438},
        {"unknown identifier", [=] { PutProperty(obj, 0x1234, Variant(1)); }, 438},
        {"read-only", [=] { PutProperty(obj, "Version", Variant("2")); }, 438},
        {"type mismatch", [=] { PutProperty(obj, "Max", Variant("abc")); }, 13},
        {"error inside the member", [=] { PutProperty(obj, "Value", Variant(-1)); }, 380},
        {"member fails without a run-time error", [=] { CallMethod(obj, "Swap"); }, 440},
        {"no object", [] { GetProperty(static_cast<IDispatch*>(nullptr), "Max"); }, 91},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ErrorNumberOf(c.body), c.error);
    }
}

TEST_F(Dispatch, EventsReachEveryConnectedHandlerWithTheirArguments)
{
    ComPtr<IEventSource> source = gauge.As<IEventSource>();
    std::vector<std::string> log;
    std::uint32_t first = 0, second = 0;
    ASSERT_EQ(source->Advise(
                  [&](const Event& e) {
                      log.push_back("first " + std::string(e.name) + " " + std::to_string(e.id) +
                                    " x=" + e.args.at(2).ToString());
                      e.args[0] = Variant(std::int16_t(2)); // by reference, like ByRef Button
                      source->Unadvise(first);              // disconnect while raising
                  },
                  &first),
              S_OK);
    ASSERT_EQ(
        source->Advise([&](const Event& e) { log.push_back("second " + e.args[0].ToString()); },
                       &second),
        S_OK);
    EXPECT_NE(first, second);

    Variant button = CallMethod(object, "Press");
    EXPECT_EQ(button.ToInt32(), 2) << "the raiser sees what the handler wrote";
    CallMethod(object, "Press");
    const std::vector<std::string> expected{"first MouseDown 3 x=10", "second 2", "second 1"};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(source->Unadvise(first), E_INVALIDARG);
    EXPECT_EQ(source->Unadvise(second), S_OK);
}

} // namespace
