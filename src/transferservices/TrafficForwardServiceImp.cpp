// Native half of com.korvanta.nestrova.transferservices.TrafficForwardServiceImp:
// the rules by which the gateway sends matching traffic to a forward
// address and port: list, add, delete one, delete all.
#include "com_korvanta_nestrova_transferservices_TrafficForwardServiceImp.h"

#include <stdlib.h>

#include "common/java_args.h"
#include "common/list_reply.h"
#include "common/log.h"
#include "common/writer.h"

namespace {

constexpr size_t kFailReplySize = 100;
// The rule list reply is given 300 bytes per rule plus 300. A rule whose
// texts fill their fields prints 480 characters with its comma; the reply is then
// cut at the buffer's end, as the gateway's Java side expects.
constexpr size_t kRuleAllowance = 300;

#define FAIL_REPLY "{\"Result\":-1,\"FailReason\":\"parameter NULL\"}"

}  // namespace

// As getMirroRuleInfoJni: the list freed whatever the result, a failure or
// a null list answers the fail reply, an exhausted heap the empty text.
extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_transferservices_TrafficForwardServiceImp_getForwardRuleInfoJni(JNIEnv *env, jobject) {
    BRIDGE_LOG("\r\ngetForwardRuleInfoJni enter ==========>");
    ForwardRuleRecord *list = nullptr;
    int count = 0;
    const int result = zivra_getForwardRuleInfoJni(&list, &count);
    char *reply = nullptr;
    if (result != 0 || list == nullptr) {
        reply = bundle::HeapText(FAIL_REPLY, kFailReplySize);
    } else {
        size_t size = 0;
        reply = bundle::HeapListBuffer(count, kRuleAllowance, &size);
        if (reply != nullptr) {
            bundle::BoundedWriter out(reply, size);
            out.Literal("{\"Result\":0,\"List\":[");
            for (int i = 0; i < count; ++i) {
                const ForwardRuleRecord &r = list[i];
                if (i > 0) out.Literal(",");
                // The forward-to port goes quoted, as a JSON string.
                BUNDLE_WRITE(out,
                             "{\"RemoteAddress\":\"%.*s\",\"RemotePort\":\"%.*s\",\"Protocol\":\"%.*s\","
                             "\"HostMAC\":\"%.*s\",\"ForwardToIP\":\"%.*s\",\"ForwardToPort\":\"%.*s\"}",
                             BUNDLE_FIELD(r.RemoteAddress), BUNDLE_FIELD(r.RemotePort), BUNDLE_FIELD(r.Protocol),
                             BUNDLE_FIELD(r.HostMAC), BUNDLE_FIELD(r.ForwardToIP), BUNDLE_FIELD(r.ForwardToPort));
            }
            out.Literal("]}");
        }
    }
    const char *text = reply != nullptr ? reply : "";
    BRIDGE_LOG("\r\ngetForwardRuleInfoJni: return json = %s leave ==========>\n", text);
    jstring s = env->NewStringUTF(text);
    free(list);
    free(reply);
    return s;
}

// The five texts go to the gateway as the JVM's own characters, released in
// parameter order after the call. A Java null (or characters that cannot be
// had) is never handed on: the call gives -1 without the gateway, and the
// leave line shows it.
extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_transferservices_TrafficForwardServiceImp_addForwardRuleJni(
    JNIEnv *env, jobject, jstring remoteAddress, jstring remotePort, jstring protocol, jstring hostMAC,
    jstring forwardToIP, jint forwardToPort) {
    BRIDGE_LOG("\r\naddForwardRuleJni enter ==========>");
    bundle::BorrowedString address(env, remoteAddress);
    bundle::BorrowedString port(env, remotePort);
    bundle::BorrowedString proto(env, protocol);
    bundle::BorrowedString mac(env, hostMAC);
    bundle::BorrowedString to(env, forwardToIP);
    int result = -1;
    if (address.ok() && port.ok() && proto.ok() && mac.ok() && to.ok()) {
        result = zivra_addForwardRule(address.get(), port.get(), proto.get(), mac.get(), to.get(), forwardToPort);
    }
    address.Release();
    port.Release();
    proto.Release();
    mac.Release();
    to.Release();
    BRIDGE_LOG("\r\naddForwardRuleJni: return %d leave ==========>", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_transferservices_TrafficForwardServiceImp_deleteForwardRuleJni(JNIEnv *, jobject,
                                                                                        jint ruleNum) {
    BRIDGE_LOG("\r\ndeleteForwardRuleJni: ruleNum =%d enter ==========>", ruleNum);
    const int result = zivra_deleteForwardRuleJni(ruleNum);
    BRIDGE_LOG("\r\ndeleteForwardRuleJni: return %d leave ==========>", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_transferservices_TrafficForwardServiceImp_deleteAllForwardRuleJni(JNIEnv *, jobject) {
    BRIDGE_LOG("\r\ndeleteAllForwardRuleJni enter ==========>");
    const int result = zivra_deleteAllForwardRuleJni();
    BRIDGE_LOG("\r\ndeleteAllForwardRuleJni: return %d leave ==========>", result);
    return result;
}
