package com.korvanta.nestrova.transferservices;

/**
 * Destination addresses of the gateway's traffic monitoring, kept per bundle (at most 255 each). Each
 * bundle names itself by its bundle name and adds or deletes a list of destination addresses; the
 * gateway keeps the lists. Texts are put into the JSON as they stand, not escaped.
 */
public class TrafficMonitoringConfigServiceImp {
    /**
     * Lists the monitoring destinations of all bundles: one item per bundle that has destinations, in
     * the gateway's order (at most 8 bundles), each destination a quoted string. The reply is kept under
     * 30720 characters; a longer one is cut at that length and is then incomplete JSON.
     *
     * @return on success
     *     <pre>{@code {"Result":0,"List":[{"BundleName":string,"DestAddressList":[string, ...]}, ...]}}</pre>
     *     on failure {@code {"Result":-1,"FailReason":"parameter NULL"}}, and the empty text {@code ""}
     *     when no memory was left for the reply
     */
    public native String getTrafficMonitoringDestAddressInfoJni();

    /**
     * Adds monitoring destinations for a bundle.
     *
     * @param destAddresses the destination addresses, in order: at most 255, further ones are left out;
     *     each at most 255 characters, longer is cut. Empty strings are passed as empty addresses, and a
     *     {@code null} element (or one that cannot be read) as an empty address; a {@code null} array
     *     counts as empty
     * @param bundleName the name of the calling bundle, at most 255 characters (longer is cut); not
     *     {@code null}
     * @return the gateway's result code (0 on success, any other value on failure), or -1 when the
     *     bundle name is {@code null} or cannot be read, or no memory was left (the gateway is then not
     *     called)
     */
    public native int addTrafficMonitoringDestAddressJni(String[] destAddresses, String bundleName);

    /**
     * Deletes monitoring destinations of a bundle.
     *
     * @param destAddresses the destination addresses to delete, under the same rules as for
     *     {@link #addTrafficMonitoringDestAddressJni(String[], String)}: at most 255, each at most 255
     *     characters
     * @param bundleName the name of the calling bundle, at most 255 characters (longer is cut); not
     *     {@code null}
     * @return the gateway's result code (0 on success, any other value on failure), or -1 when the
     *     bundle name is {@code null} or cannot be read, or no memory was left (the gateway is then not
     *     called)
     */
    public native int deleteTrafficMonitoringDestAddressJni(String[] destAddresses, String bundleName);
}
