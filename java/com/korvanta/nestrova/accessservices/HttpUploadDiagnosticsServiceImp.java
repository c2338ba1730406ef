package com.korvanta.nestrova.accessservices;

/** HTTP upload throughput test from the gateway. */
public class HttpUploadDiagnosticsServiceImp {
    /** Starts an upload test. */
    public native int startHttpUploadDiagnosticsJni(int number, String text1, String text2);

    /** The result of the last upload test, or null when the gateway has none. */
    public native String getHttpUploadDiagnosticsResultJni();
}
