package com.korvanta.nestrova.lanservices;

/**
 * Changes wireless LAN settings; every method returns the gateway's result code (0 = done).
 *
 * <p>Indexes, radio types, standards, widths, powers and channels are passed to the gateway
 * unchecked, in its own value sets and units; the settings are read back through
 * {@link WlanQueryServiceImp}. A {@code String} argument that is null or cannot be read makes
 * a method return -1 without asking the gateway.
 */
public class WlanConfigServiceImp {
    /**
     * Switches the advertisement (broadcast) of an SSID's name.
     *
     * @param ssidIndex the SSID's index
     * @param advertise true to advertise the SSID, false to hide it
     * @return the gateway's result code: 0 on success, another value on failure
     */
    public native int setWLANSSIDAdvertisementJni(int ssidIndex, boolean advertise);

    /**
     * Sets the security of an SSID.
     *
     * @param ssidIndex the SSID's index
     * @param security1 the first security text, as the gateway defines it; null fails
     * @param security2 the second security text, as the gateway defines it; null fails
     * @param security3 the third security text, as the gateway defines it; null fails
     * @return the gateway's result code: 0 on success, another value on failure; -1 when a text
     *     cannot be read
     */
    public native int setWLANSSIDSecurityJni(int ssidIndex, String security1, String security2, String security3);

    /**
     * Sets the frequency width of a radio.
     *
     * @param radioType the radio; null fails
     * @param frequencyWidth the width, in the gateway's own text form; null fails
     * @return the gateway's result code: 0 on success, another value on failure; -1 when a text
     *     cannot be read
     */
    public native int setWLANRadioFrequencyWidthJni(String radioType, String frequencyWidth);

    /**
     * Sets the 802.11 standard of a radio.
     *
     * @param radioType the radio; null fails
     * @param standard the standard, in the gateway's own text form; null fails
     * @return the gateway's result code: 0 on success, another value on failure; -1 when a text
     *     cannot be read
     */
    public native int setWLANStandardJni(String radioType, String standard);

    /**
     * Adds a guest SSID.
     *
     * @param guestSsidIndex the guest SSID's index
     * @return the gateway's result code: 0 on success, another value on failure
     */
    public native int addWLANGuestSSIDJni(int guestSsidIndex);

    /**
     * Sets the transmit power of a radio.
     *
     * @param radioType the radio; null fails
     * @param power the transmit power, in the gateway's unit
     * @return the gateway's result code: 0 on success, another value on failure; -1 when the
     *     radio type cannot be read
     */
    public native int setWLANRadioPowerJni(String radioType, int power);

    /**
     * Switches an SSID on or off.
     *
     * @param ssidIndex the SSID's index
     * @param enable true to switch the SSID on, false to switch it off
     * @return the gateway's result code: 0 on success, another value on failure
     */
    public native int setWLANSSIDSwitchJni(int ssidIndex, boolean enable);

    /**
     * Switches the port isolation of a guest SSID.
     *
     * @param guestSsidIndex the guest SSID's index
     * @param isolate true to isolate the guest network, false not to
     * @return the gateway's result code: 0 on success, another value on failure
     */
    public native int setWLANGuestPortIsolationJni(int guestSsidIndex, boolean isolate);

    /**
     * Starts WPS on an SSID.
     *
     * @param ssidIndex the SSID's index
     * @return the gateway's result code: 0 on success, another value on failure
     */
    public native int startWLANWPSJni(int ssidIndex);

    /**
     * Deletes a guest SSID.
     *
     * @param guestSsidIndex the guest SSID's index
     * @return the gateway's result code: 0 on success, another value on failure
     */
    public native int deleteWLANGuestSSIDJni(int guestSsidIndex);

    /**
     * Sets the WLAN hardware switch of a radio.
     *
     * @param radioType the radio; null fails
     * @param on true to turn the switch on, false to turn it off
     * @return the gateway's result code: 0 on success, another value on failure; -1 when the
     *     radio type cannot be read
     */
    public native int setWLANHardwareSwitchJni(String radioType, boolean on);

    /**
     * Sets the guest duration of a guest SSID.
     *
     * @param guestSsidIndex the guest SSID's index
     * @param duration the duration, in the gateway's unit
     * @return the gateway's result code: 0 on success, another value on failure
     */
    public native int setWLANGuestDurationJni(int guestSsidIndex, int duration);

    /**
     * Stops WPS on an SSID.
     *
     * @param ssidIndex the SSID's index
     * @return the gateway's result code: 0 on success, another value on failure
     */
    public native int stopWLANWPSJni(int ssidIndex);

    /**
     * Sets the channel of a radio.
     *
     * @param radioType the radio; null fails
     * @param channel the channel number, passed on unchecked
     * @return the gateway's result code: 0 on success, another value on failure; -1 when the
     *     radio type cannot be read
     */
    public native int setWLANRadioChannelJni(String radioType, int channel);
}
