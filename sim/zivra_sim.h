// Control interface of the stand-in gateway platform (libzivra.so.1 built
// for tests and demos). Not part of the product.
//
// Every operation records its call (name and arguments as text). A test can
// script an operation with a function of the operation's own signature; an
// operation that is not scripted answers as a small simulated gateway.
// zivra_printf keeps each formatted line with its level, and also prints it
// to standard error when ZIVRA_SIM_LOG=stderr is set.
#ifndef ZIVRA_SIM_H
#define ZIVRA_SIM_H

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/zivra.h"

namespace zsim {

struct Call {
    std::string op;    // operation name without the zivra_ prefix
    std::string args;  // its arguments, as the operation formats them
};

struct LogLine {
    int level;
    std::string text;
};

// Forgets calls, log lines and scripts, and restores the simulated gateway.
void Reset();

std::vector<Call> Calls();
std::vector<LogLine> Log();
// Calls and log lines are kept only while recording is on (the default).
void SetRecording(bool on);
bool Recording();

// Type-erased storage behind Script/Scripted.
void PutScript(const std::string &op, std::shared_ptr<void> fn);
std::shared_ptr<void> GetScript(const std::string &op);

template <class Sig>
void Script(const std::string &op, std::function<Sig> fn) {
    PutScript(op, std::make_shared<std::function<Sig>>(std::move(fn)));
}

template <class Sig>
std::function<Sig> Scripted(const std::string &op) {
    std::shared_ptr<void> p = GetScript(op);
    return p ? *static_cast<std::function<Sig> *>(p.get()) : std::function<Sig>();
}

// Recording helper used by the operations themselves.
void Record(const char *op, const char *fmt, ...) __attribute__((format(printf, 2, 3)));

// Text of a string argument for a call record ("(null)" for a null pointer).
// A null text where the operation wants one is counted: the bridge must never
// hand the platform a null text (see NullTexts).
std::string Quote(const char *text);
// The same for the few arguments the gateway takes as null on purpose (the
// bundle name of the USB calls that act for no bundle, the text of the VPN
// stop, which the bridge hands on as it was had): not counted.
std::string QuoteOptional(const char *text);
// Null texts handed to the platform since the last Reset().
int NullTexts();
// Null texts handed where the gateway takes one on purpose, since the last Reset().
int MeantNullTexts();

// The code a scenario file (ZIVRA_SIM_SCENARIO, see sim/scenario.h) makes
// this operation fail with, or null when it runs as usual.
const int *FailCode(const char *op);

}  // namespace zsim

// Scripts a platform function with a callable of its own signature:
//   ZSIM_SCRIPT(zivra_getLANEthernetStats, [](int port, LANEthernetStatsRecord *r) { ...; return 0; });
#define ZSIM_SCRIPT(fn, ...) \
    zsim::Script<decltype(fn)>(#fn, std::function<decltype(fn)>(__VA_ARGS__))

// Inside the stand-in: hands the call to a script when one is set, or
// fails it when the scenario says so.
#define ZSIM_RUN_SCRIPT(fn, ...)                                        \
    do {                                                                \
        if (auto script_ = zsim::Scripted<decltype(fn)>(#fn)) {         \
            return script_(__VA_ARGS__);                                \
        }                                                               \
        if (const int *code_ = zsim::FailCode(#fn)) return *code_;      \
    } while (0)

#endif  // ZIVRA_SIM_H
