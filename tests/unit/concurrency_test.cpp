// Several Java threads inside the library at once: the entry points keep no
// state between calls and take no lock, so every call made while others run
// must get the reply it gets alone, and give back its JNI resources. The
// ThreadSanitizer build runs the suites named "Concurrent*", where a data
// race in the bridge or in the stand-in platform fails the run.
//
// The calls are every query of every service class (queries change
// nothing on the gateway, so each has one right answer, learnt on one
// thread first), with plain arguments. Each worker has its own FakeJni, as
// each Java thread has its own JNIEnv.
#include <atomic>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "fake_jni.h"
#include "sim/zivra_sim.h"
#include "sweep/sweep.h"

namespace {

using Call = std::function<std::string(FakeJni &)>;

// The uptime and the CPU and RAM load are gauges: their replies move on
// between calls.
std::vector<Call> Calls() {
    std::vector<Call> calls;
    for (const SweepMethod &m : kSweepMethods) {
        const std::string name = m.name;
        if (name.find(".get") == std::string::npos || name.find("UpTime") != std::string::npos ||
            name.find("OccupancyRate") != std::string::npos)
            continue;
        calls.push_back([&m](FakeJni &j) {
            std::vector<SweepArg> args(strlen(m.kinds));
            for (size_t k = 0; k < args.size(); ++k) {
                if (m.kinds[k] == 'S') args[k].o = j.Str("LAN1");
                if (m.kinds[k] == 'A') args[k].o = j.Strs({"00:1A:2B:3C:4D:02"});
            }
            return m.call(j, args.data()).text;
        });
    }
    return calls;
}

TEST(ConcurrentEntryPoints, EveryCallGetsTheReplyItGetsAlone) {
    zsim::Reset();
    const std::vector<Call> calls = Calls();
    std::vector<std::string> alone;
    {
        FakeJni jni;
        for (const Call &c : calls) alone.push_back(c(jni));
        ASSERT_EQ(jni.Leaks(), "");
    }
    zsim::SetRecording(false);  // thousands of calls: keep memory bounded

    constexpr unsigned kWorkers = 8, kCallsEach = 3000;
    std::atomic<unsigned> ready{0}, wrong{0};
    std::atomic<int> inside{0}, most_inside{0};
    std::vector<std::string> leaks(kWorkers);
    std::vector<std::thread> threads;
    for (unsigned w = 0; w < kWorkers; ++w) {
        threads.emplace_back([&, w] {
            FakeJni jni;
            ready.fetch_add(1);
            while (ready.load() < kWorkers) std::this_thread::yield();  // start together
            for (unsigned i = 0; i < kCallsEach; ++i) {
                const size_t k = (w * 7 + i) % calls.size();
                const int now = inside.fetch_add(1) + 1;
                for (int seen = most_inside.load(); now > seen && !most_inside.compare_exchange_weak(seen, now);) {
                }
                if (calls[k](jni) != alone[k]) wrong.fetch_add(1);
                inside.fetch_sub(1);
            }
            leaks[w] = jni.Leaks() + ::testing::PrintToString(jni.misuse());
        });
    }
    for (auto &t : threads) t.join();
    zsim::Reset();

    EXPECT_EQ(wrong.load(), 0u);
    for (const std::string &l : leaks) EXPECT_EQ(l, "{}");
    EXPECT_GE(most_inside.load(), 2) << "the calls never overlapped: the test proved nothing";
}

}  // namespace
