// Native half of com.korvanta.nestrova.transferservices.TrafficQoSServiceImp:
// the gateway's QoS flows, named by Java's flow number: their counters,
// current speeds and speed limits, the DSCP value their packets are
// remarked with, and the traffic (remote address and port) of each flow.
#include "com_korvanta_nestrova_transferservices_TrafficQoSServiceImp.h"

#include <limits.h>
#include <stdlib.h>
#include <string.h>

#include "common/java_args.h"
#include "common/list_reply.h"
#include "common/log.h"
#include "common/writer.h"

namespace {

constexpr size_t kPairReply = 256;
constexpr size_t kValueSize = 32;
constexpr size_t kFailReplySize = 100;
// The traffic list reply is given 256 bytes per entry plus 256; an entry
// whose texts fill their fields prints longer than that, and the reply is
// then cut at the buffer's end, as the gateway's Java side expects.
constexpr size_t kTrafficItemAllowance = 256;

#define FAIL_REPLY "{\"Result\":-1,\"FailReason\":\"parameter NULL\"}"

// The pair queries print each value within its 32-byte buffer, so a value
// that fills the buffer with no NUL is never read past: the longest success
// reply, the speed limits', is 39 + 2 * 32 characters, well within the 256 bytes.
static_assert(bundle::LongestText("{\"Result\":0,\"UpSpeed\":%.*s,\"DownSpeed\":%.*s}", {kValueSize, kValueSize}) <
                  kPairReply,
              "pair reply buffer too small");

// A heap copy of the fail reply in its 100-byte buffer; null when the heap
// is exhausted.
}  // namespace

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_transferservices_TrafficQoSServiceImp_getStatsByFlowJni(JNIEnv *env, jobject, jint flow) {
    char reply[kPairReply];
    char up[kValueSize];
    char down[kValueSize];
    memset(reply, 0, sizeof reply);
    memset(up, 0, sizeof up);
    memset(down, 0, sizeof down);
    BRIDGE_LOG("\r\ngetStatsByFlowJni enter ==========>\n");
    if (zivra_getStatsByFlowJni(up, down, flow) == 0) {
        BUNDLE_WRITE(bundle::BoundedWriter(reply), "{\"Result\":0,\"UsStats\":%.*s,\"DsStats\":%.*s}", BUNDLE_FIELD(up),
                     BUNDLE_FIELD(down));
    } else {
        bundle::CopyWhole(reply, FAIL_REPLY);
    }
    BRIDGE_LOG("\r\ngetStatsByFlowJni: return json = %s leave ============>\n", reply);
    return env->NewStringUTF(reply);
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_transferservices_TrafficQoSServiceImp_getSpeedLimitByFlowJni(JNIEnv *env, jobject,
                                                                                      jint flow) {
    char reply[kPairReply];
    char up[kValueSize];
    char down[kValueSize];
    memset(reply, 0, sizeof reply);
    memset(up, 0, sizeof up);
    memset(down, 0, sizeof down);
    BRIDGE_LOG("\r\ngetSpeedLimitByFlowJni enter ==========>\n");
    if (zivra_getSpeedLimitByFlowJni(up, down, flow) == 0) {
        BUNDLE_WRITE(bundle::BoundedWriter(reply), "{\"Result\":0,\"UpSpeed\":%.*s,\"DownSpeed\":%.*s}",
                     BUNDLE_FIELD(up), BUNDLE_FIELD(down));
    } else {
        bundle::CopyWhole(reply, FAIL_REPLY);
    }
    BRIDGE_LOG("\r\ngetSpeedLimitByFlowJni: return json = %s leave ============>\n", reply);
    return env->NewStringUTF(reply);
}

// The current speeds: lower-case keys, unlike the limits above.
extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_transferservices_TrafficQoSServiceImp_getSpeedByFlowJni(JNIEnv *env, jobject, jint flow) {
    char reply[kPairReply];
    char up[kValueSize];
    char down[kValueSize];
    memset(reply, 0, sizeof reply);
    memset(up, 0, sizeof up);
    memset(down, 0, sizeof down);
    BRIDGE_LOG("\r\ngetSpeedByFlowJni enter ==========>\n");
    if (zivra_getSpeedByFlowJni(up, down, flow) == 0) {
        BUNDLE_WRITE(bundle::BoundedWriter(reply), "{\"Result\":0,\"upSpeed\":%.*s,\"downSpeed\":%.*s}",
                     BUNDLE_FIELD(up), BUNDLE_FIELD(down));
    } else {
        bundle::CopyWhole(reply, FAIL_REPLY);
    }
    BRIDGE_LOG("\r\ngetSpeedByFlowJni: return json = %s leave ============>\n", reply);
    return env->NewStringUTF(reply);
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_transferservices_TrafficQoSServiceImp_setSpeedLimitByFlowJni(JNIEnv *, jobject, jint flow,
                                                                                      jint upSpeed, jint downSpeed) {
    BRIDGE_LOG("\r\nsetSpeedLimitByFlowJni enter ==========>\n");
    const int result = zivra_setSpeedLimitByFlowJni(flow, upSpeed, downSpeed);
    BRIDGE_LOG("\r\nsetSpeedLimitByFlowJni: return %d leave ==========>\n", result);
    return result;
}

// The gateway writes the DSCP value as text over a preset "0"; its result is
// not looked at, so a gateway that fails without writing gives 0. No leave
// line.
extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_transferservices_TrafficQoSServiceImp_getDSCPRemarkByFlowJni(JNIEnv *, jobject,
                                                                                      jint flow) {
    // One byte beyond the gateway's 32 always stays NUL, so reading the
    // number never runs past a text that fills the 32 bytes.
    char dscp[kValueSize + 1];
    memset(dscp, 0, sizeof dscp);
    dscp[0] = '0';
    BRIDGE_LOG("\r\ngetDSCPRemarkByFlowJni enter ==========>\n");
    zivra_getDSCPRemarkByFlowJni(dscp, flow);
    // Read as atoi reads it (blanks, sign, digits); a number beyond int is
    // held at its limit, as on the gateway, where long is 32 bits.
    const long value = strtol(dscp, nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<jint>(value);
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_transferservices_TrafficQoSServiceImp_setDSCPRemarkByFlowJni(JNIEnv *, jobject, jint flow,
                                                                                      jint dscp) {
    BRIDGE_LOG("\r\nsetDSCPRemarkByFlowJni enter ==========>\n");
    const int result = zivra_setDSCPRemarkByFlowJni(flow, dscp);
    BRIDGE_LOG("\r\nsetDSCPRemarkByFlowJni: return %d leave ==========>\n", result);
    return result;
}

// The flow's traffic, one item per entry of the list the gateway hands
// back, separated by commas. The list is the gateway's heap memory and is
// freed here whatever the result; a null list with result 0 is an empty
// list. Every entry the gateway reports is listed.
extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_transferservices_TrafficQoSServiceImp_getTrafficInfoByFlowJni(JNIEnv *env, jobject,
                                                                                       jint flow) {
    BRIDGE_LOG("\r\ngetTrafficInfoByFlowJni enter ==========>\n");
    FlowTrafficEntry *list = nullptr;
    int count = 0;
    const int result = zivra_getTrafficInfoByFlowJni(&list, flow, &count);
    char *reply = nullptr;
    if (result != 0) {
        reply = bundle::HeapText(FAIL_REPLY, kFailReplySize);
    } else {
        size_t size = 0;
        reply = bundle::HeapListBuffer(count, kTrafficItemAllowance, &size);
        if (reply != nullptr) {
            bundle::BoundedWriter out(reply, size);
            out.Literal("{\"Result\":0,\"List\":[");
            for (int i = 0; i < count && list != nullptr; ++i) {
                BUNDLE_WRITE(out, "{\"RemoteAddress\":\"%.*s\"", BUNDLE_FIELD(list[i].RemoteAddress));
                BUNDLE_WRITE(out, ",\"RemotePort\":\"%.*s\"}", BUNDLE_FIELD(list[i].RemotePort));
                if (i < count - 1) out.Literal(",");
            }
            out.Literal("]}");
        }
    }
    // An exhausted heap answers the empty text.
    const char *text = reply != nullptr ? reply : "";
    BRIDGE_LOG("\r\ngetTrafficInfoByFlowJni: return json = %s leave ==========>\n", text);
    jstring s = env->NewStringUTF(text);
    free(reply);
    free(list);
    return s;
}

// Address and port go to the gateway as the JVM's own characters, released
// after the call, the address first. A Java null (or characters that cannot
// be had) is never handed on: the call gives -1 without the gateway.
extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_transferservices_TrafficQoSServiceImp_addTrafficToFlowJni(JNIEnv *env, jobject,
                                                                                   jstring remoteAddress,
                                                                                   jstring remotePort, jint flow) {
    BRIDGE_LOG("\r\naddTrafficToFlowJni enter ==========>\n");
    bundle::BorrowedString address(env, remoteAddress);
    bundle::BorrowedString port(env, remotePort);
    int result = -1;
    if (address.ok() && port.ok()) result = zivra_addTrafficToFlowJni(address.get(), port.get(), flow);
    address.Release();
    port.Release();
    BRIDGE_LOG("\r\naddTrafficToFlowJni: return %d leave ==========>\n", result);
    return result;
}

// As addTrafficToFlowJni.
extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_transferservices_TrafficQoSServiceImp_deleteTrafficFromFlowJni(JNIEnv *env, jobject,
                                                                                        jstring remoteAddress,
                                                                                        jstring remotePort,
                                                                                        jint flow) {
    BRIDGE_LOG("\r\ndeleteTrafficFromFlowJni: enter ==========>\n");
    bundle::BorrowedString address(env, remoteAddress);
    bundle::BorrowedString port(env, remotePort);
    int result = -1;
    if (address.ok() && port.ok()) result = zivra_deleteTrafficFromFlowJni(address.get(), port.get(), flow);
    address.Release();
    port.Release();
    BRIDGE_LOG("\r\ndeleteTrafficFromFlowJni: return %d leave ==========>\n", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_transferservices_TrafficQoSServiceImp_deleteAllTrafficFromFlowJni(JNIEnv *, jobject,
                                                                                           jint flow) {
    BRIDGE_LOG("\r\ndeleteAllTrafficFromFlowJni: flow =%d enter ==========>\n", flow);
    const int result = zivra_deleteAllTrafficFromFlowJni(flow);
    BRIDGE_LOG("\r\ndeleteAllTrafficFromFlowJni: return %d leave ==========>\n", result);
    return result;
}
