// The bridge's log lines: every one goes to the platform's log function.
#ifndef BUNDLE_COMMON_LOG_H
#define BUNDLE_COMMON_LOG_H

#include "platform/zivra.h"

// Every bridge log line goes to the platform at level 2 unless a method
// says otherwise. The format stays a literal at the call site, so the
// compiler checks its conversions against the arguments.
#define BRIDGE_LOG(...) zivra_printf(2, __VA_ARGS__)

#endif  // BUNDLE_COMMON_LOG_H
