// UsbServiceImp devices and RegistrationServiceImp.
#include <climits>
#include <cstring>
#include <functional>
#include <string>

#include "bridge_test.h"
#include "com_korvanta_nestrova_commservices_RegistrationServiceImp.h"
#include "com_korvanta_nestrova_commservices_UsbServiceImp.h"

#define USB(m) Java_com_korvanta_nestrova_commservices_UsbServiceImp_##m
#define REG(m) Java_com_korvanta_nestrova_commservices_RegistrationServiceImp_##m

namespace {

using Strings = std::vector<std::string>;
using Bytes = std::vector<int8_t>;

std::string Ret(const std::string &method, int value) { return method + ": return " + std::to_string(value) + "====>\n"; }

class UsbRegistrationTest : public BridgeTest {
  protected:
    void SetUp() override {
        BridgeTest::SetUp();
        Script();
    }
    // Every USB operation answers 7 unless a case scripts it otherwise.
    static void Script() {
        ZSIM_SCRIPT(zivra_usbRegister, [](int, int, const char *, int) { return 7; });
        ZSIM_SCRIPT(zivra_usbUnregister, [](int, int, const char *) { return 7; });
        ZSIM_SCRIPT(zivra_usbClose, [](int) { return 7; });
        ZSIM_SCRIPT(zivra_usbLock, [](int, int, const char *, int) { return 7; });
        ZSIM_SCRIPT(zivra_usbUnlock, [](int, int, const char *, int) { return 7; });
        ZSIM_SCRIPT(zivra_usbDataAvailable, [](int, int, const char *, int) { return 7; });
        ZSIM_SCRIPT(zivra_usbSetSerial, [](int, int, const char *, int, const UsbSerialSettings *) { return 7; });
    }
};

TEST_F(UsbRegistrationTest, ForwardingMethodsPassArgumentsAndReturnTheGatewaysValue) {
    const char *const T = "client=2 session=-1 bundle=";
    const struct {
        std::function<jint()> call;
        int value;
        Strings calls, lines;
    } cases[] = {
        {[&] { return USB(usbRegisterJni)(env(), self(), jni.Str("b.one"), 1); }, 7,
         {"usbRegister(" + std::string(T) + "\"b.one\" devTypes=1)"},
         {"usbRegisterJni:devTypes= 1 enter============>\n", "usbRegisterJni:Bcon= b.one enter============>\n",
          Ret("usbRegisterJni", 7)}},
        {[&] { return USB(usbRegisterJni)(env(), self(), jni.Str("b.one"), -1); }, 7,
         {"usbRegister(" + std::string(T) + "\"b.one\" devTypes=-1)"},
         {"usbRegisterJni:devTypes= -1 enter============>\n", "usbRegisterJni:Bcon= b.one enter============>\n",
          Ret("usbRegisterJni", 7)}},
        {[&] { return USB(usbRegisterJni)(env(), self(), jni.Str("b.one"), 2); }, -1, {},
         {"usbRegisterJni:devTypes= 2 enter============>\n", Ret("usbRegisterJni", -1)}},
        {[&] { return USB(usbRegisterJni)(env(), self(), nullptr, 3); }, -1, {},
         {"usbRegisterJni:devTypes= 3 enter============>\n", Ret("usbRegisterJni", -1)}},
        {[&] { return USB(usbUnregisterJni)(env(), self(), jni.Str("b.one")); }, 7,
         {"usbUnregister(" + std::string(T) + "\"b.one\")"},
         {"usbUnregisterJni:Bcon= b.one  enter============>\n", Ret("usbUnregisterJni", 7)}},
        {[&] { return USB(usbUnregisterJni)(env(), self(), jni.BadStr()); }, -1, {}, {Ret("usbUnregisterJni", -1)}},
        {[&] { return USB(usbCloseJni)(env(), self(), -3); }, 7, {"usbClose(handle=-3)"},
         {"usbCloseJni:handle= -3 ,enter============>\n", Ret("usbCloseJni", 7)}},
        {[&] { return USB(usbLockJni)(env(), self(), 4); }, 7, {"usbLock(" + std::string(T) + "(null) devId=4)"},
         {"usbLockJni:devId= 4  enter============>\n", Ret("usbLockJni", 7)}},
        {[&] { return USB(usbUnlockJni)(env(), self(), 4); }, 7, {"usbUnlock(" + std::string(T) + "(null) devId=4)"},
         {"usbUnlockJni:devId= 4  enter============>\n", Ret("usbUnlockJni", 7)}},
        {[&] { return USB(usbDataAvailableJni)(env(), self(), 9); }, 7,
         {"usbDataAvailable(" + std::string(T) + "(null) handle=9)"},
         {"usbDataAvailableJni:handle= 9  enter============>\n", Ret("usbDataAvailableJni", 7)}},
        {[&] { return USB(usbSetSerialJni)(env(), self(), 2, 9600, 8, -1, INT_MIN, 0x80, 0); }, 7,
         {"usbSetSerial(" + std::string(T) + "(null) device=2 settings=9600,8,-1,-2147483648,1,0)"},
         {Ret("usbSetSerialJni", 7)}},
        {[&] { return USB(usbSetSerialJni)(env(), self(), 2, 0, 0, 0, 0, 0, 1); }, 7,
         {"usbSetSerial(" + std::string(T) + "(null) device=2 settings=0,0,0,0,0,1)"}, {Ret("usbSetSerialJni", 7)}},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        Script();
        EXPECT_EQ(c.call(), c.value);
        EXPECT_EQ(Calls(), c.calls);
        EXPECT_EQ(Lines(), AtLevel2(c.lines));
    }
}

TEST_F(UsbRegistrationTest, OpenReturnsTheHandleOnSuccessElseTheResult) {
    const struct {
        int result, handle, value;
    } cases[] = {{0, 0, 0}, {0, 41, 41}, {-3, 41, -3}, {5, -1, 5}};
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_usbOpen, [&c](int, int, const char *b, int, int *handle) {
            EXPECT_EQ(*handle, -1);
            EXPECT_EQ(b, nullptr);
            *handle = c.handle;
            return c.result;
        });
        EXPECT_EQ(USB(usbOpenJni)(env(), self(), 6), c.value);
        EXPECT_EQ(Lines(), AtLevel2({"usbOpenJni:devId= 6  enter============>\n", Ret("usbOpenJni", c.value)}));
    }
}

