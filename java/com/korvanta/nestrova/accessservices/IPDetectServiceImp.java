package com.korvanta.nestrova.accessservices;

/** Asks the gateway whether an IP address and port can be reached. */
public class IPDetectServiceImp {
    /** Probes ip:port; port and type are decimal texts. JSON reply. */
    public native String detectIpJni(String ip, String port, String type);
}
