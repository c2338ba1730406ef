// DeviceAccessRightQueryServiceImp, DeviceAccessRightConfigServiceImp and
// the storage volume list of UsbServiceImp.
#include <climits>
#include <cstring>
#include <functional>
#include <string>

#include "bridge_test.h"
#include "com_korvanta_nestrova_commservices_DeviceAccessRightConfigServiceImp.h"
#include "com_korvanta_nestrova_commservices_DeviceAccessRightQueryServiceImp.h"
#include "com_korvanta_nestrova_commservices_UsbServiceImp.h"
#include "fail_calloc.h"

#define QUERY(m) Java_com_korvanta_nestrova_commservices_DeviceAccessRightQueryServiceImp_##m
#define CONFIG(m) Java_com_korvanta_nestrova_commservices_DeviceAccessRightConfigServiceImp_##m
#define USB(m) Java_com_korvanta_nestrova_commservices_UsbServiceImp_##m

namespace {

using Strings = std::vector<std::string>;

// Writes `text` into a field without its NUL, checking the field came zeroed.
template <size_t N>
void Put(char (&field)[N], const std::string &text) {
    EXPECT_EQ(std::string(field, N), std::string(N, '\0'));
    memcpy(field, text.data(), std::min(N, text.size()));
}

std::string Ret(const std::string &label, int value) { return label + ": return " + std::to_string(value) + "====>\n"; }

class StorageRightsTest : public BridgeTest {};

TEST_F(StorageRightsTest, AccountQueriesListAtMostTheTableReadWithinEachField) {
    const std::string user(130, 'u'), pass(257, 'p');  // full fields, no NUL
    const struct {
        int count, filled, right;
        bool full;
        std::string anonymous, list;
    } cases[] = {
        {0, 0, 2, false, "1", ""},
        {-4, 1, 0, false, "", ""},  // below zero lists nothing, whatever was filled
        {1, 1, 1, false, "0", "{\"UserName\":\"u0\",\"Password\":\"p0\"}"},
        {2, 2, 1, false, "0", "{\"UserName\":\"u0\",\"Password\":\"p0\"},{\"UserName\":\"u1\",\"Password\":\"p1\"}"},
        {6, 6, INT_MIN, true, "0123456789", ""},
        {9, 6, INT_MIN, true, "0123456789", ""},  // more than the table: its six
    };
    const struct {
        jstring (*call)(JNIEnv *, jobject);
        std::string method, op;
    } queries[] = {{&QUERY(getSambaRightInfoJni), "getSambaRightInfoJni", "getSambaRightInfo"},
                   {&QUERY(getFTPRightInfoJni), "getFTPRightInfoJni", "getFTPRightInfo"}};
    for (const auto &q : queries) {
        for (const auto &c : cases) {
            zsim::Reset();
            auto fill = [&c, &user, &pass](int *right, char *anonymous, StorageAccountEntry *accounts) {
                EXPECT_EQ(*right, 0);
                Put(*reinterpret_cast<char(*)[ZIVRA_STORAGE_ANONYMOUS_SIZE]>(anonymous), c.anonymous);
                for (int i = 0; i < c.filled; ++i) {
                    Put(accounts[i].UserName, c.full ? user : "u" + std::to_string(i));
                    Put(accounts[i].Password, c.full ? pass : "p" + std::to_string(i));
                }
                *right = c.right;
                return c.count;
            };
            ZSIM_SCRIPT(zivra_getSambaRightInfo, fill);
            ZSIM_SCRIPT(zivra_getFTPRightInfo, fill);
            std::string list = c.list;
            for (int i = 0; c.full && i < 6; ++i) list += (i ? "," : "") + ("{\"UserName\":\"" + user + "\",\"Password\":\"" + pass + "\"}");
            const std::string reply = "{\"Result\":0,\"Right\":" + std::to_string(c.right) + ",\"Anonymous\":\"" +
                                      c.anonymous + "\",\"AccountList\":[" + list + "]}";
            EXPECT_EQ(Text(q.call(env(), self())), reply) << c.count;
            EXPECT_EQ(Calls(), Strings{q.op + "()"});
            EXPECT_EQ(Lines(), AtLevel2({q.method + ": enter============>\n",
                                         q.method + ": return json = " + reply + " leave============>\n"}));
        }
    }
}

// Each heap block failing in turn: the fail reply, no gateway call, nothing
// logged after the enter line; the block that was had is freed (sanitizer runs).
TEST_F(StorageRightsTest, EachHeapBlockThatCannotBeHadGivesTheFailReply) {
    const struct {
        std::function<jstring()> call;
        const char *method, *reply;
    } queries[] = {
        {[&] { return QUERY(getSambaRightInfoJni)(env(), self()); }, "getSambaRightInfoJni",
         "{\"Result\":-1,\"FailReason\":\"malloc fail\"}"},
        {[&] { return QUERY(getFTPRightInfoJni)(env(), self()); }, "getFTPRightInfoJni",
         "{\"Result\":-1,\"FailReason\":\"getFTPRightInfo fail\"}"},
        {[&] { return USB(getStorageInfoJni)(env(), self()); }, "getStorageInfoJni",
         "{\"Result\":-1,\"FailReason\":\"getStorageInfoJni malloc fail\"}"},
    };
    for (const auto &q : queries) {
        for (int passes : {0, 1}) {
            zsim::Reset();
            FailCallocAfter(passes);
            const std::string reply = Text(q.call());
            SKIP_UNLESS_CALLOC_FAILED();
            EXPECT_EQ(reply, q.reply) << passes;
            EXPECT_EQ(Calls(), Strings{});
            EXPECT_EQ(Lines(), AtLevel2({std::string(q.method) + ": enter============>\n"}));
        }
    }
}

TEST_F(StorageRightsTest, HttpRightReplyKeepsAFullPasswordWhole) {
    const std::string full(257, 'w');
    const struct {
        int result, right;
        std::string password, reply;
    } cases[] = {
        {0, INT_MIN, full, "{\"Result\":0,\"Right\":-2147483648,\"Password\":\"" + full + "\"}"},
        {0, 1, "", "{\"Result\":0,\"Right\":1,\"Password\":\"\"}"},
        {-9, 3, "x", "{\"Result\":-1,\"FailReason\":\"Get DeviceAccessRightInformation fail\"}"},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getHTTPRightInfo, [&c](int *right, char *password) {
            Put(*reinterpret_cast<char(*)[ZIVRA_STORAGE_PASSWORD_SIZE]>(password), c.password);
            *right = c.right;
            return c.result;
        });
        EXPECT_EQ(Text(QUERY(getHTTPRightInfoJni)(env(), self())), c.reply);
        EXPECT_EQ(Lines(), AtLevel2({"getHTTPRightInfoJni: enter============>\n",
                                     "zivra_getHTTPRightInfo: Right = " + std::to_string(c.right) + "\n",
                                     "getHTTPRightInfoJni: return json = " + c.reply + " leave============>\n"}));
    }
}