// Regions at and past each edge of a 10-byte array, for both directions.
// Reads store `count` bytes from `offset` on and report half as many; writes
// send the region and leave it copied to the array's start.
TEST_F(UsbRegistrationTest, ByteRegionsInsideTheArrayMoveOnlyTheirBytes) {
    const Bytes original = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    const struct {
        jint offset, count;
        bool inside;
    } regions[] = {{0, 10, true},       {10, 0, true},       {4, 3, true},        {9, 1, true},
                   {10, 1, false},      {0, 11, false},      {-1, 1, false},      {0, -1, false},
                   {INT_MAX, 1, false}, {1, INT_MAX, false}, {INT_MAX, INT_MAX, false}};
    for (bool read : {true, false}) {
        for (const auto &r : regions) {
            zsim::Reset();
            Bytes sent;
            ZSIM_SCRIPT(zivra_usbRead, [&r](int, int, const char *, int, signed char *data, int *count, int timeout) {
                EXPECT_EQ(*count, r.count);
                EXPECT_EQ(timeout, 500);
                for (int i = 0; i < *count; ++i) data[i] = static_cast<signed char>(100 + i);
                *count /= 2;
                return 0;
            });
            ZSIM_SCRIPT(zivra_usbWrite, [&sent](int, int, const char *, int, const signed char *data, int *count) {
                sent.assign(data, data + *count);
                return 0;
            });
            jbyteArray array = jni.Bytes(original);
            const size_t traced = jni.trace().size();
            const jint got = read ? USB(usbReadJni)(env(), self(), 3, array, r.offset, r.count, 500)
                                  : USB(usbWriteJni)(env(), self(), 3, array, r.offset, r.count);
            const std::string at = std::to_string(r.offset) + "," + std::to_string(r.count);
            Bytes expect = original;
            if (!r.inside) {
                EXPECT_EQ(got, -1) << at;
                EXPECT_EQ(Calls(), Strings{}) << at;
                const Strings jniCalls(jni.trace().begin() + static_cast<long>(traced), jni.trace().end());
                // At most the length was read: no element touched.
                EXPECT_TRUE(jniCalls.empty() || jniCalls == Strings{"GetArrayLength"}) << at;
            } else if (read) {
                for (int i = 0; i < r.count; ++i) expect[static_cast<size_t>(r.offset + i)] = static_cast<int8_t>(100 + i);
                EXPECT_EQ(got, r.count / 2);
            } else {
                const Bytes region(original.begin() + r.offset, original.begin() + r.offset + r.count);
                EXPECT_EQ(sent, region) << at;
                std::copy(region.begin(), region.end(), expect.begin());
                EXPECT_EQ(got, r.count);
            }
            EXPECT_EQ(jni.Contents(array), expect) << at << (read ? " read" : " write");
        }
    }
}

