// Fuzzes the shared building blocks every entry point stands on: the
// bounded copy of a Java text, the MAC list into its table, the MAC text
// scan and the list reply writer. The sanitizers report any access outside
// a buffer; the checks below, any broken promise of the blocks.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "common/java_args.h"
#include "common/list_reply.h"
#include "common/mac_table.h"
#include "fake_jni.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzInput in(data, size);
    FakeJni jni;

    // Bounded copy into a buffer of fuzzer-chosen size: NUL-terminated within it.
    std::vector<char> buf(1 + in.U8(), 'x');
    const std::string text = in.Text(1024);
    if (bundle::CopyJstring(jni.env(), jni.Str(text), buf.data(), buf.size()) &&
        memchr(buf.data(), '\0', buf.size()) == nullptr) {
        abort();
    }

    // MAC list into a wide and a narrow table: never more than 64 slots.
    std::vector<jstring> elements;
    for (int n = in.U8() % 80; n > 0; --n) {
        const uint8_t kind = in.U8();
        elements.push_back(kind == 0 ? nullptr : kind == 1 ? jni.BadStr() : jni.Str(in.Text(40)));
    }
    char wide[bundle::kMacTableSlots][bundle::kWideMacSlot];
    char narrow[bundle::kMacTableSlots][bundle::kNarrowMacSlot];
    memset(wide, 0, sizeof wide);
    memset(narrow, 0, sizeof narrow);
    jobjectArray list = jni.Arr(elements);
    const int n = static_cast<int>(elements.size());
    if (bundle::MacListToTable(jni.env(), list, n, wide, "") > bundle::kMacTableSlots) abort();
    if (bundle::MacListToTable(jni.env(), list, n, narrow, "") > bundle::kMacTableSlots) abort();
    for (const auto &slot : narrow) {
        if (slot[bundle::kNarrowMacSlot - 1] != '\0' || slot[bundle::kNarrowMacSlot - 2] != '\0') abort();
    }

    // MAC text scan of any text.
    unsigned char mac[6];
    bundle::MacTextToBytes(in.Text(64).c_str(), mac);

    // List reply of a fuzzer-chosen count and allowance, items of any length.
    const int count = static_cast<int>(in.U32());
    const size_t allowance = in.U8();
    bundle::ListReply reply(count < 0 ? count : count % 70, allowance, "{\"Result\":-1,\"List\":[]}");
    reply.Open("{\"Result\":0,\"List\":[");
    for (int i = in.U8() % 8; i > 0; --i) BUNDLE_WRITE(reply, "%s,", in.Text(600).c_str());
    reply.Close();
    if (strlen(reply.text()) == 0) abort();

    if (!jni.Leaks().empty() || !jni.misuse().empty()) abort();
    return 0;
}
