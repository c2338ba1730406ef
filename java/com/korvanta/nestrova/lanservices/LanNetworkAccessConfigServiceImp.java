package com.korvanta.nestrova.lanservices;

/**
 * Keeps the gateway's MAC black list, trust list and storage black list, and sets its MAC filter
 * mode. MAC addresses are added and removed in batches of at most 64.
 */
public class LanNetworkAccessConfigServiceImp {
    public native int addLANHostToBlackListJni(String[] macs);

    public native int deleteLANHostFromBlackListJni(String[] macs);

    public native int addLANHostToTrustListJni(String[] macs);

    public native int deleteLANHostFromTrustListJni(String[] macs);

    public native int addLANHostToStorageBlackListJni(String[] macs);

    public native int deleteLANHostFromStorageBlackListJni(String[] macs);

    public native int setMacFilterModeJni(int mode);
}
