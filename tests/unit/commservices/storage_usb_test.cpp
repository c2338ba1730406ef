// DeviceAccessRightQueryServiceImp, DeviceAccessRightConfigServiceImp,
// UsbServiceImp and RegistrationServiceImp.
#include <climits>
#include <cstring>
#include <functional>
#include <string>

#include "bridge_test.h"
#include "com_korvanta_nestrova_commservices_DeviceAccessRightConfigServiceImp.h"
#include "com_korvanta_nestrova_commservices_DeviceAccessRightQueryServiceImp.h"
#include "com_korvanta_nestrova_commservices_RegistrationServiceImp.h"
#include "com_korvanta_nestrova_commservices_UsbServiceImp.h"
#include "fail_calloc.h"

#define QUERY(m) Java_com_korvanta_nestrova_commservices_DeviceAccessRightQueryServiceImp_##m
#define CONFIG(m) Java_com_korvanta_nestrova_commservices_DeviceAccessRightConfigServiceImp_##m
#define USB(m) Java_com_korvanta_nestrova_commservices_UsbServiceImp_##m
#define REG(m) Java_com_korvanta_nestrova_commservices_RegistrationServiceImp_##m

namespace {

using Bytes = std::vector<int8_t>;

// Writes `text` into a field of N bytes without its NUL, checking the field came zeroed.
void Put(char *field, size_t n, const std::string &text) {
    EXPECT_EQ(std::string(field, n), std::string(n, '\0'));
    memcpy(field, text.data(), std::min(n, text.size()));
}

std::string Ret(const std::string &label, int value) { return label + ": return " + std::to_string(value) + "====>\n"; }

class StorageRightsTest : public BridgeTest {};
class UsbRegistrationTest : public BridgeTest {};

TEST_F(StorageRightsTest, AccountQueriesListAtMostTheTableReadWithinEachField) {
    const std::string user(130, 'u'), pass(257, 'p');  // full fields, no NUL
    const std::string item = "{\"UserName\":\"" + user + "\",\"Password\":\"" + pass + "\"}";
    const std::string six = item + "," + item + "," + item + "," + item + "," + item + "," + item;
    // Below zero: none, whatever was filled; above the table: its six.
    const struct { int count, filled, right; std::string anonymous, list; } cases[] = {
        {-4, 1, 0, "", ""}, {1, 1, 1, "0", item}, {6, 6, INT_MIN, "0123456789", six}, {9, 6, 2, "1", six}};
    for (bool samba : {true, false}) {
        const std::string method = samba ? "getSambaRightInfoJni" : "getFTPRightInfoJni";
        for (const auto &c : cases) {
            zsim::Reset();
            auto fill = [&](int *right, char *anonymous, StorageAccountEntry *accounts) {
                EXPECT_EQ(*right, 0);
                Put(anonymous, ZIVRA_STORAGE_ANONYMOUS_SIZE, c.anonymous);
                for (int i = 0; i < c.filled; ++i) Put(accounts[i].UserName, 130, user), Put(accounts[i].Password, 257, pass);
                *right = c.right;
                return c.count;
            };
            ZSIM_SCRIPT(zivra_getSambaRightInfo, fill);
            ZSIM_SCRIPT(zivra_getFTPRightInfo, fill);
            const std::string reply = "{\"Result\":0,\"Right\":" + std::to_string(c.right) + ",\"Anonymous\":\"" +
                                      c.anonymous + "\",\"AccountList\":[" + c.list + "]}";
            EXPECT_EQ(Text(samba ? QUERY(getSambaRightInfoJni)(env(), self()) : QUERY(getFTPRightInfoJni)(env(), self())),
                      reply) << c.count;
            EXPECT_EQ(Calls(), Strings{samba ? "getSambaRightInfo()" : "getFTPRightInfo()"});
            EXPECT_EQ(Lines(), AtLevel2({method + ": enter============>\n",
                                         method + ": return json = " + reply + " leave============>\n"}));
        }
    }
}

// Each heap block failing in turn: the fail reply, no gateway call, nothing
// logged after the enter line; the block that was had is freed (sanitizer runs).
TEST_F(StorageRightsTest, EachHeapBlockThatCannotBeHadGivesTheFailReply) {
    const struct { jstring (*call)(JNIEnv *, jobject); const char *method, *reply; } queries[] = {
        {&QUERY(getSambaRightInfoJni), "getSambaRightInfoJni", "{\"Result\":-1,\"FailReason\":\"malloc fail\"}"},
        {&QUERY(getFTPRightInfoJni), "getFTPRightInfoJni", "{\"Result\":-1,\"FailReason\":\"getFTPRightInfo fail\"}"},
        {&USB(getStorageInfoJni), "getStorageInfoJni", "{\"Result\":-1,\"FailReason\":\"getStorageInfoJni malloc fail\"}"},
    };
    for (const auto &q : queries) {
        for (int passes : {0, 1}) {
            zsim::Reset();
            FailCallocAfter(passes);
            const std::string reply = Text(q.call(env(), self()));
            SKIP_UNLESS_CALLOC_FAILED();
            EXPECT_EQ(reply, q.reply) << passes;
            EXPECT_EQ(Calls(), Strings{});
            EXPECT_EQ(Lines(), AtLevel2({std::string(q.method) + ": enter============>\n"}));
        }
    }
}

// The int methods against the simulated gateway (device 2 a serial port,
// handles device id - 1, bundles registered before they unregister): what
// reaches it and the lines written. A string that cannot be had (or null)
// gives -1 without the gateway; characters go back right after the call.
TEST_F(StorageRightsTest, IntMethodsPassTheirArgumentsOrFailWithoutTheGateway) {
    auto E = [](const std::string &m) { return m + ": enter============>\n"; };
    auto ER = [&E](const std::string &m, int v) { return Strings{E(m), Ret(m, v)}; };
    const std::string T = "client=2 session=-1 bundle=";
    auto J = [](int v) { return "setPasswordRegistrationJin: return json = " + std::to_string(v) + "  leave============>\n"; };
#define RUN(f, ...) [&] { return f(env(), self(), ##__VA_ARGS__); }
    const struct { std::function<jint()> call; int result; Strings calls, lines; } cases[] = {
        {RUN(CONFIG(setSambaRightJni), 2, 0x80), 0, {"setSambaRight(right=2 anonymous=1)"},
         {"setSambaRightJni: SambaRight = 2 Sambaanonymous = 128\n", Ret("setSambaRightJni", 0)}},
        {RUN(CONFIG(setFTPRightJni), -1, 0), -1, {"setFTPRight(right=-1 anonymous=0)"}, ER("setFTPRightJni", -1)},
        {RUN(CONFIG(setFTPRightJni), 1, 2), 0, {"setFTPRight(right=1 anonymous=1)"}, ER("setFTPRightJni", 0)},
        {RUN(CONFIG(setHTTPRightJni), 5), -1, {"setHTTPRight(right=5)"}, {"setHTTPRightJni: HTTPRight = 5 \n", Ret("setHTTPRightJni", -1)}},
        {RUN(CONFIG(deleteAllSambaAccountJni)), 0, {"deleteAllSambaAccount(text=\"\")"}, ER("deleteAllSambaAccountJni", 0)},
        {RUN(CONFIG(deleteAllFTPAccountJni)), 0, {"deleteAllFTPAccount(text=\"\")"}, ER("deleteAllFTPAccountJni", 0)},
        {RUN(CONFIG(addSambaAccountJni), jni.Str("bob"), jni.Str("pw")), 0, {"addSambaAccount(userName=\"bob\" password=\"pw\")"},
         ER("addSambaAccountJni", 0)},
        {RUN(CONFIG(addSambaAccountJni), jni.BadStr(), jni.Str("pw")), -1, {}, {E("addSambaAccountJni")}},
        {RUN(CONFIG(addFTPAccountJni), jni.Str("ann"), jni.Str("s3")), 0, {"addFTPAccount(userName=\"ann\" password=\"s3\")"},
         {"addFTPAccountJni: CFTPAccount:ann CaddFTPpassword:s3 enter============>\n", Ret("CFTPAccount", 0)}},
        {RUN(CONFIG(addFTPAccountJni), jni.Str("ann"), jni.BadStr()), -1, {}, {}},
        {RUN(CONFIG(deleteSambaAccountJni), jni.Str("family")), 0, {"deleteSambaAccount(userName=\"family\")"},
         ER("deleteSambaAccountJni", 0)},
        {RUN(CONFIG(deleteSambaAccountJni), nullptr), -1, {}, {E("deleteSambaAccountJni")}},
        {RUN(CONFIG(deleteFTPAccountJni), jni.Str("ann")), -1, {"deleteFTPAccount(userName=\"ann\")"},
         {E("deleteFTPAccountJni"), "deleteFTPAccountJni: CdeleFTPAccount:ann", Ret("deleteFTPAccountJni", -1)}},
        {RUN(CONFIG(deleteFTPAccountJni), jni.BadStr()), -1, {}, {E("deleteFTPAccountJni")}},
        {RUN(CONFIG(setHTTPUserPasswordJni), jni.Str("pw")), 0, {"setHTTPUserPassword(password=\"pw\")"},
         ER("setHTTPUserPassword", 0)},
        {RUN(CONFIG(setHTTPUserPasswordJni), nullptr), -1, {}, {}},
        {RUN(USB(usbRegisterJni), jni.Str("b.one"), 3), 0, {"usbRegister(" + T + "\"b.one\" devTypes=3)"},
         {"usbRegisterJni:devTypes= 3 enter============>\n", "usbRegisterJni:Bcon= b.one enter============>\n", Ret("usbRegisterJni", 0)}},
        {RUN(USB(usbRegisterJni), jni.Str("b.one"), 2), -1, {},
         {"usbRegisterJni:devTypes= 2 enter============>\n", Ret("usbRegisterJni", -1)}},
        {RUN(USB(usbUnregisterJni), jni.Str("b.one")), -1, {"usbUnregister(" + T + "\"b.one\")"},
         {"usbUnregisterJni:Bcon= b.one  enter============>\n", Ret("usbUnregisterJni", -1)}},
        {RUN(USB(usbUnregisterJni), jni.BadStr()), -1, {}, {Ret("usbUnregisterJni", -1)}},
        {RUN(USB(usbOpenJni), 1), 0, {"usbOpen(" + T + "(null) devId=1 handle=-1)"},
         {"usbOpenJni:devId= 1  enter============>\n", Ret("usbOpenJni", 0)}},
        {RUN(USB(usbOpenJni), 7), -2, {"usbOpen(" + T + "(null) devId=7 handle=-1)"},
         {"usbOpenJni:devId= 7  enter============>\n", Ret("usbOpenJni", -2)}},
        {RUN(USB(usbCloseJni), -3), -1, {"usbClose(handle=-3)"}, {"usbCloseJni:handle= -3 ,enter============>\n", Ret("usbCloseJni", -1)}},
        {RUN(USB(usbLockJni), 2), 0, {"usbLock(" + T + "(null) devId=2)"},
         {"usbLockJni:devId= 2  enter============>\n", Ret("usbLockJni", 0)}},
        {RUN(USB(usbUnlockJni), 2), -1, {"usbUnlock(" + T + "(null) devId=2)"},
         {"usbUnlockJni:devId= 2  enter============>\n", Ret("usbUnlockJni", -1)}},
        {RUN(USB(usbDataAvailableJni), 9), -1, {"usbDataAvailable(" + T + "(null) handle=9)"},
         {"usbDataAvailableJni:handle= 9  enter============>\n", Ret("usbDataAvailableJni", -1)}},
        {RUN(USB(usbSetSerialJni), 2, 9600, 8, -1, INT_MIN, 0x80, 0), 0,
         {"usbSetSerial(" + T + "(null) device=2 settings=9600,8,-1,-2147483648,1,0)"}, {Ret("usbSetSerialJni", 0)}},
        {RUN(USB(usbSetSerialJni), 1, 0, 0, 0, 0, 0, 1), -1, {"usbSetSerial(" + T + "(null) device=1 settings=0,0,0,0,0,1)"},
         {Ret("usbSetSerialJni", -1)}},
        // Registration: limit and times passed as they are; each text missing in turn.
        {RUN(REG(setPasswordRegistrationJni), jni.Str("pw"), -5, INT_MIN, jni.Str("BJ")), -1,
         {"setPasswordRegistration(text1=\"pw\" limit=-5 times=-2147483648 text2=\"BJ\")"},
         {"setPasswordRegistrationJin:limit= -5  times= -2147483648 enter============>\n", J(-1)}},
        {RUN(REG(setPasswordRegistrationJni), jni.Str("pw"), 12, 3, jni.Str("BJ")), 0,
         {"setPasswordRegistration(text1=\"pw\" limit=12 times=3 text2=\"BJ\")"},
         {"setPasswordRegistrationJin:limit= 12  times= 3 enter============>\n", J(0)}},
        {RUN(REG(setPasswordRegistrationJni), nullptr, 1, 1, jni.Str("BJ")), -1, {}, {J(-1)}},
        {RUN(REG(setPasswordRegistrationJni), jni.Str("pw"), 1, 1, jni.BadStr()), -1, {}, {J(-1)}},
    };
#undef RUN
    for (const auto &c : cases) {
        zsim::Reset();
        const size_t released = jni.release_points().size();
        EXPECT_EQ(c.call(), c.result) << (c.calls.empty() ? "" : c.calls[0]);
        EXPECT_EQ(Calls(), c.calls);
        EXPECT_EQ(Lines(), AtLevel2(c.lines));
        for (size_t i = released; i < jni.release_points().size(); ++i) EXPECT_EQ(jni.release_points()[i], c.calls.size());
    }
}

// Regions at and past each edge of a 10-byte array, both directions (the
// sweep moves one argument at a time, so the sums near INT_MAX are ours),
// plus elements refused and a failing transfer. Reads store `count` bytes from
// `offset` on and report half as many; writes send the region and leave it
// copied to the array's start.
TEST_F(UsbRegistrationTest, ByteRegionsInsideTheArrayMoveOnlyTheirBytes) {
    const Bytes original = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    enum Kind { kInside, kOutside, kRefused, kFails };
    const struct { jint offset, count; Kind kind; } regions[] = {
        {0, 10, kInside}, {10, 0, kInside}, {9, 1, kInside}, {10, 1, kOutside}, {0, 11, kOutside}, {-1, 1, kOutside},
        {0, -1, kOutside}, {INT_MAX, 1, kOutside}, {1, INT_MAX, kOutside}, {0, 1, kRefused}, {2, 2, kFails}};
    for (bool read : {true, false}) {
        const std::string m = read ? "usbReadJni" : "usbWriteJni";
        for (const auto &r : regions) {
            zsim::Reset();
            Bytes sent;
            ZSIM_SCRIPT(zivra_usbRead, [&](int, int, const char *, int, signed char *data, int *count, int timeout) {
                EXPECT_EQ(*count, r.count);
                EXPECT_EQ(timeout, 500);
                for (int i = 0; i < *count; ++i) data[i] = static_cast<signed char>(100 + i);
                *count /= 2;
                return r.kind == kFails ? -6 : 0;
            });
            ZSIM_SCRIPT(zivra_usbWrite, [&](int, int, const char *, int, const signed char *data, int *count) {
                sent.assign(data, data + *count);
                return r.kind == kFails ? -6 : 0;
            });
            jbyteArray array = jni.Bytes(original, r.kind == kRefused);
            const size_t traced = jni.trace().size();
            const jint got = read ? USB(usbReadJni)(env(), self(), 3, array, r.offset, r.count, 500)
                                  : USB(usbWriteJni)(env(), self(), 3, array, r.offset, r.count);
            const std::string at = m + " " + std::to_string(r.offset) + "," + std::to_string(r.count);
            const int value = r.kind == kFails ? -6 : r.kind != kInside ? -1 : read ? r.count / 2 : r.count;
            EXPECT_EQ(got, value) << at;
            Bytes expect = original;
            if (r.kind == kInside || r.kind == kFails) {
                const Bytes region(original.begin() + r.offset, original.begin() + r.offset + r.count);
                if (read) {
                    for (int i = 0; i < r.count; ++i) expect[static_cast<size_t>(r.offset + i)] = static_cast<int8_t>(100 + i);
                } else {
                    EXPECT_EQ(sent, region) << at;
                    std::copy(region.begin(), region.end(), expect.begin());
                }
                const std::string enter = m + ":handle= 3 ,offset=" + std::to_string(r.offset) + " ,count=" +
                                          std::to_string(r.count) + (read ? " ,timeout=500" : "") + " ,enter============>\n";
                EXPECT_EQ(Lines(), AtLevel2({enter, Ret(m, value)})) << at;
            } else {
                EXPECT_EQ(Calls(), Strings{}) << at;
                EXPECT_EQ(Lines(), AtLevel2({read ? Ret(m, -1)
                                                  : "usbWriteJni: return json = \"Result\":-1,\"FailReason\":\"Get "
                                                    "jbyteArray fail\"  leave============>\n"}));
            }
            // Outside: at most the length was read, no element touched.
            EXPECT_TRUE(r.kind != kOutside || jni.trace().size() <= traced + 1) << at;
            EXPECT_EQ(jni.Contents(array), expect) << at;
        }
    }
}

// The HTTP right, the storage list (at most two volumes) and the registration
// state: texts filling their fields with no NUL stay whole and no longer.
TEST_F(StorageRightsTest, HttpRightStorageListAndRegistrationStateReadWithinTheirFields) {
    const std::string pw(257, 'w'), path(32, '/'), list = "{\"Result\":0,\"List\":[";
    const std::string vol = "{\"storagePath\":\"" + path + "\",\"totalStorage\":-2147483648,\"validStorage\":-1}";
    jstring (*const queries[])(JNIEnv *, jobject) = {&QUERY(getHTTPRightInfoJni), &USB(getStorageInfoJni),
                                                       &REG(getPasswordRegistrationInfoJni)};
    // result: the gateway's code; for the storage list, the number of volumes
    const struct { int query, result; std::string reply; } cases[] = {
        {0, 0, "{\"Result\":0,\"Right\":-2147483648,\"Password\":\"" + pw + "\"}"},
        {0, -9, "{\"Result\":-1,\"FailReason\":\"Get DeviceAccessRightInformation fail\"}"},
        {1, -1, list + "]}"}, {1, 1, list + vol + "]}"}, {1, 2, list + vol + "," + vol + "]}"},
        {1, 5, list + vol + "," + vol + "]}"},
        {2, 0, "{\"Result\":0,\"Status\":\"0123\",\"RegisterResult\":\"0123\",\"ServiceNum\":\"0123\","
               "\"ServiceName\":\"0123456789abcdef\",\"Limit\":\"0123\",\"Times\":\"0123\",\"Province\":\"0123\"}"},
        {2, 1, "{\"Result\":-1,\"FailReason\":\"Get jstring fail\"}"},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getHTTPRightInfo, [&](int *right, char *password) {
            Put(password, ZIVRA_STORAGE_PASSWORD_SIZE, pw);
            return *right = INT_MIN, c.result;
        });
        ZSIM_SCRIPT(zivra_getStorageInfo, [&](UsbStorageEntry *t) {
            for (int i = 0; i < 2; ++i) memcpy(t[i].StoragePath, path.data(), 32), t[i].TotalStorage = INT_MIN, t[i].ValidStorage = -1;
            return c.result;
        });
        ZSIM_SCRIPT(zivra_getPasswordRegistrationInfo, [&](char *s, char *r, char *n, char *name, char *l, char *t, char *p) {
            for (char *f : {s, r, n, l, t, p}) Put(f, 4, "0123456789");
            Put(name, 16, "0123456789abcdefXYZ");
            return c.result;
        });
        EXPECT_EQ(Text(queries[c.query](env(), self())), c.reply);
        const Strings lines[] = {
            {"getHTTPRightInfoJni: enter============>\n", "zivra_getHTTPRightInfo: Right = -2147483648\n",
             "getHTTPRightInfoJni: return json = " + c.reply + " leave============>\n"},
            {"getStorageInfoJni: enter============>\n"},
            {"getPasswordRegistrationInfoJin: enter============>\n",
             "getPasswordRegistrationInfoJni: return json = " + c.reply + "   leave============>\n"}};
        EXPECT_EQ(Lines(), AtLevel2(lines[c.query]));
    }
}

}  // namespace
