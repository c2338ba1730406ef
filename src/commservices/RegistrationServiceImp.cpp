// Native half of com.korvanta.nestrova.commservices.RegistrationServiceImp:
// the gateway's password registration with the operator's network.
#include "com_korvanta_nestrova_commservices_RegistrationServiceImp.h"

#include <string.h>

#include "common/java_args.h"
#include "common/log.h"
#include "common/writer.h"

namespace {

#define REGISTRATION_REPLY                                                                        \
    "{\"Result\":0,\"Status\":\"%.*s\",\"RegisterResult\":\"%.*s\",\"ServiceNum\":\"%.*s\","     \
    "\"ServiceName\":\"%.*s\",\"Limit\":\"%.*s\",\"Times\":\"%.*s\",\"Province\":\"%.*s\"}"

constexpr size_t kStateSize = 4;
constexpr size_t kServiceNameSize = 16;
constexpr size_t kReplySize = 256;

// Longest reply: every text filling its field, each read within it:
// 113 template characters + 6 * 4 + 16 + the NUL = 154 bytes.
constexpr size_t kConversions = 7;  // each "%.*s" is 4 characters of the template
constexpr size_t kReplyLongest =
    (sizeof(REGISTRATION_REPLY) - 1 - kConversions * 4) + 6 * kStateSize + kServiceNameSize + 1;
static_assert(kReplyLongest == 154 && kReplyLongest <= kReplySize, "registration reply buffer too small");
static_assert(bundle::LongestText(REGISTRATION_REPLY, {kStateSize, kStateSize, kStateSize, kServiceNameSize, kStateSize,
                                                       kStateSize, kStateSize}) < kReplySize,
              "registration reply buffer too small");

}  // namespace

// The log label of this method has always been spelled "...Jin".
// Either text missing (a Java null included) gives -1 without the gateway.
extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_commservices_RegistrationServiceImp_setPasswordRegistrationJni(JNIEnv *env, jobject,
                                                                                        jstring text1,
                                                                                        jint limit, jint times,
                                                                                        jstring text2) {
    bundle::BorrowedString first(env, text1);
    if (!first.ok()) {
        BRIDGE_LOG("setPasswordRegistrationJin: return json = %d  leave============>\n", -1);
        return -1;
    }
    bundle::BorrowedString second(env, text2);
    if (!second.ok()) {
        BRIDGE_LOG("setPasswordRegistrationJin: return json = %d  leave============>\n", -1);
        return -1;  // the first text goes back after the line, with its guard
    }
    BRIDGE_LOG("setPasswordRegistrationJin:limit= %d  times= %d enter============>\n", limit, times);
    const int result = zivra_setPasswordRegistration(first.get(), limit, times, second.get());
    BRIDGE_LOG("setPasswordRegistrationJin: return json = %d  leave============>\n", result);
    first.Release();
    second.Release();
    return result;
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_commservices_RegistrationServiceImp_getPasswordRegistrationInfoJni(JNIEnv *env,
                                                                                            jobject) {
    char reply[kReplySize];
    char status[kStateSize];
    char registerResult[kStateSize];
    char serviceNum[kStateSize];
    char serviceName[kServiceNameSize];
    char limit[kStateSize];
    char times[kStateSize];
    char province[kStateSize];
    memset(reply, 0, sizeof reply);
    memset(status, 0, sizeof status);
    memset(registerResult, 0, sizeof registerResult);
    memset(serviceNum, 0, sizeof serviceNum);
    memset(serviceName, 0, sizeof serviceName);
    memset(limit, 0, sizeof limit);
    memset(times, 0, sizeof times);
    memset(province, 0, sizeof province);
    BRIDGE_LOG("getPasswordRegistrationInfoJin: enter============>\n");

    const int result =
        zivra_getPasswordRegistrationInfo(status, registerResult, serviceNum, serviceName, limit, times, province);
    if (result == 0) {
        BUNDLE_WRITE(bundle::BoundedWriter(reply), REGISTRATION_REPLY, BUNDLE_FIELD(status),
                     BUNDLE_FIELD(registerResult), BUNDLE_FIELD(serviceNum), BUNDLE_FIELD(serviceName),
                     BUNDLE_FIELD(limit), BUNDLE_FIELD(times), BUNDLE_FIELD(province));
    } else {
        bundle::CopyWhole(reply, "{\"Result\":-1,\"FailReason\":\"Get jstring fail\"}");
    }
    BRIDGE_LOG("getPasswordRegistrationInfoJni: return json = %s   leave============>\n", reply);
    return env->NewStringUTF(reply);
}
