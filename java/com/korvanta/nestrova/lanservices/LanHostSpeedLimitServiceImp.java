package com.korvanta.nestrova.lanservices;

/** Sets the upstream and downstream speed limit of one LAN host. */
public class LanHostSpeedLimitServiceImp {
    /**
     * Sets the speed limits of the host with the given MAC address.
     *
     * @param mac the host's MAC text: six hexadecimal groups of one or two digits (either case)
     *     separated by colons, as in "00:1A:2b:3:4:5"; reading stops at the first character that
     *     does not fit and the groups not read count as 0 (a malformed text is not refused: the
     *     gateway answers for the bytes it gets); null fails with -1
     * @param upSpeed the upstream limit, in the gateway's unit, passed on unchanged
     * @param downSpeed the downstream limit, in the gateway's unit, passed on unchanged
     * @return the gateway's result code: 0 on success, another value on failure; -1 when the
     *     MAC text cannot be read (the gateway is not asked)
     */
    public native int setLANHostSpeedLimitJni(String mac, int upSpeed, int downSpeed);
}
