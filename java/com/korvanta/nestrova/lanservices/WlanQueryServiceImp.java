package com.korvanta.nestrova.lanservices;

/**
 * Wireless LAN state: neighbours, SSID counters and settings, radios, stations, guests, WPS.
 *
 * <p>SSID indexes and radio types are passed to the gateway unchecked; radio types, standards
 * and the other texts are in the gateway's own vocabulary. Texts are put into the JSON replies
 * as they are, without escaping. {@code {"Result":-1,"FailReason":"Get jstring fail"}} is the
 * reply when a {@code String} argument (or a list element) is null or cannot be read.
 */
public class WlanQueryServiceImp {
    /**
     * Lists the neighbouring access points a radio sees.
     *
     * @param radioType the radio, in the gateway's own text form; null fails
     * @return on success
     *     <pre>{@code {"Result":0,"List":[{"SSIDName":string,"BSSID":string,"NetworkType":string,
     *   "Channel":number,"RSSI":string,"Standard":string}, ...]}}</pre>
     *     at most 64 items: each neighbour's network name, access-point MAC text, network type,
     *     channel number, signal strength and 802.11 standard; no neighbour gives
     *     {@code {"Result":0,"List":[]}};
     *     {@code {"Result":-1,"FailReason":"getWLANNeighbor fail"}} when the scan fails
     */
    public native String getWLANNeighborJni(String radioType);

    /**
     * Reads the traffic counters of one SSID.
     *
     * @param ssidIndex the SSID's index
     * @return on success
     *     <pre>{@code {"Result":0,"TotalPacketsReceived":number,"TotalPacketsSent":number,
     *   "TotalBytesReceived":number,"TotalBytesSent":number,"ErrorsSent":number,
     *   "DiscardPacketsSent":number,"ErrorsReceived":number,"DiscardPacketsReceived":number}}</pre>
     *     with the gateway's counter texts unquoted;
     *     {@code {"Result":-1,"FailReason":"getWLANSSIDStats fail"}} when the gateway fails
     */
    public native String getWLANSSIDStatsJni(int ssidIndex);

    /**
     * Reads the channel, power and width settings of a radio.
     *
     * @param radioType the radio, in the gateway's own text form; null fails
     * @return on success (with a blank after each comma)
     *     <pre>{@code {"Result":0, "Channel":number, "AutoChannelEnable":string, "ChannelsInUse":string,
     *   "TransmitPower":string, "FrequencyWidth":string}}</pre>
     *     {@code {"Result":-1,"FailReason":"Get WLANRadioInfo fail"}} when the gateway fails
     */
    public native String getWLANRadioInfoJni(String radioType);

    /**
     * Lists the associated stations: those with the given MACs, or all when none is given.
     *
     * @param macList the station MAC texts; at most 19 characters of each are used and at most
     *     64 MACs (further ones are left out); an empty array, or an empty text anywhere in the
     *     array, asks for all stations; a null array or a null element fails
     * @return on success (with a blank after each comma inside an item)
     *     <pre>{@code {"Result":0,"List":[{"MAC":string, "SSIDIndex":number, "SSIDName":string,
     *   "RSSI":string, "RxRate":string, "TxRate":string, "Standard":string}, ...]}}</pre>
     *     each station's MAC text, the index and name of its SSID, its signal strength, receive
     *     and transmit rates and 802.11 standard; no station gives {@code {"Result":0,"List":[]}};
     *     {@code {"Result":-1,"FailReason":"getWLANHostInfo fail"}} when the gateway fails
     */
    public native String getWLANHostInfoJni(String[] macList);

    /**
     * Reads the settings of one SSID.
     *
     * @param ssidIndex the SSID's index
     * @return on success (with a blank after each comma)
     *     <pre>{@code {"Result":0, "Enable":string, "BSSID":string, "SSIDName":string,
     *   "SSIDAdvertisementEnabled":string, "Standard":string, "EncryptionMode":string}}</pre>
     *     {@code {"Result":-1,"FailReason":"getWLANSSIDInfo fail"}} when the gateway fails
     */
    public native String getWLANSSIDInfoJni(int ssidIndex);

    /**
     * Lists the guest SSIDs in use (the two guest slots; a slot not in use is left out).
     *
     * @return
     *     <pre>{@code {"Result":0,"List":[{"SSIDIndex":int,"Duration":int,"PortIsolation":string,
     *   "RemainDuration":int}, ...]}}</pre>
     *     at most two items: the guest network's SSID index, its configured and remaining
     *     duration and its port isolation setting; no guest SSID in use gives
     *     {@code {"Result":0,"List":[]}};
     *     {@code {"Result":-1,"FailReason":"getGuestSSIDInfo fail"}} when no reply buffer can be
     *     had
     */
    public native String getGuestSSIDInfoJni();

    /**
     * Reads the WPS status of an SSID.
     *
     * @param ssidIndex the SSID's index
     * @return the status value as the gateway reports it, unchanged
     */
    public native int getWLANWPSStatusJni(int ssidIndex);

    /**
     * Tells whether the radio's hardware switch is on.
     *
     * @param radioType the radio, in the gateway's own text form; null gives false
     * @return true when the gateway reports the switch on (any non-zero answer); false when it
     *     reports it off or the radio type cannot be read
     */
    public native boolean getWLANHardwareSwitchJni(String radioType);
}
