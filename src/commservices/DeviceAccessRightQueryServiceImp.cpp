// Native half of com.korvanta.nestrova.commservices.DeviceAccessRightQueryServiceImp:
// who may reach the gateway's storage over Samba, FTP and HTTP.
#include "com_korvanta_nestrova_commservices_DeviceAccessRightQueryServiceImp.h"

#include <stdlib.h>
#include <string.h>

#include "common/java_args.h"
#include "common/log.h"
#include "common/writer.h"

namespace {

#define ACCOUNT_HEAD "{\"Result\":0,\"Right\":%d,\"Anonymous\":\"%.*s\",\"AccountList\":["
#define ACCOUNT_ITEM "{\"UserName\":\"%.*s\",\"Password\":\"%.*s\"},"
#define HTTP_REPLY "{\"Result\":0,\"Right\":%d,\"Password\":\"%.*s\"}"

constexpr size_t kIntChars = 11;  // -2147483648
constexpr size_t kAccountReplySize = 3072;

// Longest account reply: a full table whose texts fill their fields with no
// NUL (each read within its field): 72 + 6 * 417 + 2 + 1 = 2577 bytes.
constexpr size_t kAccountReplyLongest =
    (sizeof(ACCOUNT_HEAD) - 1 - 6 + kIntChars + ZIVRA_STORAGE_ANONYMOUS_SIZE) +
    ZIVRA_STORAGE_ACCOUNTS * (sizeof(ACCOUNT_ITEM) - 1 - 8 + sizeof(StorageAccountEntry)) + 2 + 1;
static_assert(kAccountReplyLongest == 2577 && kAccountReplyLongest <= kAccountReplySize, "account reply buffer");

// The HTTP reply was given 128 bytes, but a 256-character password makes it
// about 300: 20 + 11 + 13 + 257 + 2 + 1 = 304 bytes keep every reply whole.
constexpr size_t kHttpReplySize = sizeof(HTTP_REPLY) - 1 - 6 + kIntChars + ZIVRA_STORAGE_PASSWORD_SIZE + 1;
static_assert(kHttpReplySize == 304 && kHttpReplySize >= 128, "HTTP reply buffer");
static_assert(bundle::LongestText(HTTP_REPLY, {ZIVRA_STORAGE_PASSWORD_SIZE}) < kHttpReplySize,
              "HTTP reply buffer: the longest reply stays whole");

// The two heap blocks of an account query: the reply and the account table,
// both zeroed (calloc). Either may fail; each is freed exactly once, when
// the query's scope ends, after NewStringUTF has copied the reply.
struct AccountHeap {
    char *reply;
    StorageAccountEntry *accounts;
    AccountHeap()
        : reply(static_cast<char *>(calloc(kAccountReplySize, 1))),
          accounts(static_cast<StorageAccountEntry *>(calloc(ZIVRA_STORAGE_ACCOUNTS, sizeof(StorageAccountEntry)))) {}
    ~AccountHeap() {
        free(reply);
        free(accounts);
    }
    AccountHeap(const AccountHeap &) = delete;
    AccountHeap &operator=(const AccountHeap &) = delete;
    bool ok() const { return reply != nullptr && accounts != nullptr; }
};

// The platform's value is the account count and its only success sign:
// none (or below zero) gives an empty list under "Result":0; more than the
// table holds lists the table's six.
void AccountReply(const AccountHeap &heap, int right, const char (&anonymous)[ZIVRA_STORAGE_ANONYMOUS_SIZE],
                  int count) {
    bundle::BoundedWriter out(heap.reply, kAccountReplySize);
    BUNDLE_WRITE(out, ACCOUNT_HEAD, right, BUNDLE_FIELD(anonymous));
    const int n = bundle::ClampCount(count, ZIVRA_STORAGE_ACCOUNTS);
    for (int i = 0; i < n; ++i) {
        BUNDLE_WRITE(out, ACCOUNT_ITEM, BUNDLE_FIELD(heap.accounts[i].UserName),
                     BUNDLE_FIELD(heap.accounts[i].Password));
    }
    if (n > 0) out.BackOver(',');
    out.Literal("]}");
}

}  // namespace

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_commservices_DeviceAccessRightQueryServiceImp_getSambaRightInfoJni(JNIEnv *env,
                                                                                            jobject) {
    int right = 0;
    char anonymous[ZIVRA_STORAGE_ANONYMOUS_SIZE];
    memset(anonymous, 0, sizeof anonymous);
    BRIDGE_LOG("getSambaRightInfoJni: enter============>\n");
    AccountHeap heap;
    if (!heap.ok()) return env->NewStringUTF("{\"Result\":-1,\"FailReason\":\"malloc fail\"}");

    const int count = zivra_getSambaRightInfo(&right, anonymous, heap.accounts);
    AccountReply(heap, right, anonymous, count);
    BRIDGE_LOG("getSambaRightInfoJni: return json = %s leave============>\n", heap.reply);
    return env->NewStringUTF(heap.reply);
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_commservices_DeviceAccessRightQueryServiceImp_getFTPRightInfoJni(JNIEnv *env, jobject) {
    int right = 0;
    char anonymous[ZIVRA_STORAGE_ANONYMOUS_SIZE];
    memset(anonymous, 0, sizeof anonymous);
    BRIDGE_LOG("getFTPRightInfoJni: enter============>\n");
    AccountHeap heap;
    if (!heap.ok()) return env->NewStringUTF("{\"Result\":-1,\"FailReason\":\"getFTPRightInfo fail\"}");

    const int count = zivra_getFTPRightInfo(&right, anonymous, heap.accounts);
    AccountReply(heap, right, anonymous, count);
    BRIDGE_LOG("getFTPRightInfoJni: return json = %s leave============>\n", heap.reply);
    return env->NewStringUTF(heap.reply);
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_commservices_DeviceAccessRightQueryServiceImp_getHTTPRightInfoJni(JNIEnv *env,
                                                                                           jobject) {
    int right = 0;
    char password[ZIVRA_STORAGE_PASSWORD_SIZE];
    char reply[kHttpReplySize];
    memset(password, 0, sizeof password);
    memset(reply, 0, sizeof reply);
    BRIDGE_LOG("getHTTPRightInfoJni: enter============>\n");

    const int result = zivra_getHTTPRightInfo(&right, password);
    BRIDGE_LOG("zivra_getHTTPRightInfo: Right = %d\n", right);
    if (result == 0) {
        BUNDLE_WRITE(bundle::BoundedWriter(reply), HTTP_REPLY, right, BUNDLE_FIELD(password));
    } else {
        bundle::CopyWhole(reply, "{\"Result\":-1,\"FailReason\":\"Get DeviceAccessRightInformation fail\"}");
    }
    BRIDGE_LOG("getHTTPRightInfoJni: return json = %s leave============>\n", reply);
    return env->NewStringUTF(reply);
}
