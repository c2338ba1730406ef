package com.korvanta.nestrova.commservices;

/** Gives bundles the USB devices attached to the gateway, and lists its USB storage. */
public class UsbServiceImp {
    public native int usbRegisterJni(String bundleName, int devTypes);

    public native int usbUnregisterJni(String bundleName);

    /** The device's handle, or the platform's failing result code. */
    public native int usbOpenJni(int devId);

    public native int usbCloseJni(int handle);

    public native int usbLockJni(int devId);

    public native int usbUnlockJni(int devId);

    public native int usbDataAvailableJni(int handle);

    /** Bytes read into buffer[offset...], or the failing result code; -1 for a region outside the array. */
    public native int usbReadJni(int handle, byte[] buffer, int offset, int count, int timeout);

    /** Bytes written from data[offset...], or the failing result code; -1 for a region outside the array. */
    public native int usbWriteJni(int handle, byte[] data, int offset, int count);

    public native int usbSetSerialJni(int device, int setting1, int setting2, int setting3, int setting4,
            boolean flag1, boolean flag2);

    /** The USB storage volumes with their sizes as JSON. */
    public native String getStorageInfoJni();
}
