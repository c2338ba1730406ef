// Simulated diagnostics: ping, trace route, HTTP upload and download tests
// and IP detection. A run finishes as soon as it is started; its result is
// held until the next start (or a reset). Before any run there is none.
//
// Hosts are dotted IPv4 addresses or names (letters, digits, '-' and '.',
// at least one letter); names resolve to an address of their own. Addresses
// in 192.0.2.0/24 never answer. Ping and trace route take a count of 1 to
// 99 (echo requests, most hops); the HTTP tests a URL starting with
// "http://", any interface text, and 1 to 8 parallel connections.
// IP detection probes TCP (type 0) or UDP (type 1) ports 1 to 65535; only
// ports 22, 80, 443 and 8080 are open.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <mutex>
#include <string>

#include "sim/state.h"
#include "sim/zivra_sim.h"

namespace {

std::mutex mu;
std::string ping_result;   // empty: no run yet
std::string trace_result;
std::string upload_result;
std::string download_result;

void ResetDiagnostics() {
    std::lock_guard<std::mutex> lock(mu);
    ping_result.clear();
    trace_result.clear();
    upload_result.clear();
    download_result.clear();
}
zsim::OnReset reset_diagnostics(&ResetDiagnostics);

bool DottedQuad(const char *text, unsigned (&b)[4]) {
    char tail = 0;
    if (sscanf(text, "%3u.%3u.%3u.%3u%c", &b[0], &b[1], &b[2], &b[3], &tail) != 4) return false;
    for (unsigned v : b) {
        if (v > 255) return false;
    }
    return text[0] >= '0' && text[0] <= '9';
}

// The address a host resolves to, or "" when it is no host.
std::string Resolve(const char *host) {
    unsigned b[4];
    if (host == nullptr) return "";
    if (DottedQuad(host, b)) return host;
    const size_t n = strlen(host);
    bool letter = false;
    unsigned hash = 7;
    for (size_t i = 0; i < n; ++i) {
        const char c = host[i];
        const bool alpha = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!alpha && !(c >= '0' && c <= '9') && c != '-' && c != '.') return "";
        letter = letter || alpha;
        hash = hash * 31u + static_cast<unsigned char>(c);
    }
    if (!letter || n > 253) return "";
    return "203.0.113." + std::to_string(1 + hash % 254);
}

bool Silent(const std::string &address) { return address.compare(0, 8, "192.0.2.") == 0; }

unsigned Rtt(const std::string &address, unsigned salt) {
    unsigned h = salt;
    for (char c : address) h = h * 33u + static_cast<unsigned char>(c);
    return 4 + h % 20;
}

// Copies a held result into the caller's buffer; -1 when there is none.
int Hand(const std::string &held, char *out, size_t size) {
    std::lock_guard<std::mutex> lock(mu);
    if (held.empty()) return -1;
    snprintf(out, size, "%s", held.c_str());
    return 0;
}

// Hands a held HTTP result over as a malloc'd copy.
int HandHeap(const std::string &held, char **out) {
    std::lock_guard<std::mutex> lock(mu);
    if (held.empty()) return -1;
    char *copy = static_cast<char *>(malloc(held.size() + 1));
    if (copy == nullptr) return -1;
    memcpy(copy, held.c_str(), held.size() + 1);
    *out = copy;
    return 0;
}

int StartHttp(std::string &held, bool upload, int connections, const char *url, const char *iface) {
    if (url == nullptr || iface == nullptr || strncmp(url, "http://", 7) != 0 || url[7] == '\0' ||
        connections < 1 || connections > 8)
        return -1;
    std::string host(url + 7);
    host = host.substr(0, host.find_first_of(":/"));
    const std::string address = Resolve(host.c_str());
    if (address.empty()) return -1;
    std::lock_guard<std::mutex> lock(mu);
    if (Silent(address)) {
        held = "{\"Status\":\"Error_InitConnectionFailed\",\"URL\":\"" + std::string(url) + "\"}";
        return 0;
    }
    // Every connection moves 16 MiB; the link runs at its contracted rate.
    const unsigned long long bytes = 16777216ULL * static_cast<unsigned long long>(connections);
    const unsigned kbps = upload ? 97000u + Rtt(address, 1) * 100u : 940000u + Rtt(address, 2) * 1000u;
    const unsigned long long ms = bytes * 8ULL / kbps;
    held = "{\"Status\":\"Completed\",\"URL\":\"" + std::string(url) + "\",\"Interface\":\"" + iface +
           "\",\"Connections\":" + std::to_string(connections) + ",\"TestBytes\":" + std::to_string(bytes) +
           ",\"TotalTime\":" + std::to_string(ms) + ",\"Speed\":" + std::to_string(kbps) + "}";
    return 0;
}

}  // namespace

extern "C" int zivra_startIPPingDiagnostics(int number, const char *host, const char *extra) {
    zsim::Record("startIPPingDiagnostics", "number=%d host=%s extra=%s", number, zsim::Quote(host).c_str(),
                 zsim::Quote(extra).c_str());
    ZSIM_RUN_SCRIPT(zivra_startIPPingDiagnostics, number, host, extra);
    const std::string address = Resolve(host);
    if (address.empty() || number < 1 || number > 99) return -1;
    const bool silent = Silent(address);
    const unsigned avg = Rtt(address, 3);
    char text[ZIVRA_PING_RESULT_SIZE];
    snprintf(text, sizeof text,
             "{\"Status\":\"Complete\",\"Address\":\"%s\",\"SuccessCount\":%d,\"FailureCount\":%d,"
             "\"AverageResponseTime\":%u,\"MinimumResponseTime\":%u,\"MaximumResponseTime\":%u}",
             address.c_str(), silent ? 0 : number, silent ? number : 0, silent ? 0 : avg,
             silent ? 0 : avg - 2, silent ? 0 : avg + 5);
    std::lock_guard<std::mutex> lock(mu);
    ping_result = text;
    return 0;
}

