package com.korvanta.nestrova.accessservices;

/**
 * Trace route from the gateway: start a run, then fetch its result. The gateway runs the diagnostic on
 * its own: the start method returns at once, and the result method returns whatever result the
 * gateway holds when it is asked.
 */
public class TraceRouteDiagnosticsServiceImp {
    /**
     * Starts a trace route to a host.
     *
     * @param number a number the gateway interprets, accepted from 1 to 99 only; any other
     *     value fails with -1
     * @param host the host to probe; at most 255 bytes (in modified UTF-8) are used, longer
     *     texts are cut; an empty text or null fails with -1
     * @param extra a second text, passed to the gateway for its own use; at most 1023 bytes are
     *     used, longer texts are cut; null is passed on as the empty text
     * @return the gateway's result code: 0 when the trace route was started, another value on
     *     failure; -1 for a number outside 1 to 99 or an empty or unreadable host (the gateway
     *     is not asked)
     */
    public native int startTraceRouteDiagnosticsJni(int number, String host, String extra);

    /**
     * Fetches the result of the last trace route.
     *
     * @return the JSON result text as the gateway writes it (at most 4095 bytes), with the
     *     gateway's keys; the empty text "" when the gateway has none; there is no fail reply
     */
    public native String getTraceRouteDiagnosticsResultJni();
}
