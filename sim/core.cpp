// Recording, scripting and logging of the stand-in platform.
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <atomic>
#include <map>
#include <mutex>

#include "sim/state.h"
#include "sim/zivra_sim.h"

namespace zsim {
namespace {

struct Recorder {
    std::mutex mu;
    std::atomic<bool> recording{true};  // also read without the lock, to skip work
    int null_texts = 0;
    int meant_null_texts = 0;
    std::vector<Call> calls;
    std::vector<LogLine> log;
    std::map<std::string, std::shared_ptr<void>> scripts;
};

Recorder &R() {
    static Recorder r;
    return r;
}

__attribute__((format(printf, 1, 0))) std::string VFormat(const char *fmt, va_list ap) {
    va_list copy;
    va_copy(copy, ap);
    const int n = vsnprintf(nullptr, 0, fmt, copy);
    va_end(copy);
    if (n <= 0) return std::string();
    std::string out(static_cast<size_t>(n) + 1, '\0');
    vsnprintf(&out[0], out.size(), fmt, ap);
    out.resize(static_cast<size_t>(n));
    return out;
}

bool LogToStderr() {
    static const bool on = [] {
        const char *v = getenv("ZIVRA_SIM_LOG");
        return v != nullptr && strcmp(v, "stderr") == 0;
    }();
    return on;
}

}  // namespace

void Reset() {
    {
        Recorder &r = R();
        std::lock_guard<std::mutex> lock(r.mu);
        r.calls.clear();
        r.log.clear();
        r.scripts.clear();
        r.recording = true;
        r.null_texts = 0;
        r.meant_null_texts = 0;
    }
    ResetGateway();
}

std::vector<Call> Calls() {
    std::lock_guard<std::mutex> lock(R().mu);
    return R().calls;
}

std::vector<LogLine> Log() {
    std::lock_guard<std::mutex> lock(R().mu);
    return R().log;
}

bool Recording() { return R().recording; }

void SetRecording(bool on) {
    std::lock_guard<std::mutex> lock(R().mu);
    R().recording = on;
}

void PutScript(const std::string &op, std::shared_ptr<void> fn) {
    std::lock_guard<std::mutex> lock(R().mu);
    R().scripts[op] = std::move(fn);
}

std::shared_ptr<void> GetScript(const std::string &op) {
    std::lock_guard<std::mutex> lock(R().mu);
    auto it = R().scripts.find(op);
    return it == R().scripts.end() ? nullptr : it->second;
}

void Record(const char *op, const char *fmt, ...) {
    if (!R().recording) return;
    va_list ap;
    va_start(ap, fmt);
    std::string args = VFormat(fmt, ap);
    va_end(ap);
    std::lock_guard<std::mutex> lock(R().mu);
    if (R().recording) R().calls.push_back(Call{op, std::move(args)});
}

namespace {
// The text as a call record shows it; a null one counted in `nulls`.
std::string Quoted(const char *text, int Recorder::*nulls) {
    if (text == nullptr) {
        std::lock_guard<std::mutex> lock(R().mu);
        ++(R().*nulls);
        return "(null)";
    }
    return "\"" + std::string(text) + "\"";
}
}  // namespace

std::string QuoteOptional(const char *text) { return Quoted(text, &Recorder::meant_null_texts); }

std::string Quote(const char *text) { return Quoted(text, &Recorder::null_texts); }

int NullTexts() {
    std::lock_guard<std::mutex> lock(R().mu);
    return R().null_texts;
}

int MeantNullTexts() {
    std::lock_guard<std::mutex> lock(R().mu);
    return R().meant_null_texts;
}

}  // namespace zsim

extern "C" int zivra_printf(int level, const char *format, ...) {
    // With recording off and nothing to print (timing runs), a log line costs nothing.
    if (!zsim::LogToStderr() && !zsim::Recording()) return 0;
    va_list ap;
    va_start(ap, format);
    std::string text = zsim::VFormat(format, ap);
    va_end(ap);
    if (zsim::LogToStderr()) fputs(text.c_str(), stderr);
    zsim::Recorder &r = zsim::R();
    std::lock_guard<std::mutex> lock(r.mu);
    if (r.recording) r.log.push_back(zsim::LogLine{level, text});
    return static_cast<int>(text.size());
}

extern "C" int checkInterfaceFormat(const char *name, int *index) {
    zsim::Record("checkInterfaceFormat", "name=%s", zsim::Quote(name).c_str());
    ZSIM_RUN_SCRIPT(checkInterfaceFormat, name, index);
    return zsim::SimInterfaceIndex(name, index);
}
