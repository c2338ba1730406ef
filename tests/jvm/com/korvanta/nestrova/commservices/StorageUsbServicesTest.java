package com.korvanta.nestrova.commservices;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;

import com.google.gson.JsonArray;
import com.google.gson.JsonObject;
import com.korvanta.nestrova.testing.Bridge;
import java.nio.charset.StandardCharsets;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;

class StorageUsbServicesTest {
    private final DeviceAccessRightQueryServiceImp rights = new DeviceAccessRightQueryServiceImp();
    private final DeviceAccessRightConfigServiceImp config = new DeviceAccessRightConfigServiceImp();
    private final UsbServiceImp usb = new UsbServiceImp();
    private final RegistrationServiceImp registration = new RegistrationServiceImp();

    @BeforeAll
    static void load() {
        Bridge.load();
    }

    private static String users(String reply) {
        StringBuilder names = new StringBuilder();
        for (var account : Bridge.json(reply, 0).getAsJsonArray("AccountList")) {
            names.append(account.getAsJsonObject().get("UserName").getAsString()).append(' ');
        }
        return names.toString().trim();
    }

    @Test
    void ftpAccountsAndRightsChangeWhatTheQueriesReport() {
        String before = rights.getFTPRightInfoJni();
        assertEquals(0, config.addFTPAccountJni("guest", "pw one"));
        assertEquals(0, config.addFTPAccountJni("media", "pw two"));
        assertEquals(-1, config.addFTPAccountJni("guest", "again"));
        assertEquals(0, config.setFTPRightJni(2, false));
        JsonObject o = Bridge.json(rights.getFTPRightInfoJni(), 0);
        assertEquals(2, o.get("Right").getAsInt());
        assertEquals("0", o.get("Anonymous").getAsString());
        assertEquals("guest media", users(rights.getFTPRightInfoJni()));
        assertEquals(0, config.deleteFTPAccountJni("guest"));
        assertEquals("media", users(rights.getFTPRightInfoJni()));
        assertEquals(0, config.deleteAllFTPAccountJni());
        assertEquals("", users(rights.getFTPRightInfoJni()));
        assertEquals(0, config.setFTPRightJni(0, true));
        assertEquals(before, rights.getFTPRightInfoJni());

        assertEquals(0, config.setHTTPUserPasswordJni("new http password"));
        assertEquals("new http password", Bridge.json(rights.getHTTPRightInfoJni(), 0).get("Password").getAsString());
    }

    @Test
    void bytesWrittenToTheSerialPortAreReadBack() {
        assertEquals(0, usb.usbRegisterJni("org.example.serial", 3));
        int handle = usb.usbOpenJni(2);
        assertEquals(1, handle);
        byte[] drain = new byte[64];
        usb.usbReadJni(handle, drain, 0, drain.length, 100);  // whatever was waiting

        byte[] data = "..hello..".getBytes(StandardCharsets.US_ASCII);
        assertEquals(5, usb.usbWriteJni(handle, data, 2, 5));
        assertArrayEquals("hellolo..".getBytes(StandardCharsets.US_ASCII), data);
        assertEquals(5, usb.usbDataAvailableJni(handle));
        byte[] in = new byte[8];
        assertEquals(-1, usb.usbReadJni(handle, in, 4, 5, 100));  // past the end
        assertEquals(5, usb.usbReadJni(handle, in, 3, 5, 100));
        assertArrayEquals(new byte[] {0, 0, 0, 'h', 'e', 'l', 'l', 'o'}, in);

        assertEquals(0, usb.usbSetSerialJni(2, 115200, 8, 1, 0, false, true));
        assertEquals(0, usb.usbCloseJni(handle));
        assertEquals(0, usb.usbUnregisterJni("org.example.serial"));
        JsonArray volumes = Bridge.json(usb.getStorageInfoJni(), 0).getAsJsonArray("List");
        assertEquals("/mnt/usb1_1", volumes.get(0).getAsJsonObject().get("storagePath").getAsString());
    }

    @Test
    void registrationIsReportedBack() {
        assertEquals(-1, registration.setPasswordRegistrationJni("secret", 1000, 0, "GD"));
        assertEquals(0, registration.setPasswordRegistrationJni("secret", 12, 3, "GD"));
        JsonObject o = Bridge.json(registration.getPasswordRegistrationInfoJni(), 0);
        assertEquals("12", o.get("Limit").getAsString());
        assertEquals("3", o.get("Times").getAsString());
        assertEquals("GD", o.get("Province").getAsString());
    }
}
