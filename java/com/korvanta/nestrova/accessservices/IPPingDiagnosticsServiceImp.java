package com.korvanta.nestrova.accessservices;

/** Ping from the gateway: start a run, then fetch its result. */
public class IPPingDiagnosticsServiceImp {
    /** Starts a ping of host; number from 1 to 99. */
    public native int startIPPingDiagnosticsJni(int number, String host, String extra);

    /** The result of the last ping run as JSON, empty when the gateway has none. */
    public native String getIPPingDiagnosticsResultJni();
}
