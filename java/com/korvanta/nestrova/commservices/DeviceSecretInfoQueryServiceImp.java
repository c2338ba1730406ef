package com.korvanta.nestrova.commservices;

/**
 * Reads the gateway's identity values as plain texts (not JSON). Each value is read from the gateway at
 * the time of the call, is at most 63 characters long, and is the empty text {@code ""} when it cannot
 * be read; an empty value and a failure thus look alike. The values also appear in clear in the
 * gateway's diagnostic log.
 */
public class DeviceSecretInfoQueryServiceImp {
    /**
     * Reads the gateway's serial number.
     *
     * @return the serial number, or {@code ""} when it cannot be read
     */
    public native String getDeviceSerialNumberJni();

    /**
     * Reads the default name of the gateway's first SSID.
     *
     * @return the default SSID 1 name, or {@code ""} when it cannot be read
     */
    public native String getDeviceDefaultSSID1NameJni();

    /**
     * Reads the device password.
     *
     * @return the device password, or {@code ""} when it cannot be read
     */
    public native String getDevicePasswordJni();

    /**
     * Reads the manufacturer OUI.
     *
     * @return the manufacturer OUI, or {@code ""} when it cannot be read
     */
    public native String getDeviceManufacturerOUIJni();

    /**
     * Reads the default password of the gateway's web interface.
     *
     * @return the default web password, or {@code ""} when it cannot be read
     */
    public native String getDeviceDefaultWebPasswordJni();

    /**
     * Reads the default password of the gateway's first SSID.
     *
     * @return the default SSID 1 password, or {@code ""} when it cannot be read
     */
    public native String getDeviceDefaultSSID1PasswordJni();
}
