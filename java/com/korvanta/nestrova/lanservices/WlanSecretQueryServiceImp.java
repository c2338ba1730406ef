package com.korvanta.nestrova.lanservices;

/** Hands out the password of one of the gateway's SSIDs. */
public class WlanSecretQueryServiceImp {
    /** Password of the SSID as plain text; an empty text when it cannot be read. */
    public native String getWLANSSIDPasswordJni(int ssidIndex);
}