// Every setter: what reaches the gateway and the lines written. A string
// that cannot be had (or null) gives -1 without the gateway.
TEST_F(StorageRightsTest, SettersPassTheirArgumentsOrFailWithoutTheGateway) {
    const struct {
        std::function<jint()> call;
        int result;
        Strings calls, lines;
    } cases[] = {
        {[&] { return CONFIG(setSambaRightJni)(env(), self(), 3, 0x80); }, 7, {"setSambaRight(right=3 anonymous=1)"},
         {"setSambaRightJni: SambaRight = 3 Sambaanonymous = 128\n", Ret("setSambaRightJni", 7)}},
        {[&] { return CONFIG(setFTPRightJni)(env(), self(), -1, 0); }, 7, {"setFTPRight(right=-1 anonymous=0)"},
         {"setFTPRightJni: enter============>\n", Ret("setFTPRightJni", 7)}},
        {[&] { return CONFIG(setFTPRightJni)(env(), self(), 2, 1); }, 7, {"setFTPRight(right=2 anonymous=1)"},
         {"setFTPRightJni: enter============>\n", Ret("setFTPRightJni", 7)}},
        {[&] { return CONFIG(setHTTPRightJni)(env(), self(), 5); }, 7, {"setHTTPRight(right=5)"},
         {"setHTTPRightJni: HTTPRight = 5 \n", Ret("setHTTPRightJni", 7)}},
        {[&] { return CONFIG(deleteAllSambaAccountJni)(env(), self()); }, 7, {"deleteAllSambaAccount(text=\"\")"},
         {"deleteAllSambaAccountJni: enter============>\n", Ret("deleteAllSambaAccountJni", 7)}},
        {[&] { return CONFIG(deleteAllFTPAccountJni)(env(), self()); }, 7, {"deleteAllFTPAccount(text=\"\")"},
         {"deleteAllFTPAccountJni: enter============>\n", Ret("deleteAllFTPAccountJni", 7)}},
        {[&] { return CONFIG(addSambaAccountJni)(env(), self(), jni.Str("bob"), jni.Str("pw")); }, 7,
         {"addSambaAccount(userName=\"bob\" password=\"pw\")"},
         {"addSambaAccountJni: enter============>\n", Ret("addSambaAccountJni", 7)}},
        {[&] { return CONFIG(addSambaAccountJni)(env(), self(), jni.BadStr(), jni.Str("pw")); }, -1, {},
         {"addSambaAccountJni: enter============>\n"}},
        {[&] { return CONFIG(addSambaAccountJni)(env(), self(), jni.Str("bob"), nullptr); }, -1, {},
         {"addSambaAccountJni: enter============>\n"}},
        {[&] { return CONFIG(addFTPAccountJni)(env(), self(), jni.Str("ann"), jni.Str("s3")); }, 7,
         {"addFTPAccount(userName=\"ann\" password=\"s3\")"},
         {"addFTPAccountJni: CFTPAccount:ann CaddFTPpassword:s3 enter============>\n", Ret("CFTPAccount", 7)}},
        {[&] { return CONFIG(addFTPAccountJni)(env(), self(), jni.Str("ann"), jni.BadStr()); }, -1, {}, {}},
        {[&] { return CONFIG(addFTPAccountJni)(env(), self(), nullptr, jni.Str("s3")); }, -1, {}, {}},
        {[&] { return CONFIG(deleteSambaAccountJni)(env(), self(), jni.Str("bob")); }, 7,
         {"deleteSambaAccount(userName=\"bob\")"},
         {"deleteSambaAccountJni: enter============>\n", Ret("deleteSambaAccountJni", 7)}},
        {[&] { return CONFIG(deleteSambaAccountJni)(env(), self(), nullptr); }, -1, {},
         {"deleteSambaAccountJni: enter============>\n"}},
        {[&] { return CONFIG(deleteFTPAccountJni)(env(), self(), jni.Str("ann")); }, 7,
         {"deleteFTPAccount(userName=\"ann\")"},
         {"deleteFTPAccountJni: enter============>\n", "deleteFTPAccountJni: CdeleFTPAccount:ann",
          Ret("deleteFTPAccountJni", 7)}},
        {[&] { return CONFIG(deleteFTPAccountJni)(env(), self(), jni.BadStr()); }, -1, {},
         {"deleteFTPAccountJni: enter============>\n"}},
        {[&] { return CONFIG(setHTTPUserPasswordJni)(env(), self(), jni.Str("pw")); }, 7,
         {"setHTTPUserPassword(password=\"pw\")"},
         {"setHTTPUserPassword: enter============>\n", Ret("setHTTPUserPassword", 7)}},
        {[&] { return CONFIG(setHTTPUserPasswordJni)(env(), self(), nullptr); }, -1, {}, {}},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_setSambaRight, [](int, int) { return 7; });
        ZSIM_SCRIPT(zivra_setFTPRight, [](int, int) { return 7; });
        ZSIM_SCRIPT(zivra_setHTTPRight, [](int) { return 7; });
        ZSIM_SCRIPT(zivra_deleteAllSambaAccount, [](const char *) { return 7; });
        ZSIM_SCRIPT(zivra_deleteAllFTPAccount, [](const char *) { return 7; });
        ZSIM_SCRIPT(zivra_addSambaAccount, [](const char *, const char *) { return 7; });
        ZSIM_SCRIPT(zivra_addFTPAccount, [](const char *, const char *) { return 7; });
        ZSIM_SCRIPT(zivra_deleteSambaAccount, [](const char *) { return 7; });
        ZSIM_SCRIPT(zivra_deleteFTPAccount, [](const char *) { return 7; });
        ZSIM_SCRIPT(zivra_setHTTPUserPassword, [](const char *) { return 7; });
        const size_t released = jni.release_points().size();
        EXPECT_EQ(c.call(), c.result) << c.lines.size();
        EXPECT_EQ(Calls(), c.calls);
        EXPECT_EQ(Lines(), AtLevel2(c.lines));
        // Characters go back right after the gateway call (or unused, before any).
        for (size_t i = released; i < jni.release_points().size(); ++i)
            EXPECT_EQ(jni.release_points()[i], c.calls.size());
    }
}

