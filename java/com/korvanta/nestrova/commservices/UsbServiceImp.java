package com.korvanta.nestrova.commservices;

/**
 * Gives bundles the USB devices attached to the gateway, and lists its USB storage. A bundle registers
 * for device types under its bundle name, opens a device by its device id to get a handle, may lock it,
 * set its serial-line settings, test for and read incoming data, write data, and closes it again. The
 * gateway owns the devices, their ids and handles; ids and handles are passed to it unchanged.
 */
public class UsbServiceImp {
    /**
     * Registers the calling bundle for USB device types. Registration is only attempted when bit 0
     * (value 1) of the mask is set; the mask then goes to the gateway whole, and the meaning of its other
     * bits is the gateway's.
     *
     * @param bundleName the name of the calling bundle; not {@code null}
     * @param devTypes the device-type mask; bit 0 must be set
     * @return the gateway's result code (0 on success, any other value on failure), or -1 when bit 0 of
     *     the mask is clear or the bundle name is {@code null} or cannot be read (the gateway is then
     *     not called)
     */
    public native int usbRegisterJni(String bundleName, int devTypes);

    /**
     * Withdraws the calling bundle's USB registration.
     *
     * @param bundleName the name of the calling bundle; not {@code null}
     * @return the gateway's result code (0 on success, any other value on failure), or -1 when the
     *     bundle name is {@code null} or cannot be read
     */
    public native int usbUnregisterJni(String bundleName);

    /**
     * Opens a USB device.
     *
     * @param devId the device id
     * @return the device's handle when the gateway succeeds (0 is a valid handle), otherwise the
     *     gateway's non-zero failing result code; the two can only be told apart by the values the
     *     gateway uses
     */
    public native int usbOpenJni(int devId);

    /**
     * Closes a USB device opened with {@link #usbOpenJni(int)}.
     *
     * @param handle the device's handle
     * @return the gateway's result code: 0 on success, any other value on failure
     */
    public native int usbCloseJni(int handle);

    /**
     * Locks a USB device.
     *
     * @param devId the device id
     * @return the gateway's result code: 0 on success, any other value on failure
     */
    public native int usbLockJni(int devId);

    /**
     * Unlocks a USB device locked with {@link #usbLockJni(int)}.
     *
     * @param devId the device id
     * @return the gateway's result code: 0 on success, any other value on failure
     */
    public native int usbUnlockJni(int devId);

    /**
     * Tests an open USB device for incoming data.
     *
     * @param handle the device's handle
     * @return the gateway's answer, unchanged
     */
    public native int usbDataAvailableJni(int handle);

    /**
     * Reads data from an open USB device into {@code buffer}, from index {@code offset} on; the gateway
     * stores at most {@code count} bytes.
     *
     * @param handle the device's handle
     * @param buffer the array that receives the bytes; not {@code null}
     * @param offset index of the first byte to fill; at least 0
     * @param count the most bytes to read; at least 0, and {@code offset + count} at most
     *     {@code buffer.length}
     * @param timeout the read timeout, passed to the gateway unchanged
     * @return the number of bytes read (which may be smaller than {@code count}) when the gateway
     *     succeeds, otherwise its non-zero failing result code; -1 when {@code buffer} is {@code null},
     *     its elements cannot be had, or {@code offset} and {@code count} do not describe a region inside
     *     it (the gateway is then not called and no exception is thrown)
     */
    public native int usbReadJni(int handle, byte[] buffer, int offset, int count, int timeout);

    /**
     * Writes {@code count} bytes of {@code data}, from index {@code offset} on, to an open USB device.
     * Afterwards the first {@code count} bytes of {@code data} hold the bytes sent: with a non-zero
     * offset the array is changed.
     *
     * @param handle the device's handle
     * @param data the array holding the bytes to send; not {@code null}
     * @param offset index of the first byte to send; at least 0
     * @param count the number of bytes to send; at least 0, and {@code offset + count} at most
     *     {@code data.length}
     * @return the number of bytes written when the gateway succeeds, otherwise its non-zero failing
     *     result code; -1 when {@code data} is {@code null}, its elements cannot be had, or
     *     {@code offset} and {@code count} do not describe a region inside it (the gateway is then not
     *     called and no exception is thrown)
     */
    public native int usbWriteJni(int handle, byte[] data, int offset, int count);

    /**
     * Sets the serial-line settings of a USB device. The meaning of the four settings and the two flags
     * is the gateway's.
     *
     * @param device the device, passed to the gateway unchanged
     * @param setting1 first setting, passed unchanged
     * @param setting2 second setting, passed unchanged
     * @param setting3 third setting, passed unchanged
     * @param setting4 fourth setting, passed unchanged
     * @param flag1 first flag: true is passed as 1, false as 0
     * @param flag2 second flag: true is passed as 1, false as 0
     * @return the gateway's result code: 0 on success, any other value on failure
     */
    public native int usbSetSerialJni(int device, int setting1, int setting2, int setting3, int setting4,
            boolean flag1, boolean flag2);

    /**
     * Lists the USB storage volumes with their total and valid sizes; the units of the sizes are the
     * gateway's. At most 2 volumes are listed. A gateway without storage, and a failure of the gateway,
     * both answer {@code {"Result":0,"List":[]}}.
     *
     * @return
     *     <pre>{@code {"Result":0,"List":[{"storagePath":string,"totalStorage":int,"validStorage":int}, ...]}}</pre>
     *     or {@code {"Result":-1,"FailReason":"getStorageInfoJni malloc fail"}} when no memory was left
     *     for the reply
     */
    public native String getStorageInfoJni();
}
