package com.korvanta.nestrova.lanservices;

/** Reads the current speeds of one LAN host. */
public class LanHostSpeedQueryServiceImp {
    /**
     * Reads the current upstream and downstream speed of the host with the given MAC address.
     *
     * @param mac the host's MAC text: six hexadecimal groups of one or two digits (either case)
     *     separated by colons; reading stops at the first character that does not fit and the
     *     groups not read count as 0; null fails
     * @return on success {@code {"Result":0,"upSpeed":int,"downSpeed":int}} (signed decimals,
     *     in the gateway's unit; note the lower-case keys);
     *     {@code {"Result":-1,"FailReason":"Bandwidth disable or mac not exist"}} when the
     *     gateway cannot give them (bandwidth control off, or no host with that MAC);
     *     {@code {"Result":-1,"FailReason":"Get jstring fail"}} when the MAC text cannot be read
     */
    public native String getLANHostSpeedJni(String mac);
}
