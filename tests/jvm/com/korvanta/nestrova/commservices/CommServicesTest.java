package com.korvanta.nestrova.commservices;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.korvanta.nestrova.testing.Bridge;
import org.junit.jupiter.api.Test;

/** One round trip per class through the simulated gateway. */
class CommServicesTest {
    @Test
    void oneRoundTripPerClass() {
        Bridge.load();
        assertEquals(0, new DeviceRsetServiceImp().resetJni());
        assertEquals(0, new DeviceConfigServiceImp().setLedSwitchJni(false));
        // The stand-in reports its flash size as digits: a JSON number, unquoted.
        assertTrue(Bridge.json(new DeviceInfoQueryServiceImp().getDeviceInfoJni(), 0).get("FlashSize")
                .getAsJsonPrimitive().isNumber());
        assertEquals("KV4210A23B0917C4", new DeviceSecretInfoQueryServiceImp().getDeviceSerialNumberJni());

        DeviceAccessRightConfigServiceImp config = new DeviceAccessRightConfigServiceImp();
        assertEquals(0, config.addFTPAccountJni("guest", "pw one"));
        assertEquals("[{\"UserName\":\"guest\",\"Password\":\"pw one\"}]", Bridge.json(
                new DeviceAccessRightQueryServiceImp().getFTPRightInfoJni(), 0).get("AccountList").toString());
        assertEquals(0, config.deleteAllFTPAccountJni());

        // The serial port echoes: a region of one Java array comes back into a region of another.
        UsbServiceImp usb = new UsbServiceImp();
        assertEquals(1, usb.usbOpenJni(2));
        usb.usbReadJni(1, new byte[64], 0, 64, 100);  // whatever was waiting
        assertEquals(3, usb.usbWriteJni(1, new byte[] {0, 'h', 'i', '!'}, 1, 3));
        byte[] in = new byte[5];
        assertEquals(3, usb.usbReadJni(1, in, 2, 3, 100));
        assertArrayEquals(new byte[] {0, 0, 'h', 'i', '!'}, in);
        assertEquals(0, usb.usbCloseJni(1));

        RegistrationServiceImp registration = new RegistrationServiceImp();
        assertEquals(0, registration.setPasswordRegistrationJni("secret", 12, 3, "GD"));
        assertEquals("{\"Result\":0,\"Status\":\"1\",\"RegisterResult\":\"1\",\"ServiceNum\":\"1\",\"ServiceName\":"
                + "\"INTERNET\",\"Limit\":\"12\",\"Times\":\"3\",\"Province\":\"GD\"}",
                registration.getPasswordRegistrationInfoJni());
    }
}
