// Native half of com.korvanta.nestrova.voipservices.VoIPInfoQueryServiceImp:
// the gateway's analogue telephone (POTS) lines with number and status.
#include "com_korvanta_nestrova_voipservices_VoIPInfoQueryServiceImp.h"

#include <string.h>

#include "common/java_args.h"
#include "common/list_reply.h"
#include "common/log.h"
#include "common/writer.h"

namespace {

// 256 bytes a line; the longest item (texts at their fields' full size and
// the widest index) is far below that.
constexpr size_t kLineAllowance = 256;
#define POTS_ITEM "{\"POTSIndex\":%d,\"PhoneNumber\":\"%.*s\",\"LineStatus\":\"%.*s\"},"
#define POTS_HEADER "{\"Result\":0,\"POTSNum\":%d,\"Info\":["
static_assert(bundle::LongestText(POTS_ITEM, {sizeof(POTSLineRecord::PhoneNumber),
                                              sizeof(POTSLineRecord::LineStatus)}) <= kLineAllowance,
              "POTS item allowance");

}  // namespace

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_voipservices_VoIPInfoQueryServiceImp_getPOTSInfoJni(JNIEnv *env, jobject) {
    POTSLineRecord lines[POTS_LINES];
    int count = 0;
    memset(lines, 0, sizeof lines);
    const int result = zivra_getPOTSInfo(lines, &count);
    // The table holds 3 lines: a larger count lists those 3 and says 3; a
    // negative one (with success) lists none and says 0.
    count = bundle::ClampCount(count, POTS_LINES);

    // Should the heap have no room for the reply, it is the fail reply.
    bundle::ListReply reply(count, kLineAllowance, "{\"Result\":-1,\"POTSNum\":0,\"Info\":[]}");
    if (result != 0) {
        reply.Fail();
    } else {
        char header[48];
        static_assert(bundle::LongestText(POTS_HEADER) < sizeof header, "POTS header cut");
        BUNDLE_WRITE(bundle::BoundedWriter(header), POTS_HEADER, count);
        reply.Open(header);
        for (int i = 0; i < count; ++i) {
            BUNDLE_WRITE(reply, POTS_ITEM, static_cast<int>(lines[i].POTSIndex), BUNDLE_FIELD(lines[i].PhoneNumber),
                         BUNDLE_FIELD(lines[i].LineStatus));
        }
        reply.Close();
    }

    BRIDGE_LOG("getPOTSInfoJni: return json = %s   leave============>\n", reply.text());
    return env->NewStringUTF(reply.text());
}
