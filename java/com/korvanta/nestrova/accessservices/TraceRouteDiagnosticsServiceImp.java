package com.korvanta.nestrova.accessservices;

/** Trace route from the gateway: start a run, then fetch its result. */
public class TraceRouteDiagnosticsServiceImp {
    /** Starts a trace route to host; number from 1 to 99. */
    public native int startTraceRouteDiagnosticsJni(int number, String host, String extra);

    /** The result of the last trace route as JSON, empty when the gateway has none. */
    public native String getTraceRouteDiagnosticsResultJni();
}
