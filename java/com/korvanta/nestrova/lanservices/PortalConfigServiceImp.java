package com.korvanta.nestrova.lanservices;

/**
 * The gateway's captive portal: event subscription, the MAC white list, temporary access for
 * devices and the portal's domain list. List arguments keep at most 64 names of at most 18
 * characters each.
 *
 * <p>The list arguments (MAC texts, event names or domain names) reach the gateway in array
 * order; longer names are cut to their first 18 characters and names after the 64th are left
 * out. An empty or null array gives the gateway an empty list. A null element ends the list:
 * the gateway gets the names before it, and the call goes on. The {@code int} methods return
 * the gateway's result code unchanged, 0 on success.
 */
public class PortalConfigServiceImp {
    /**
     * Subscribes to (enable) or unsubscribes from portal events.
     *
     * @param first not read
     * @param events the event names, in the gateway's own vocabulary
     * @param enable true to subscribe to the events, false to unsubscribe
     * @return the gateway's result code: 0 on success, another value on failure
     */
    public native int subscribePortalEventJni(int first, String[] events, boolean enable);

    /**
     * Adds devices to the portal's MAC white list.
     *
     * @param macs the MAC texts to add
     * @return the gateway's result code: 0 on success, another value on failure
     */
    public native int addPortalMacWhiteListJni(String[] macs);

    /**
     * Removes devices from the portal's MAC white list.
     *
     * @param macs the MAC texts to remove
     * @return the gateway's result code: 0 on success, another value on failure
     */
    public native int deletePortalMacWhiteListJni(String[] macs);

    /**
     * Reads the portal's MAC white list.
     *
     * @return on success {@code {"Result":0,"List":[{"MAC":string}]}}: one list element whose
     *     {@code MAC} value is the gateway's whole list text (at most 128 characters, with the
     *     gateway's own separators); {@code {"Result":-1,"FailReason":"Get jstring fail"}} when
     *     the gateway fails
     */
    public native String getPortalMacWhiteListJni();

    /**
     * Sets the portal's temporary access mode.
     *
     * @param value1 the first mode value, as the gateway defines it, passed on unchecked
     * @param value2 the second mode value, as the gateway defines it, passed on unchecked
     * @return the gateway's result code: 0 on success, another value on failure
     */
    public native int setTemporaryAccessModeJni(int value1, int value2);

    /**
     * Grants devices temporary access past the portal.
     *
     * @param macs the MAC texts of the devices
     * @return the gateway's result code: 0 on success, another value on failure
     */
    public native int allowDeviceTemporaryAccessJni(String[] macs);

    /**
     * Writes the portal's domain list.
     *
     * @param domains the domain names
     * @return the gateway's result code: 0 on success, another value on failure
     */
    public native int setPortalDomainWriteListJni(String[] domains);

    /**
     * Reads the portal's domain list.
     *
     * @return on success {@code {"Result":0,"List":[{"domains":string}]}}: one list element whose
     *     {@code domains} value is the gateway's whole list text (at most 128 characters, with
     *     the gateway's own separators);
     *     {@code {"Result":-1,"FailReason":"Get jstring fail"}} when the gateway fails
     */
    public native String getPortalDomainWriteListJni();
}
