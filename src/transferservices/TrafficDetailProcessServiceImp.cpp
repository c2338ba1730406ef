// Native half of com.korvanta.nestrova.transferservices.TrafficDetailProcessServiceImp:
// the rules by which the gateway processes HTTP traffic of a remote address
// and port, a direction and a LAN host, naming the methods, status codes and
// headers concerned and the bundle that installed the rule.
#include "com_korvanta_nestrova_transferservices_TrafficDetailProcessServiceImp.h"

#include <stdlib.h>
#include <string.h>

#include "common/java_args.h"
#include "common/list_reply.h"
#include "common/log.h"
#include "common/writer.h"

namespace {

constexpr size_t kFailReplySize = 100;
// The rule list reply is given 300 bytes per rule plus 300; a rule with
// long texts or many names prints far more, and the reply is then cut at
// the buffer's end, as the gateway's Java side expects.
constexpr size_t kRuleAllowance = 300;
// Joined names of the add, and quoted names of one listed rule: 255
// characters at most, the rest cut.
constexpr size_t kNamesText = 256;

#define FAIL_REPLY "{\"Result\":-1,\"FailReason\":\"parameter NULL\"}"

// One table of a listed rule as quoted names, "GET","POST". The count is
// the gateway's, held to the table's capacity (a negative one lists none).
template <size_t N>
void QuoteNames(char *text, const char (&table)[N][HTTP_RULE_ENTRY_SIZE], int32_t count) {
    bundle::BoundedWriter out(text, kNamesText);
    const int n = bundle::ClampCount(count, static_cast<int>(N));
    for (int j = 0; j < n; ++j) {
        if (j > 0) out.Literal(",");
        BUNDLE_WRITE(out, "\"%.*s\"", BUNDLE_FIELD(table[j]));
    }
}

// The elements of a String[] joined with commas, unquoted: the comma goes
// before an element only once some text stands in the buffer, so leading
// empty elements leave no trace. Each element's characters and reference
// are released before the next is taken. A Java null array joins to the
// empty text; an element that is null or whose characters cannot be had is
// left out (no null text reaches the join, and it adds no comma).
void JoinNames(JNIEnv *env, jobjectArray array, char (&text)[kNamesText]) {
    bundle::BoundedWriter out(text, sizeof text);
    const jsize n = bundle::ArrayLength(env, array);
    for (jsize i = 0; i < n; ++i) {
        bundle::ScopedLocalRef element(env, array, i);
        bundle::BorrowedString chars(env, static_cast<jstring>(element.get()));
        if (!chars.ok()) continue;
        if (out.pos() == 0) {
            BUNDLE_WRITE(out, "%s", chars.get());
        } else {
            BUNDLE_WRITE(out, ",%s", chars.get());
        }
    }
}

}  // namespace

// The list is the gateway's heap memory, freed here whatever the result. A
// failure or a null list answers the fail reply; an exhausted heap the
// empty text. A rule whose three name buffers cannot all be had gives no
// item. Every rule the gateway reports is listed.
extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_transferservices_TrafficDetailProcessServiceImp_getHTTPTrafficProcessRuleInfoJni(JNIEnv *env,
                                                                                                          jobject) {
    BRIDGE_LOG("\r\ngetHTTPTrafficProcessRuleInfoJni enter ==========>");
    HTTPProcessRuleRecord *list = nullptr;
    int count = 0;
    const int result = zivra_getHTTPTrafficProcessRuleInfoJni(&list, &count);
    char *reply = nullptr;
    if (result != 0 || list == nullptr) {
        reply = bundle::HeapText(FAIL_REPLY, kFailReplySize);
    } else {
        size_t size = 0;
        reply = bundle::HeapListBuffer(count, kRuleAllowance, &size);
        if (reply != nullptr) {
            bundle::BoundedWriter out(reply, size);
            out.Literal("{\"Result\":0,\"List\":[");
            int items = 0;
            for (int i = 0; i < count; ++i) {
                const HTTPProcessRuleRecord &r = list[i];
                char *methods = static_cast<char *>(calloc(kNamesText, 1));
                char *codes = static_cast<char *>(calloc(kNamesText, 1));
                char *headers = static_cast<char *>(calloc(kNamesText, 1));
                if (methods != nullptr && codes != nullptr && headers != nullptr) {
                    QuoteNames(methods, r.Methods, r.MethodCount);
                    QuoteNames(codes, r.StatusCodes, r.StatusCodeCount);
                    QuoteNames(headers, r.Headers, r.HeaderCount);
                    if (items > 0) out.Literal(",");
                    BUNDLE_WRITE(out,
                                 "{\"RemoteAddress\":\"%.*s\",\"RemotePort\":\"%.*s\",\"Direction\":\"%.*s\","
                                 "\"HostMAC\":\"%.*s\",\"MethodList\":[%s],\"StatuscodeList\":[%s],"
                                 "\"HeaderList\":[%s],\"BundleName\":\"%.*s\"}",
                                 BUNDLE_FIELD(r.RemoteAddress), BUNDLE_FIELD(r.RemotePort), BUNDLE_FIELD(r.Direction),
                                 BUNDLE_FIELD(r.HostMAC), methods, codes, headers, BUNDLE_FIELD(r.BundleName));
                    ++items;
                }
                free(methods);
                free(codes);
                free(headers);
            }
            out.Literal("]}");
        }
    }
    const char *text = reply != nullptr ? reply : "";
    BRIDGE_LOG("\r\ngetHTTPTrafficProcessRuleInfoJni: return json = %s leave ==========>\n", text);
    jstring s = env->NewStringUTF(text);
    free(list);
    free(reply);
    return s;
}

