// TrafficDetailProcessServiceImp.
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bridge_test.h"
#include "com_korvanta_nestrova_transferservices_TrafficDetailProcessServiceImp.h"
#include "fail_calloc.h"

#define HTTP(m) Java_com_korvanta_nestrova_transferservices_TrafficDetailProcessServiceImp_##m

namespace {

using Strings = std::vector<std::string>;
using TrafficHttpTest = BridgeTest;
const std::string kFail = "{\"Result\":-1,\"FailReason\":\"parameter NULL\"}";

std::string Item(const char *address, const std::string &methods, const std::string &codes,
                 const std::string &headers) {
    return std::string("{\"RemoteAddress\":\"") + address + "\",\"RemotePort\":\"80\",\"Direction\":\"UP\","
           "\"HostMAC\":\"m\",\"MethodList\":[" + methods + "],\"StatuscodeList\":[" + codes + "],\"HeaderList\":[" +
           headers + "],\"BundleName\":\"b\"}";
}

TEST_F(TrafficHttpTest, RuleList) {
    using R = HTTPProcessRuleRecord;
    const R getPostHost = {"a", "80", "UP", "m", {"GET", "POST"}, 2, {}, 0, {"Host"}, 1, "b"};
    const R c404 = {"c", "80", "UP", "m", {}, -3, {"404"}, 1, {}, 0, "b"}, none = {"a", "80", "UP", "m", {}, 0, {}, 0, {}, 0, "b"};
    R nine = {"a", "80", "UP", "m", {}, 12, {}, 0, {}, 0, "b"};
    memset(nine.Methods, 'x', sizeof nine.Methods);
    // Every field and name filled: the reply is cut to the 599 of 600 bytes, within the quoted methods.
    R wide;
    memset(&wide, 'x', sizeof wide);
    wide.MethodCount = 9, wide.StatusCodeCount = 41, wide.HeaderCount = 51;
    std::string qx, x80 = "\"" + std::string(80, 'x') + "\"";
    for (int i = 0; i < 9; ++i) qx += (i ? "," : "") + x80;
    qx = qx.substr(0, 255);
    const std::string xs = "{\"Result\":0,\"List\":[{\"RemoteAddress\":\"" + std::string(256, 'x') + "\",\"RemotePort\":\"" +
        std::string(20, 'x') + "\",\"Direction\":\"" + std::string(12, 'x') + "\",\"HostMAC\":\"" + std::string(20, 'x') +
        "\",\"MethodList\":[" + qx;
    const std::string one = Item("a", "\"GET\",\"POST\"", "", "\"Host\"");
    const struct {
        int result, count;
        bool list;
        std::vector<HTTPProcessRuleRecord> rules;
        int failCallocAfter;  // -1: none
        std::string want;
    } cases[] = {
        {0, 0, true, {}, -1, "{\"Result\":0,\"List\":[]}"},
        {0, 0, false, {}, -1, kFail},
        {3, 1, true, {none}, -1, kFail},
        {0, 1, true, {getPostHost}, -1, "{\"Result\":0,\"List\":[" + one + "]}"},
        {0, 2, true, {getPostHost, c404}, -1, "{\"Result\":0,\"List\":[" + one + "," + Item("c", "", "\"404\"", "") + "]}"},
        {0, 1, true, {wide}, -1, xs.substr(0, 599)},
        // A method count above the 9 slots lists the 9, quoted and cut to 255 characters.
        {0, 1, true, {nine}, -1, "{\"Result\":0,\"List\":[" + Item("a", qx, "", "") + "]}"},
        // The first rule's name buffer cannot be had: it gives no item, and the next one no comma.
        {0, 2, true, {none, c404}, 1, "{\"Result\":0,\"List\":[" + Item("c", "", "\"404\"", "") + "]}"},
        {0, 1, true, {none}, 0, ""},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getHTTPTrafficProcessRuleInfoJni, [&c](HTTPProcessRuleRecord **list, int *count) {
            EXPECT_TRUE(*list == nullptr && *count == 0);
            if (c.list) {
                *list = static_cast<HTTPProcessRuleRecord *>(malloc(sizeof(HTTPProcessRuleRecord) * (c.rules.size() + 1)));
                if (!c.rules.empty()) memcpy(*list, c.rules.data(), sizeof(HTTPProcessRuleRecord) * c.rules.size());
            }
            *count = c.count;
            return c.result;
        });
        if (c.failCallocAfter >= 0) FailCallocAfter(c.failCallocAfter);
        const std::string got = Text(HTTP(getHTTPTrafficProcessRuleInfoJni)(env(), self()));
        if (c.failCallocAfter >= 0 && !ArmedCallocFailureHandedOut()) continue;  // no failing calloc here
        EXPECT_EQ(got, c.want);
        EXPECT_EQ(Lines(), AtLevel2({"\r\ngetHTTPTrafficProcessRuleInfoJni enter ==========>",
                                     "\r\ngetHTTPTrafficProcessRuleInfoJni: return json = " + c.want +
                                         " leave ==========>\n"}));
    }
}