extern "C" int zivra_getIPPingDiagnosticsResult(char result[ZIVRA_PING_RESULT_SIZE]) {
    zsim::Record("getIPPingDiagnosticsResult", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_getIPPingDiagnosticsResult, result);
    return Hand(ping_result, result, ZIVRA_PING_RESULT_SIZE);
}

extern "C" int zivra_startTraceRouteDiagnostics(int number, const char *host, const char *extra) {
    zsim::Record("startTraceRouteDiagnostics", "number=%d host=%s extra=%s", number, zsim::Quote(host).c_str(),
                 zsim::Quote(extra).c_str());
    ZSIM_RUN_SCRIPT(zivra_startTraceRouteDiagnostics, number, host, extra);
    const std::string address = Resolve(host);
    if (address.empty() || number < 1 || number > 99) return -1;
    // The path: the gateway's first hop, the carrier's network, the host.
    const std::string path[] = {"100.72.0.1", "10.20.0.1", "198.51.100.9", address};
    const int hops = 4;
    const bool reached = !Silent(address) && number >= hops;
    std::string text = std::string("{\"Status\":\"") + (reached ? "Complete" : "MaxHopCountExceeded") +
                       "\",\"RouteHops\":[";
    for (int i = 0; i < hops && i < number; ++i) {
        const bool last = i == hops - 1;
        // Each hop further away answers a little later than the one before.
        const unsigned t = 3u * static_cast<unsigned>(i + 1) + Rtt(path[i], static_cast<unsigned>(i)) % 3u;
        text += (i ? "," : "") + std::string("{\"HopHost\":\"") + (last && !reached ? "*" : path[i]) +
                "\",\"HopRTTimes\":\"" + std::to_string(t) + "," + std::to_string(t + 1) + "," +
                std::to_string(t) + "\"}";
    }
    text += "]}";
    std::lock_guard<std::mutex> lock(mu);
    trace_result = text;
    return 0;
}

extern "C" int zivra_getTraceRouteDiagnosticsResult(char result[ZIVRA_TRACE_RESULT_SIZE]) {
    zsim::Record("getTraceRouteDiagnosticsResult", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_getTraceRouteDiagnosticsResult, result);
    return Hand(trace_result, result, ZIVRA_TRACE_RESULT_SIZE);
}

extern "C" int zivra_startHttpUploadDiagnostics(int number, const char *text1, const char *text2) {
    zsim::Record("startHttpUploadDiagnostics", "number=%d text1=%s text2=%s", number, zsim::Quote(text1).c_str(),
                 zsim::Quote(text2).c_str());
    ZSIM_RUN_SCRIPT(zivra_startHttpUploadDiagnostics, number, text1, text2);
    return StartHttp(upload_result, true, number, text1, text2);
}

extern "C" int zivra_startHttpDownloadDiagnostics(int number, const char *text1, const char *text2) {
    zsim::Record("startHttpDownloadDiagnostics", "number=%d text1=%s text2=%s", number,
                 zsim::Quote(text1).c_str(), zsim::Quote(text2).c_str());
    ZSIM_RUN_SCRIPT(zivra_startHttpDownloadDiagnostics, number, text1, text2);
    return StartHttp(download_result, false, number, text1, text2);
}

extern "C" int zivra_getHttpUploadDiagnosticsResult(char **result) {
    zsim::Record("getHttpUploadDiagnosticsResult", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_getHttpUploadDiagnosticsResult, result);
    return HandHeap(upload_result, result);
}

extern "C" int zivra_getHttpDownloadDiagnosticsResult(char **result) {
    zsim::Record("getHttpDownloadDiagnosticsResult", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_getHttpDownloadDiagnosticsResult, result);
    return HandHeap(download_result, result);
}

extern "C" int zivra_detectIp(char *reply, int size, int port, const char *ip, int type) {
    zsim::Record("detectIp", "size=%d port=%d ip=%s type=%d", size, port, zsim::Quote(ip).c_str(), type);
    ZSIM_RUN_SCRIPT(zivra_detectIp, reply, size, port, ip, type);
    unsigned b[4];
    if (ip == nullptr || !DottedQuad(ip, b) || port < 1 || port > 65535 || type < 0 || type > 1 || size < 1)
        return -1;
    const bool open = !Silent(ip) && (port == 22 || port == 80 || port == 443 || port == 8080);
    const std::string text = "{\"Result\":0,\"IP\":\"" + std::string(ip) + "\",\"Port\":" + std::to_string(port) +
                             ",\"Protocol\":\"" + (type == 0 ? "TCP" : "UDP") + "\",\"Reachable\":" +
                             (open ? "1" : "0") + ",\"ResponseTime\":" + std::to_string(open ? Rtt(ip, 5) : 0u) + "}";
    if (text.size() >= static_cast<size_t>(size)) return -1;
    memcpy(reply, text.c_str(), text.size() + 1);
    return 0;
}
