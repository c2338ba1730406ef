package com.korvanta.nestrova.lanservices;

/** Hands out the password of one of the gateway's SSIDs. */
public class WlanSecretQueryServiceImp {
    /**
     * Reads the password of one SSID.
     *
     * @param ssidIndex the SSID's index, passed to the gateway unchecked
     * @return the password as plain text (not JSON); the empty text "" (not null) when it
     *     cannot be read
     */
    public native String getWLANSSIDPasswordJni(int ssidIndex);
}
