// Several Java threads inside the library at once: the entry points keep no
// state between calls and take no lock, so calls made at the same time must
// each get the reply they would get alone, and the JNI resources of every
// call must go back. Run in the ThreadSanitizer build too (its suites start
// with "Concurrent"), where any data race in the bridge or in the stand-in
// platform fails the run.
//
// Each worker has its own FakeJni (one per Java thread, as a JNIEnv is). The
// stand-in's simulated gateway answers; recording is off so that memory stays
// bounded over the thousands of calls.
#include <algorithm>
#include <atomic>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "com_korvanta_nestrova_lanservices_EthConfigServiceImp.h"
#include "com_korvanta_nestrova_lanservices_EthQueryServiceImp.h"
#include "common/cpu_percent.h"
#include "fake_jni.h"
#include "sim/zivra_sim.h"

namespace {

constexpr unsigned kMinWorkers = 8;
constexpr unsigned kCallsPerWorker = 3000;

// Replies the simulated gateway can give, learnt single-threaded from the
// entry points themselves before the workers start. Index 0..5 is the port
// number handed to Java (0 and 5 are not ports of the gateway).
struct Known {
    std::string stats[6];
    std::set<std::string> info[6];  // every reply reachable through the setters
};

// One entry point in the workers' rotation. `learn` (may be null) runs once
// on a fresh simulated gateway; `call` makes a worker's i-th call and returns
// "" when the reply is one the gateway can give, else what was wrong.
struct EntryPoint {
    const char *name;
    void (*learn)(FakeJni &jni, Known &known);
    std::string (*call)(FakeJni &jni, unsigned i, const Known &known);
};

std::string Mismatch(const char *what, int port, const std::string &got) {
    return std::string(what) + " port " + std::to_string(port) + ": " + got;
}

std::string Int(int v) { return std::to_string(v); }

// --- Ethernet ports -------------------------------------------------------

bool IsPort(int port) { return port >= 1 && port <= 4; }

std::string Stats(FakeJni &jni, int port) {
    return jni.Text(Java_com_korvanta_nestrova_lanservices_EthQueryServiceImp_getLANEthernetStatsJni(
        jni.env(), jni.self(), port));
}

std::string Info(FakeJni &jni, int port) {
    return jni.Text(Java_com_korvanta_nestrova_lanservices_EthQueryServiceImp_getLANEthernetInfoJni(
        jni.env(), jni.self(), port));
}

int SetEnable(FakeJni &jni, int port, bool on) {
    return Java_com_korvanta_nestrova_lanservices_EthConfigServiceImp_setLANEthernetEnableJni(
        jni.env(), jni.self(), port, on ? JNI_TRUE : JNI_FALSE);
}

// Texts the setters are given: accepted ones, one the gateway refuses, one
// cut by the bridge to a refused "Automa", and a String without characters.
const char *const kDuplexTexts[] = {"Full", "Half", "Auto", "Fast", nullptr};
const char *const kRateTexts[] = {"10", "100", "1000", "Auto", "Automatic", nullptr};
constexpr unsigned kDuplexAccepted = 3;
constexpr unsigned kRatesAccepted = 4;

int SetDuplex(FakeJni &jni, int port, const char *text) {
    return Java_com_korvanta_nestrova_lanservices_EthConfigServiceImp_setLANEthernetDuplexModeJni(
        jni.env(), jni.self(), port, text ? jni.Str(text) : jni.BadStr());
}

int SetRate(FakeJni &jni, int port, const char *text) {
    return Java_com_korvanta_nestrova_lanservices_EthConfigServiceImp_setLANEthernetMaxBitRateJni(
        jni.env(), jni.self(), port, text ? jni.Str(text) : jni.BadStr());
}

void LearnEthernet(FakeJni &jni, Known &known) {
    for (int port = 0; port <= 5; ++port) {
        known.stats[port] = Stats(jni, port);
        if (!IsPort(port)) {
            known.info[port].insert(Info(jni, port));
            continue;
        }
        for (bool on : {true, false}) {
            for (unsigned d = 0; d < kDuplexAccepted; ++d) {
                for (unsigned r = 0; r < kRatesAccepted; ++r) {
                    SetEnable(jni, port, on);
                    SetDuplex(jni, port, kDuplexTexts[d]);
                    SetRate(jni, port, kRateTexts[r]);
                    known.info[port].insert(Info(jni, port));
                }
            }
        }
    }
}

// Ports 0..5 in turn, so the refusals of the bridge and of the gateway are
// taken concurrently too.
int PortOf(unsigned i) { return static_cast<int>(i % 6); }

std::string CallStats(FakeJni &jni, unsigned i, const Known &known) {
    const int port = PortOf(i);
    const std::string got = Stats(jni, port);
    return got == known.stats[port] ? "" : Mismatch("getLANEthernetStatsJni", port, got);
}

std::string CallInfo(FakeJni &jni, unsigned i, const Known &known) {
    const int port = PortOf(i);
    const std::string got = Info(jni, port);
    return known.info[port].count(got) ? "" : Mismatch("getLANEthernetInfoJni", port, got);
}

std::string CallEnable(FakeJni &jni, unsigned i, const Known &) {
    const int port = PortOf(i);
    const int got = SetEnable(jni, port, (i / 6) % 2 == 0);
    return got == (IsPort(port) ? 0 : -1) ? "" : Mismatch("setLANEthernetEnableJni", port, Int(got));
}

template <size_t N>
std::string CallTextSetter(const char *name, int (*set)(FakeJni &, int, const char *),
                           const char *const (&texts)[N], unsigned accepted, FakeJni &jni,
                           unsigned i) {
    const int port = PortOf(i);
    const unsigned t = (i / 6) % N;
    const int got = set(jni, port, texts[t]);
    const int want = IsPort(port) && t < accepted ? 0 : -1;
    if (got == want) return "";
    return Mismatch(name, port, std::string(texts[t] ? texts[t] : "<no chars>") + " -> " + Int(got));
}

std::string CallDuplex(FakeJni &jni, unsigned i, const Known &) {
    return CallTextSetter("setLANEthernetDuplexModeJni", SetDuplex, kDuplexTexts, kDuplexAccepted,
                          jni, i);
}

std::string CallRate(FakeJni &jni, unsigned i, const Known &) {
    return CallTextSetter("setLANEthernetMaxBitRateJni", SetRate, kRateTexts, kRatesAccepted,
                          jni, i);
}

// The workers' rotation; new entry points join it here.
const EntryPoint kEntryPoints[] = {
    {"getLANEthernetStatsJni", LearnEthernet, CallStats},
    {"getLANEthernetInfoJni", nullptr, CallInfo},
    {"setLANEthernetEnableJni", nullptr, CallEnable},
    {"setLANEthernetDuplexModeJni", nullptr, CallDuplex},
    {"setLANEthernetMaxBitRateJni", nullptr, CallRate},
};
constexpr unsigned kEntryPointCount = sizeof kEntryPoints / sizeof kEntryPoints[0];

struct WorkerResult {
    unsigned calls = 0;
    std::vector<std::string> wrong;  // first few wrong replies
    unsigned wrong_count = 0;
    std::string leaks;
    std::vector<std::string> misuse;
};

class ConcurrentEntryPoints : public ::testing::Test {
  protected:
    void SetUp() override { zsim::Reset(); }
    void TearDown() override { zsim::Reset(); }  // recording back on
};

TEST_F(ConcurrentEntryPoints, EveryReplyIsOneTheGatewayCanGive) {
    Known known;
    {
        FakeJni jni;
        for (const EntryPoint &ep : kEntryPoints) {
            if (ep.learn) ep.learn(jni, known);
        }
        ASSERT_EQ(jni.Leaks(), "");
    }
    // The learnt replies are real answers, not failures of the bridge.
    for (int port = 1; port <= 4; ++port) {
        ASSERT_EQ(known.stats[port].rfind("{\"Result\":0,", 0), 0u) << known.stats[port];
        ASSERT_EQ(known.info[port].size(), 2u * kDuplexAccepted * kRatesAccepted) << port;
    }
    zsim::Reset();
    zsim::SetRecording(false);

    const unsigned workers = std::max(kMinWorkers, std::thread::hardware_concurrency());
    std::vector<WorkerResult> results(workers);
    std::atomic<unsigned> ready{0};
    std::atomic<int> inside{0};
    std::atomic<int> most_inside{0};
    std::vector<std::thread> threads;
    for (unsigned w = 0; w < workers; ++w) {
        threads.emplace_back([&, w] {
            FakeJni jni;
            WorkerResult &out = results[w];
            // All workers start together.
            ready.fetch_add(1);
            while (ready.load() < workers) std::this_thread::yield();
            for (unsigned i = 0; i < kCallsPerWorker; ++i) {
                // Workers start at different entry points and ports.
                const EntryPoint &ep = kEntryPoints[(w + i) % kEntryPointCount];
                const int now = inside.fetch_add(1) + 1;
                int seen = most_inside.load();
                while (now > seen && !most_inside.compare_exchange_weak(seen, now)) {
                }
                std::string wrong = ep.call(jni, i * 7 + w, known);
                inside.fetch_sub(1);
                ++out.calls;
                if (!wrong.empty()) {
                    if (out.wrong.size() < 5) out.wrong.push_back(std::move(wrong));
                    ++out.wrong_count;
                }
            }
            out.leaks = jni.Leaks();
            out.misuse = jni.misuse();
        });
    }
    for (auto &t : threads) t.join();

    for (unsigned w = 0; w < workers; ++w) {
        const WorkerResult &r = results[w];
        EXPECT_EQ(r.calls, kCallsPerWorker) << "worker " << w;
        EXPECT_EQ(r.wrong_count, 0u)
            << "worker " << w << ", e.g. " << ::testing::PrintToString(r.wrong);
        EXPECT_EQ(r.leaks, "") << "worker " << w;
        EXPECT_EQ(r.misuse, std::vector<std::string>()) << "worker " << w;
    }
    // The calls did overlap: otherwise this test proves nothing.
    EXPECT_GE(most_inside.load(), 2);

    // The gateway is left in a state the setters can reach.
    FakeJni jni;
    for (int port = 1; port <= 4; ++port) {
        EXPECT_EQ(known.info[port].count(Info(jni, port)), 1u) << port;
    }
}

// g_CPUPercent is shared by every thread; its accessors keep each access
// atomic. Under ThreadSanitizer a plain access here would be reported.
TEST(ConcurrentCpuPercent, AccessorsReachTheExportedPlainInt) {
    static_assert(sizeof g_CPUPercent == 4, "exported as a 4-byte int");
    const int saved = bundle::LoadCpuPercent();
    bundle::StoreCpuPercent(37);
    EXPECT_EQ(g_CPUPercent, 37);
    g_CPUPercent = 58;
    EXPECT_EQ(bundle::LoadCpuPercent(), 58);
    bundle::StoreCpuPercent(saved);
}

TEST(ConcurrentCpuPercent, ReadersSeeOnlyValuesSomeWriterStored) {
    constexpr int kWriters = 4;
    constexpr int kReaders = 4;
    constexpr int kRounds = 20000;
    const int saved = bundle::LoadCpuPercent();
    bundle::StoreCpuPercent(0);
    // Writer w stores w * 1000 + a percentage; anything else read is torn or
    // stray.
    auto plausible = [](int v) {
        return v == 0 || (v / 1000 >= 1 && v / 1000 <= kWriters && v % 1000 <= 100);
    };
    std::atomic<int> strays{0};
    std::vector<std::thread> threads;
    for (int w = 1; w <= kWriters; ++w) {
        threads.emplace_back([w] {
            for (int i = 0; i < kRounds; ++i) bundle::StoreCpuPercent(w * 1000 + i % 101);
        });
    }
    for (int r = 0; r < kReaders; ++r) {
        threads.emplace_back([&] {
            for (int i = 0; i < kRounds; ++i) {
                if (!plausible(bundle::LoadCpuPercent())) strays.fetch_add(1);
            }
        });
    }
    for (auto &t : threads) t.join();
    EXPECT_EQ(strays.load(), 0);
    // The last store of some writer is what remains.
    const int last = bundle::LoadCpuPercent();
    EXPECT_EQ(last % 1000, (kRounds - 1) % 101) << last;
    EXPECT_TRUE(plausible(last)) << last;
    bundle::StoreCpuPercent(saved);
}

}  // namespace
