package com.korvanta.nestrova.accessservices;

/** HTTP download throughput test from the gateway. */
public class HttpDownloadDiagnosticsServiceImp {
    /** Starts a download test. */
    public native int startHttpDownloadDiagnosticsJni(int number, String text1, String text2);

    /** The result of the last download test, or null when the gateway has none. */
    public native String getHttpDownloadDiagnosticsResultJni();
}