TEST_F(TrafficHttpTest, AddChecksThenJoinsTheLists) {
    const std::string m = "\r\naddHTTPTrafficProcessRuleJni";
    const std::string longName(300, 'h');
    const struct {
        int port;
        jstring dir;
        int missing;  // remote address, host MAC, bundle name; -1: none
        jobjectArray methods;
        int rc;
        std::string joined;  // methods text reaching the gateway
        std::string line;    // the line after the enter line ("" for none)
    } cases[] = {
        {0, jni.Str("UP"), -1, nullptr, -1, "", m + ": remotePort[0] out of range==========>"},
        {65536, jni.Str("UP"), -1, nullptr, -1, "", m + ": remotePort[65536] out of range==========>"},
        {1, nullptr, -1, nullptr, -1, "", m + ": Get jstring fail dir==========>"},
        {1, jni.BadStr(), -1, nullptr, -1, "", m + ": Get jstring fail dir==========>"},
        {1, jni.Str("up"), -1, nullptr, -1, "", m + ": direction[up] out of range ==========>"},
        {1, jni.Str("UP "), -1, nullptr, -1, "", m + ": direction[UP ] out of range ==========>"},
        {1, jni.Str("UP"), 0, nullptr, -1, "", m + ": Get jstring fail ==========>"},
        {1, jni.Str("UP"), 1, nullptr, -1, "", m + ": Get jstring fail ==========>"},
        {1, jni.Str("UP"), 2, nullptr, -1, "", m + ": Get jstring fail ==========>"},
        {65535, jni.Str("ALL"), -1, jni.Strs({"GET", "POST"}), 6, "GET,POST", ""},
        {1, jni.Str("DOWN"), -1, jni.Strs({""}), 6, "", ""},
        {1, jni.Str("DOWN"), -1, jni.Strs({}), 6, "", ""},
        {1, jni.Str("DOWN"), -1, jni.Strs({"", "GET"}), 6, "GET", ""},
        {1, jni.Str("DOWN"), -1, jni.Strs({"GET", "", "POST"}), 6, "GET,,POST", ""},
        {1, jni.Str("DOWN"), -1, jni.Arr({jni.Str("GET"), nullptr, jni.BadStr(), jni.Str("PUT")}), 6, "GET,PUT", ""},
        {1, jni.Str("DOWN"), -1, jni.Strs({"GET", longName}), 6, ("GET," + longName).substr(0, 255), ""},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_addHTTPTrafficProcessRuleJni, [](const char *, int, const char *, const char *,
                                                           const char *, const char *, const char *,
                                                           const char *) { return 6; });
        jstring s[3];
        for (int i = 0; i < 3; ++i) s[i] = i != c.missing ? jni.Str(i == 2 ? "bund" : "x") : jni.BadStr();
        EXPECT_EQ(HTTP(addHTTPTrafficProcessRuleJni)(env(), self(), s[0], c.port, c.dir, s[1], c.methods,
                                                     jni.Strs({"200", "404"}), nullptr, s[2]),
                  c.rc)
            << c.line;
        Strings lines = {m + " enter ==========>"};
        if (c.rc == 6) {
            lines.push_back(m + ":Bcon= bund ==========>");
            lines.push_back(m + ": return 6 leave ============>");
            EXPECT_EQ(Calls(), Strings{"addHTTPTrafficProcessRuleJni(\"x\" " + std::to_string(c.port) + " \"" +
                                       Text(c.dir) + "\" \"x\" methods=\"" + c.joined +
                                       "\" statusCodes=\"200,404\" headers=\"\" bundle=\"bund\")"});
        } else {
            lines.push_back(c.line);
            EXPECT_TRUE(Calls().empty());
        }
        EXPECT_EQ(Lines(), AtLevel2(lines));
    }
}

}  // namespace
