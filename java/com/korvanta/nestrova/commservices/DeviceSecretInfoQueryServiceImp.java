package com.korvanta.nestrova.commservices;

/** Reads the gateway's identity values as plain texts; each is empty when it cannot be read. */
public class DeviceSecretInfoQueryServiceImp {
    public native String getDeviceSerialNumberJni();

    public native String getDeviceDefaultSSID1NameJni();

    public native String getDevicePasswordJni();

    public native String getDeviceManufacturerOUIJni();

    public native String getDeviceDefaultWebPasswordJni();

    public native String getDeviceDefaultSSID1PasswordJni();
}
