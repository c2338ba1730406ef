package com.korvanta.nestrova.transferservices;

/**
 * Rules by which the gateway processes HTTP traffic: remote address and port (1 to 65535), direction
 * (UP, DOWN or ALL), LAN host MAC, the methods, status codes and headers concerned, and the bundle that
 * installed the rule. The gateway keeps the rules; texts are put into the JSON as they stand, not escaped.
 */
public class TrafficDetailProcessServiceImp {
    /**
     * Lists all HTTP processing rules, in the gateway's order. A rule lists at most 9 methods, 41 status
     * codes and 51 headers, each list cut at 255 characters of quoted names. The reply is kept under
     * (rules + 1) &times; 300 characters; a longer one is cut at that length and is then incomplete JSON.
     *
     * @return on success
     *     <pre>{@code {"Result":0,"List":[{"RemoteAddress":string,"RemotePort":string,"Direction":string,
     *  "HostMAC":string,"MethodList":[string, ...],"StatuscodeList":[string, ...],
     *  "HeaderList":[string, ...],"BundleName":string}, ...]}}</pre>
     *     (one line; the remote port is a quoted decimal text), on failure
     *     {@code {"Result":-1,"FailReason":"parameter NULL"}}, and the empty text {@code ""} when no
     *     memory was left for the reply
     */
    public native String getHTTPTrafficProcessRuleInfoJni();

    /**
     * Adds an HTTP processing rule. Port and direction are checked first; the texts then go to the
     * gateway as Java gives them, and each of the three lists as its elements joined with commas,
     * unquoted (GET and POST give GET,POST). In a list, empty elements before the first non-empty one
     * leave no trace, a later empty element gives two adjacent commas, and {@code null} elements are left
     * out; a {@code null} or empty array, or {@code {""}}, gives the empty text.
     *
     * @param remoteAddress the remote address the rule selects; not {@code null}
     * @param remotePort the remote port the rule selects, 1 to 65535
     * @param direction exactly "UP", "DOWN" or "ALL" (case-sensitive, the whole text)
     * @param hostMAC the MAC of the LAN host the rule selects; not {@code null}
     * @param methodList the HTTP methods concerned; joined, at most 255 characters, longer is cut
     * @param statusCodeList the HTTP status codes concerned; joined, at most 255 characters, longer is cut
     * @param headerList the HTTP header names concerned; joined, at most 255 characters, longer is cut
     * @param bundleName the name of the calling bundle; not {@code null}
     * @return the gateway's result code (0 on success, any other value on failure), or -1 (the gateway
     *     is then not called) when the port is outside 1 to 65535, the direction is none of the three
     *     words, or a text is {@code null} or cannot be read
     */
    public native int addHTTPTrafficProcessRuleJni(String remoteAddress, int remotePort, String direction,
            String hostMAC, String[] methodList, String[] statusCodeList, String[] headerList, String bundleName);

    /**
     * Deletes one HTTP processing rule.
     *
     * @param ruleNum the rule's number, passed to the gateway unchanged; whether it is the position in the
     *     listed rules or a number of the gateway's own is the gateway's
     * @return the gateway's result code: 0 on success, any other value on failure
     */
    public native int deleteHTTPTrafficProcessRuleJni(int ruleNum);

    /**
     * Deletes every HTTP processing rule.
     *
     * @return the gateway's result code: 0 on success, any other value on failure
     */
    public native int deleteAllHTTPTrafficProcessRuleJni();
}
