// Native half of com.korvanta.nestrova.transferservices.TrafficMirrorServiceImp:
// the rules by which the gateway copies matching traffic to a mirror
// address and port: list, add, delete one, delete all.
#include "com_korvanta_nestrova_transferservices_TrafficMirrorServiceImp.h"

#include <stdlib.h>

#include "common/java_args.h"
#include "common/list_reply.h"
#include "common/log.h"
#include "common/writer.h"

namespace {

constexpr size_t kFailReplySize = 100;
// The rule list reply is given 300 bytes per rule plus 300. A rule whose
// texts fill their fields prints 507 characters with its comma; the reply is then
// cut at the buffer's end, as the gateway's Java side expects.
constexpr size_t kRuleAllowance = 300;

#define FAIL_REPLY "{\"Result\":-1,\"FailReason\":\"parameter NULL\"}"
#define MIRROR_RULE                                                                              \
    "{\"RemoteAddress\":\"%.*s\",\"RemotePort\":\"%.*s\",\"Direction\":\"%.*s\",\"Protocol\":\"%.*s\"," \
    "\"HostMAC\":\"%.*s\",\"MirrorToIP\":\"%.*s\",\"MirrorToPort\":%.*s}"

}  // namespace

// The list is the gateway's heap memory, freed here whatever the result. A
// failure or a null list answers the fail reply; an exhausted heap the
// empty text. Every rule the gateway reports is listed.
extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_transferservices_TrafficMirrorServiceImp_getMirroRuleInfoJni(JNIEnv *env, jobject) {
    BRIDGE_LOG("\r\ngetMirroRuleInfoJni enter ==========>");
    MirrorRuleRecord *list = nullptr;
    int count = 0;
    const int result = zivra_getMirroRuleInfoJni(&list, &count);
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
                const MirrorRuleRecord &r = list[i];
                // The mirror-to port goes unquoted, as a JSON number. Every
                // rule but the first comes after a comma.
                if (i > 0) out.Literal(",");
                BUNDLE_WRITE(out, MIRROR_RULE, BUNDLE_FIELD(r.RemoteAddress), BUNDLE_FIELD(r.RemotePort),
                             BUNDLE_FIELD(r.Direction), BUNDLE_FIELD(r.Protocol), BUNDLE_FIELD(r.HostMAC),
                             BUNDLE_FIELD(r.MirrorToIP), BUNDLE_FIELD(r.MirrorToPort));
            }
            out.Literal("]}");
        }
    }
    const char *text = reply != nullptr ? reply : "";
    BRIDGE_LOG("\r\ngetMirroRuleInfoJni: return json = %s leave ==========>\n", text);
    jstring s = env->NewStringUTF(text);
    free(list);
    free(reply);
    return s;
}

// The six texts go to the gateway as the JVM's own characters, released in
// parameter order after the call. A Java null (or characters that cannot be
// had) is never handed on: the call gives -1 without the gateway. No leave
// line.
extern "C" JNIEXPORT jint JNICALL Java_com_korvanta_nestrova_transferservices_TrafficMirrorServiceImp_addMirrorRuleJni(
    JNIEnv *env, jobject, jstring remoteAddress, jstring remotePort, jstring direction, jstring protocol,
    jstring hostMAC, jstring mirrorToIP, jint mirrorToPort) {
    BRIDGE_LOG("\r\naddMirrorRuleJni enter ==========>");
    bundle::BorrowedString address(env, remoteAddress);
    bundle::BorrowedString port(env, remotePort);
    bundle::BorrowedString dir(env, direction);
    bundle::BorrowedString proto(env, protocol);
    bundle::BorrowedString mac(env, hostMAC);
    bundle::BorrowedString to(env, mirrorToIP);
    int result = -1;
    if (address.ok() && port.ok() && dir.ok() && proto.ok() && mac.ok() && to.ok()) {
        result = zivra_addMirrorRuleJni(address.get(), port.get(), dir.get(), proto.get(), mac.get(), to.get(),
                                        mirrorToPort);
    }
    address.Release();
    port.Release();
    dir.Release();
    proto.Release();
    mac.Release();
    to.Release();
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_transferservices_TrafficMirrorServiceImp_deleteMirrorRuleJni(JNIEnv *, jobject,
                                                                                      jint ruleNum) {
    BRIDGE_LOG("\r\ndeleteMirrorRuleJni: ruleNum =%d enter ==========>", ruleNum);
    const int result = zivra_deleteMirrorRuleJni(ruleNum);
    BRIDGE_LOG("\r\ndeleteMirrorRuleJni: return %d leave ==========>", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_transferservices_TrafficMirrorServiceImp_deleteAllMirrorRuleJni(JNIEnv *, jobject) {
    BRIDGE_LOG("\r\ndeleteAllMirrorRuleJni enter==========>\n");
    const int result = zivra_deleteAllMirrorRule();
    BRIDGE_LOG("\r\ndeleteAllMirrorRuleJni: return %d leave==========>\n", result);
    return result;
}
