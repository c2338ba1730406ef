// IPPingDiagnosticsServiceImp, TraceRouteDiagnosticsServiceImp,
// HttpUploadDiagnosticsServiceImp, HttpDownloadDiagnosticsServiceImp and
// IPDetectServiceImp.
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bridge_test.h"
#include "com_korvanta_nestrova_accessservices_HttpDownloadDiagnosticsServiceImp.h"
#include "com_korvanta_nestrova_accessservices_HttpUploadDiagnosticsServiceImp.h"
#include "com_korvanta_nestrova_accessservices_IPDetectServiceImp.h"
#include "com_korvanta_nestrova_accessservices_IPPingDiagnosticsServiceImp.h"
#include "com_korvanta_nestrova_accessservices_TraceRouteDiagnosticsServiceImp.h"

#define ACC(cls, m) Java_com_korvanta_nestrova_accessservices_##cls##_##m

namespace {

using Strings = std::vector<std::string>;
using DiagnosticsTest = BridgeTest;
using Start = jint (*)(JNIEnv *, jobject, jint, jstring, jstring);
using Result = jstring (*)(JNIEnv *, jobject);

// A text argument of a case: its characters, or a String that cannot be had.
const char *const kBad = "<bad>";

TEST_F(DiagnosticsTest, PingAndTraceStartsCheckCountAndHost) {
    const struct {
        Start start;
        std::string op, enter, leave;
    } methods[] = {
        {&ACC(IPPingDiagnosticsServiceImp, startIPPingDiagnosticsJni), "startIPPingDiagnostics",
         "startIPPingDiagnosticsJni ============>\n", "startIPPingDiagnosticsJni: return rt = %   leave============>\n"},
        {&ACC(TraceRouteDiagnosticsServiceImp, startTraceRouteDiagnosticsJni), "startTraceRouteDiagnostics",
         "startTraceRouteDiagnosticsJni: ============>\n",
         "startTraceRouteDiagnosticsJni: return rt = %   leave============>\n"},
    };
    const std::string h300(300, 'h'), x2000(2000, 'x');
    const struct {
        jint number;
        std::string host, extra;
        jint rc;
        std::string call;  // after "number=", "" for none
        bool leave;
    } cases[] = {
        {1, "gw.example", "eth0", 8, "1 host=\"gw.example\" extra=\"eth0\"", true},
        {99, h300, x2000, 8, "99 host=\"" + h300.substr(0, 255) + "\" extra=\"" + x2000.substr(0, 1023) + "\"", true},
        {5, "h", kBad, 8, "5 host=\"h\" extra=\"\"", true},
        {0, "h", "e", -1, "", true},
        {100, "h", "e", -1, "", true},
        {-2147483647 - 1, "h", "e", -1, "", true},
        {7, "", "e", -1, "", true},
        {7, kBad, "e", -1, "", false},
    };
    for (const auto &m : methods) {
        for (const auto &c : cases) {
            zsim::Reset();
            ZSIM_SCRIPT(zivra_startIPPingDiagnostics, [](int, const char *, const char *) { return 8; });
            ZSIM_SCRIPT(zivra_startTraceRouteDiagnostics, [](int, const char *, const char *) { return 8; });
            const size_t released = jni.release_points().size();
            auto arg = [&](const std::string &t) { return t == kBad ? jni.BadStr() : jni.Str(t); };
            EXPECT_EQ(m.start(env(), self(), c.number, arg(c.host), arg(c.extra)), c.rc) << c.call;
            EXPECT_EQ(Calls(), c.call.empty() ? Strings{} : Strings{m.op + "(number=" + c.call + ")"});
            std::string leave = m.leave;
            leave.replace(leave.find('%'), 1, std::to_string(c.rc));
            EXPECT_EQ(Lines(), AtLevel2(c.leave ? Strings{m.enter, leave} : Strings{m.enter}));
            // Both texts go back before the gateway is called.
            for (size_t i = released; i < jni.release_points().size(); ++i) EXPECT_EQ(jni.release_points()[i], 0u);
        }
    }
}

TEST_F(DiagnosticsTest, PingAndTraceResultsAreReadWithinTheirBuffers) {
    const struct {
        Result get;
        size_t size;
        std::string leave;
    } methods[] = {
        {&ACC(IPPingDiagnosticsServiceImp, getIPPingDiagnosticsResultJni), 256,
         "getIPPingDiagnosticsResultJni: return json = %   leave============>\n"},
        {&ACC(TraceRouteDiagnosticsServiceImp, getTraceRouteDiagnosticsResultJni), 4096,
         "getTraceRouteDiagnosticsResultJni: return json = %   leave============>\n"},
    };
    const struct {
        int code;
        const char *text;  // null: the whole buffer filled with 'z', no NUL
    } cases[] = {{0, "{\"Status\":\"Complete\"}"}, {-1, "{\"Status\":\"None\"}"}, {0, ""}, {0, nullptr}};
    for (const auto &m : methods) {
        for (const auto &c : cases) {
            zsim::Reset();
            auto write = [&m, &c](char *r) {
                if (c.text) strcpy(r, c.text);
                else memset(r, 'z', m.size);
                return c.code;
            };
            ZSIM_SCRIPT(zivra_getIPPingDiagnosticsResult, write);
            ZSIM_SCRIPT(zivra_getTraceRouteDiagnosticsResult, write);
            const std::string want = c.text ? c.text : std::string(m.size, 'z');
            EXPECT_EQ(Text(m.get(env(), self())), want);
            std::string leave = m.leave;
            EXPECT_EQ(Lines(), AtLevel2({leave.replace(leave.find('%'), 1, want)}));
        }
    }
}

TEST_F(DiagnosticsTest, HttpTestsStartWithBothTextsAndHandBackTheGatewaysText) {
    const struct {
        Start start;
        Result get;
        std::string name;  // Upload or Download
    } methods[] = {
        {&ACC(HttpUploadDiagnosticsServiceImp, startHttpUploadDiagnosticsJni),
         &ACC(HttpUploadDiagnosticsServiceImp, getHttpUploadDiagnosticsResultJni), "Upload"},
        {&ACC(HttpDownloadDiagnosticsServiceImp, startHttpDownloadDiagnosticsJni),
         &ACC(HttpDownloadDiagnosticsServiceImp, getHttpDownloadDiagnosticsResultJni), "Download"},
    };
    const struct {
        std::string text1, text2;
        jint rc;
        const char *result;  // the gateway's text, null for none
        int code;
    } cases[] = {
        {"http://a/", "", 4, "{\"Speed\":1}", 0},
        {kBad, "eth0", -1, "{\"Speed\":2}", 9},  // a text with a non-zero code still goes to Java
        {"http://a/", kBad, -1, nullptr, 0},    // no text with a zero code gives null
        {std::string(5000, 'u'), "x", 4, nullptr, 3},
    };
    for (const auto &m : methods) {
        for (const auto &c : cases) {
            zsim::Reset();
            const std::string start = "startHttp" + m.name + "DiagnosticsJni";
            const std::string get = "getHttp" + m.name + "DiagnosticsResultJni";
            auto run = [](int, const char *, const char *) { return 4; };
            auto hand = [&c](char **out) {
                EXPECT_EQ(*out, nullptr);
                // Freed by the bridge: a leak or a second free shows under the sanitizers.
                if (c.result) *out = strdup(c.result);
                return c.code;
            };
            ZSIM_SCRIPT(zivra_startHttpUploadDiagnostics, run);
            ZSIM_SCRIPT(zivra_startHttpDownloadDiagnostics, run);
            ZSIM_SCRIPT(zivra_getHttpUploadDiagnosticsResult, hand);
            ZSIM_SCRIPT(zivra_getHttpDownloadDiagnosticsResult, hand);
            auto arg = [&](const std::string &t) { return t == kBad ? jni.BadStr() : jni.Str(t); };
            const size_t released = jni.release_points().size();
            EXPECT_EQ(m.start(env(), self(), -6, arg(c.text1), arg(c.text2)), c.rc);
            const size_t calls = Calls().size();
            EXPECT_EQ(calls, c.rc == -1 ? 0u : 1u);
            if (calls) {
                EXPECT_EQ(jni.release_points().size() - released, 2u);
                EXPECT_EQ(jni.release_points().back(), 1u) << "released after the gateway";
            }
            EXPECT_EQ(Text(m.get(env(), self())), c.result ? c.result : "<null>");
            Strings lines = {start + ": enter============>\n"};
            if (c.rc == -1) lines.push_back(start + ": GetStringUTFChars = NULL\n");
            lines.push_back(start + ": return = " + std::to_string(c.rc) + " leave ============>\n");
            lines.push_back(get + ": enter============>\n");
            lines.push_back(get + ": return = " + std::to_string(c.code) + " leave ============>\n");
            EXPECT_EQ(Lines(), AtLevel2(lines));
        }
    }
}

TEST_F(DiagnosticsTest, DetectIpConvertsThePortAndTypeAndKeepsTheReplyInItsBuffer) {
    const std::string kArgsFail = "{\"Result\":-1,\"FailReason\":\"GetStringUTFChars error\"}";
    const struct {
        std::string ip, port, type;
        int result;
        const char *reply;  // the gateway's, null: all 256 bytes 'd' with no NUL
        std::string call;   // after "detectIp(size=256 ", "" for none
        std::string want;
    } cases[] = {
        {"10.0.0.1", "8080abc", " -1", 0, "{\"Result\":0}", "port=8080 ip=\"10.0.0.1\" type=-1", "{\"Result\":0}"},
        {"10.0.0.1", "", "x", 0, nullptr, "port=0 ip=\"10.0.0.1\" type=0", std::string(256, 'd')},
        {"h", "99999999999", "-99999999999", 0, "{}", "port=2147483647 ip=\"h\" type=-2147483648", "{}"},
        {"h", "1", "1", 2, "{\"Result\":0}", "port=1 ip=\"h\" type=1", "{\"Result\":-1,\"FailReason\":\"IPdetect fail\"}"},
        {"h", "1", kBad, 0, "{}", "", kArgsFail},
        {kBad, "1", "1", 0, "{}", "", kArgsFail},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_detectIp, [&c](char *r, int size, int, const char *, int) {
            if (c.reply) snprintf(r, static_cast<size_t>(size), "%s", c.reply);
            else memset(r, 'd', static_cast<size_t>(size));
            return c.result;
        });
        auto arg = [&](const std::string &t) { return t == kBad ? jni.BadStr() : jni.Str(t); };
        EXPECT_EQ(Text(ACC(IPDetectServiceImp, detectIpJni)(env(), self(), arg(c.ip), arg(c.port), arg(c.type))),
                  c.want);
        EXPECT_EQ(Calls(), c.call.empty() ? Strings{} : Strings{"detectIp(size=256 " + c.call + ")"});
        Strings lines = {"detectIpJni:\tenter============>\n"};
        if (!c.call.empty()) {
            lines.push_back("detectIpJni:\tport = " + c.port + ", ip=" + c.ip + ", type = " + c.type + "\n");
            if (c.result == 0) lines.push_back("detectIpJni: return json = " + c.want + "   leave============>\n");
            lines.push_back("detectIpJni:\tleave============>\n");
        }
        EXPECT_EQ(Lines(), AtLevel2(lines)) << c.call;
    }
}

}  // namespace