TEST_F(UsbRegistrationTest, ByteArraysThatCannotBeHadOrFailedTransfers) {
    const std::string writeFail =
        "usbWriteJni: return json = \"Result\":-1,\"FailReason\":\"Get jbyteArray fail\"  leave============>\n";
    const struct {
        bool read;
        jbyteArray array;
        int result, value;
        Strings lines;
    } cases[] = {
        {true, nullptr, 0, -1, {Ret("usbReadJni", -1)}},
        {true, jni.Bytes({1, 2}, true), 0, -1, {Ret("usbReadJni", -1)}},
        {true, jni.Bytes({1, 2}), -6, -6,
         {"usbReadJni:handle= 3 ,offset=1 ,count=1 ,timeout=-1 ,enter============>\n", Ret("usbReadJni", -6)}},
        {false, nullptr, 0, -1, {writeFail}},
        {false, jni.Bytes({1, 2}, true), 0, -1, {writeFail}},
        {false, jni.Bytes({1, 2}), -6, -6,
         {"usbWriteJni:handle= 3 ,offset=1 ,count=1 ,enter============>\n", Ret("usbWriteJni", -6)}},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_usbRead, [&c](int, int, const char *, int, signed char *, int *, int) { return c.result; });
        ZSIM_SCRIPT(zivra_usbWrite, [&c](int, int, const char *, int, const signed char *, int *) { return c.result; });
        EXPECT_EQ(c.read ? USB(usbReadJni)(env(), self(), 3, c.array, 1, 1, -1)
                         : USB(usbWriteJni)(env(), self(), 3, c.array, 1, 1),
                  c.value);
        EXPECT_EQ(Calls().size(), c.lines.size() - 1);
        EXPECT_EQ(Lines(), AtLevel2(c.lines));
    }
}

TEST_F(UsbRegistrationTest, RegistrationTextsMissingInTurnGiveMinusOneWithoutTheGateway) {
    const std::string leave = "setPasswordRegistrationJin: return json = %  leave============>\n";
    const struct {
        jstring text1, text2;
        int value;
    } cases[] = {
        {jni.Str("pw"), jni.Str("BJ"), 4}, {nullptr, jni.Str("BJ"), -1},   {jni.BadStr(), jni.Str("BJ"), -1},
        {jni.Str("pw"), nullptr, -1},      {jni.Str("pw"), jni.BadStr(), -1},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_setPasswordRegistration, [](const char *, int, int, const char *) { return 4; });
        const size_t released = jni.release_points().size();
        EXPECT_EQ(REG(setPasswordRegistrationJni)(env(), self(), c.text1, -5, INT_MIN, c.text2), c.value);
        const bool called = c.value != -1;
        EXPECT_EQ(Calls(), called ? Strings{"setPasswordRegistration(text1=\"pw\" limit=-5 times=-2147483648 text2=\"BJ\")"}
                                  : Strings{});
        Strings lines;
        if (called) lines.push_back("setPasswordRegistrationJin:limit= -5  times= -2147483648 enter============>\n");
        lines.push_back(leave.substr(0, leave.find('%')) + std::to_string(c.value) + leave.substr(leave.find('%') + 1));
        EXPECT_EQ(Lines(), AtLevel2(lines));
        for (size_t i = released; i < jni.release_points().size(); ++i) EXPECT_EQ(jni.release_points()[i], called ? 1u : 0u);
    }
}

TEST_F(UsbRegistrationTest, RegistrationStateQuotesEachTextWithinItsField) {
    const struct {
        int result;
        const char *fill;  // each state text, cut to its field with no NUL when long
        std::string reply;
    } cases[] = {
        {0, "", "{\"Result\":0,\"Status\":\"\",\"RegisterResult\":\"\",\"ServiceNum\":\"\",\"ServiceName\":\"\","
                "\"Limit\":\"\",\"Times\":\"\",\"Province\":\"\"}"},
        {0, "0123456789abcdefXYZ",
         "{\"Result\":0,\"Status\":\"0123\",\"RegisterResult\":\"0123\",\"ServiceNum\":\"0123\","
         "\"ServiceName\":\"0123456789abcdef\",\"Limit\":\"0123\",\"Times\":\"0123\",\"Province\":\"0123\"}"},
        {1, "x", "{\"Result\":-1,\"FailReason\":\"Get jstring fail\"}"},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getPasswordRegistrationInfo,
                    [&c](char *s, char *r, char *n, char *name, char *l, char *t, char *p) {
                        for (char *f : {s, r, n, l, t, p}) memcpy(f, c.fill, std::min<size_t>(4, strlen(c.fill)));
                        memcpy(name, c.fill, std::min<size_t>(16, strlen(c.fill)));
                        return c.result;
                    });
        EXPECT_EQ(Text(REG(getPasswordRegistrationInfoJni)(env(), self())), c.reply);
        EXPECT_EQ(Lines(), AtLevel2({"getPasswordRegistrationInfoJin: enter============>\n",
                                     "getPasswordRegistrationInfoJni: return json = " + c.reply + "   leave============>\n"}));
    }
}

}  // namespace
