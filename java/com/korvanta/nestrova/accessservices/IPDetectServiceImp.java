package com.korvanta.nestrova.accessservices;

/** Asks the gateway to probe an IP address and port, and hands back its JSON answer. */
public class IPDetectServiceImp {
    /**
     * Probes an IP address and port from the gateway.
     *
     * @param ip the IP address text, passed on unchanged; null fails
     * @param port the port as a decimal text: leading blanks and a sign are allowed, reading
     *     stops at the first other character, and a text without digits counts as 0 (so
     *     "8080x" is port 8080); null fails
     * @param type the probe type as a decimal text, read like {@code port}, in the gateway's
     *     own values; null fails
     * @return on success the JSON reply as the gateway writes it (at most 255 characters), with
     *     the gateway's keys;
     *     {@code {"Result":-1,"FailReason":"GetStringUTFChars error"}} when an argument cannot
     *     be read; {@code {"Result":-1,"FailReason":"IPdetect fail"}} when the gateway fails
     */
    public native String detectIpJni(String ip, String port, String type);
}