TEST_F(StorageRightsTest, StorageListHoldsAtMostTwoVolumesReadWithinTheirPaths) {
    const std::string path(32, '/');
    const std::string item = "{\"storagePath\":\"" + path + "\",\"totalStorage\":-2147483648,\"validStorage\":-1}";
    const struct {
        int count;
        std::string reply;
    } cases[] = {
        {0, "{\"Result\":0,\"List\":[]}"},
        {-1, "{\"Result\":0,\"List\":[]}"},
        {1, "{\"Result\":0,\"List\":[" + item + "]}"},
        {2, "{\"Result\":0,\"List\":[" + item + "," + item + "]}"},
        {5, "{\"Result\":0,\"List\":[" + item + "," + item + "]}"},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getStorageInfo, [&c, &path](UsbStorageEntry *table) {
            for (int i = 0; i < 2; ++i) {
                memcpy(table[i].StoragePath, path.data(), path.size());
                table[i].TotalStorage = INT_MIN;
                table[i].ValidStorage = -1;
            }
            return c.count;
        });
        EXPECT_EQ(Text(USB(getStorageInfoJni)(env(), self())), c.reply);
        EXPECT_EQ(Lines(), AtLevel2({"getStorageInfoJni: enter============>\n"}));
    }
}

}  // namespace
