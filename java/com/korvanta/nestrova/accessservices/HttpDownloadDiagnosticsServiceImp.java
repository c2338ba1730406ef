package com.korvanta.nestrova.accessservices;

/**
 * HTTP download throughput test from the gateway. The gateway runs the test on its own: start it,
 * then fetch its result.
 */
public class HttpDownloadDiagnosticsServiceImp {
    /**
     * Starts an HTTP download test.
     *
     * @param number a value the gateway interprets, passed on unchanged
     * @param text1 the first text, as the gateway defines it; null fails with -1
     * @param text2 the second text, as the gateway defines it; null fails with -1
     * @return the gateway's result code: 0 when the test was started, another value on failure;
     *     -1 when a text cannot be read (the gateway is not asked)
     */
    public native int startHttpDownloadDiagnosticsJni(int number, String text1, String text2);

    /**
     * Fetches the result of the last download test.
     *
     * @return the result text as the gateway composes it, whole and with the gateway's keys;
     *     null (not "") when the gateway has no result text
     */
    public native String getHttpDownloadDiagnosticsResultJni();
}