// Port and direction are checked before anything else is taken; the texts
// go to the gateway as the JVM's own characters and the three lists as
// comma-joined names. Every failure before the gateway gives -1 with its
// own line and no leave line, having released what it took.
extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_transferservices_TrafficDetailProcessServiceImp_addHTTPTrafficProcessRuleJni(
    JNIEnv *env, jobject, jstring remoteAddress, jint remotePort, jstring direction, jstring hostMAC,
    jobjectArray methodList, jobjectArray statusCodeList, jobjectArray headerList, jstring bundleName) {
    char methods[kNamesText];
    char codes[kNamesText];
    char headers[kNamesText];
    memset(methods, 0, sizeof methods);
    memset(codes, 0, sizeof codes);
    memset(headers, 0, sizeof headers);
    BRIDGE_LOG("\r\naddHTTPTrafficProcessRuleJni enter ==========>");
    if (remotePort < 1 || remotePort > 65535) {
        BRIDGE_LOG("\r\naddHTTPTrafficProcessRuleJni: remotePort[%d] out of range==========>", remotePort);
        return -1;
    }
    bundle::BorrowedString dir(env, direction);
    if (!dir.ok()) {  // also a Java null
        BRIDGE_LOG("\r\naddHTTPTrafficProcessRuleJni: Get jstring fail dir==========>");
        return -1;
    }
    if (strcmp(dir.get(), "UP") != 0 && strcmp(dir.get(), "DOWN") != 0 && strcmp(dir.get(), "ALL") != 0) {
        BRIDGE_LOG("\r\naddHTTPTrafficProcessRuleJni: direction[%s] out of range ==========>", dir.get());
        return -1;
    }
    bundle::BorrowedString address(env, remoteAddress);
    bundle::BorrowedString mac(env, hostMAC);
    bundle::BorrowedString bundleChars(env, bundleName);
    const bool taken = address.ok() && mac.ok() && bundleChars.ok();
    int result = -1;
    if (!taken) {
        BRIDGE_LOG("\r\naddHTTPTrafficProcessRuleJni: Get jstring fail ==========>");
    } else {
        JoinNames(env, methodList, methods);
        JoinNames(env, statusCodeList, codes);
        JoinNames(env, headerList, headers);
        BRIDGE_LOG("\r\naddHTTPTrafficProcessRuleJni:Bcon= %s ==========>", bundleChars.get());
        result = zivra_addHTTPTrafficProcessRuleJni(address.get(), remotePort, dir.get(), mac.get(), methods, codes,
                                                    headers, bundleChars.get());
    }
    // Bundle name, remote address, direction, host MAC, on either path.
    bundleChars.Release();
    address.Release();
    dir.Release();
    mac.Release();
    if (!taken) return -1;
    BRIDGE_LOG("\r\naddHTTPTrafficProcessRuleJni: return %d leave ============>", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_transferservices_TrafficDetailProcessServiceImp_deleteHTTPTrafficProcessRuleJni(JNIEnv *,
                                                                                                         jobject,
                                                                                                         jint ruleNum) {
    BRIDGE_LOG("\r\ndeleteHTTPTrafficProcessRuleJni: ruleNum =%d enter ==========>", ruleNum);
    const int result = zivra_deleteHTTPTrafficProcessRuleJni(ruleNum);
    BRIDGE_LOG("\r\ndeleteHTTPTrafficProcessRuleJni: return %d leave ==========>", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_transferservices_TrafficDetailProcessServiceImp_deleteAllHTTPTrafficProcessRuleJni(
    JNIEnv *, jobject) {
    BRIDGE_LOG("\r\ndeleteAllHTTPTrafficProcessRuleJni enter ==========>");
    const int result = zivra_deleteAllHTTPTrafficProcessRuleJni();
    BRIDGE_LOG("\r\ndeleteAllHTTPTrafficProcessRuleJni: return %d leave ==========>", result);
    return result;
}
