// Fuzzes any native method with fuzzer-chosen Java arguments against the
// simulated gateway: the first bytes choose the entry point, the rest its
// arguments (nulls, unreadable texts, texts and arrays of any content and
// length, any int), and the last two how the platform answers: 0 as the
// simulated gateway, anything else one of the hostile outcomes of the
// sweep (bad results, counts past the table, unterminated texts, absent
// heap results). Every call must give back all it took from the JVM,
// make no bad JNI call and hand the platform no null text; the sanitizers
// report any access outside a buffer.
#include <cstdlib>
#include <vector>

#include "fuzz_input.h"
#include "sim/zivra_sim.h"
#include "sweep/hostile.h"
#include "sweep/sweep.h"

namespace {

SweepArg Arg(FakeJni &j, FuzzInput &in, char kind) {
    SweepArg a;
    const uint8_t tag = in.U8();
    switch (kind) {
        case 'I':
            a.i = static_cast<jint>(in.U32());
            break;
        case 'Z':
            a.z = tag;
            break;
        case 'S':
            a.o = tag == 0 ? nullptr : tag == 1 ? static_cast<jobject>(j.BadStr()) : j.Str(in.Text(2048));
            break;
        case 'A': {
            std::vector<jstring> e;
            for (int n = in.U8() % 70; n > 0; --n) {
                const uint8_t k = in.U8();
                e.push_back(k == 0 ? nullptr : k == 1 ? j.BadStr() : j.Str(in.Text(64)));
            }
            a.o = tag == 0 ? nullptr : static_cast<jobject>(j.Arr(e));
            break;
        }
        case 'B': {
            const std::string bytes = in.Text(512);
            a.o = tag == 0 ? nullptr : static_cast<jobject>(j.Bytes(std::vector<int8_t>(bytes.begin(), bytes.end()), tag == 1));
            break;
        }
    }
    return a;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzInput in(data, size);
    constexpr size_t kMethods = sizeof kSweepMethods / sizeof kSweepMethods[0];
    const SweepMethod &m = kSweepMethods[(static_cast<size_t>(in.U8()) << 8 | in.U8()) % kMethods];
    FakeJni jni;
    std::vector<SweepArg> args;
    for (const char *k = m.kinds; *k != '\0'; ++k) args.push_back(Arg(jni, in, *k));
    const unsigned outcome = static_cast<unsigned>(in.U8()) << 8 | in.U8();
    zsim::Reset();
    if (outcome == 0) {
        zsim::SetRecording(false);  // no log text to format: faster runs
    } else {  // the log lines are formatted, platform texts and all
        hostile::Current() = hostile::Decode((outcome - 1) % hostile::kOutcomes);
        hostile::ScriptHostilePlatform();
    }
    m.call(jni, args.data());
    if (!jni.Leaks().empty() || !jni.misuse().empty() || zsim::NullTexts() != 0) abort();
    return 0;
}
