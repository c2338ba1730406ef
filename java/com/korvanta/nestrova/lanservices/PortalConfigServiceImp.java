package com.korvanta.nestrova.lanservices;

/**
 * The gateway's captive portal: event subscription, the MAC white list, temporary access for
 * devices and the portal's domain list. List arguments keep at most 64 names of at most 18
 * characters each.
 */
public class PortalConfigServiceImp {
    /** Subscribes to (enable) or unsubscribes from portal events; {@code first} is not read. */
    public native int subscribePortalEventJni(int first, String[] events, boolean enable);

    public native int addPortalMacWhiteListJni(String[] macs);

    public native int deletePortalMacWhiteListJni(String[] macs);

    /** The white list as JSON: one List element whose MAC value is the gateway's list text. */
    public native String getPortalMacWhiteListJni();

    public native int setTemporaryAccessModeJni(int value1, int value2);

    public native int allowDeviceTemporaryAccessJni(String[] macs);

    public native int setPortalDomainWriteListJni(String[] domains);

    /** The domain list as JSON: one List element whose domains value is the gateway's list text. */
    public native String getPortalDomainWriteListJni();
}
