package com.korvanta.nestrova.transferservices;

/** Destination addresses of the gateway's traffic monitoring, kept per bundle (at most 255 each). */
public class TrafficMonitoringConfigServiceImp {
    public native String getTrafficMonitoringDestAddressInfoJni();

    public native int addTrafficMonitoringDestAddressJni(String[] destAddresses, String bundleName);

    public native int deleteTrafficMonitoringDestAddressJni(String[] destAddresses, String bundleName);
}
