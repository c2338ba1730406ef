package com.korvanta.nestrova.commservices;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;

import com.korvanta.nestrova.testing.Bridge;
import java.nio.charset.StandardCharsets;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;

class StorageUsbServicesTest {
    @BeforeAll
    static void load() {
        Bridge.load();
    }

    @Test
    void ftpAccountAndRightChangesShowInTheQuery() {
        DeviceAccessRightQueryServiceImp rights = new DeviceAccessRightQueryServiceImp();
        DeviceAccessRightConfigServiceImp config = new DeviceAccessRightConfigServiceImp();
        assertEquals(0, config.addFTPAccountJni("guest", "pw one"));
        assertEquals(0, config.setFTPRightJni(2, false));
        assertEquals("{\"Result\":0,\"Right\":2,\"Anonymous\":\"0\",\"AccountList\":[{\"UserName\":\"guest\","
                + "\"Password\":\"pw one\"}]}", rights.getFTPRightInfoJni());
        assertEquals(0, config.deleteAllFTPAccountJni());
        assertEquals("[]", Bridge.json(rights.getFTPRightInfoJni(), 0).get("AccountList").toString());
    }

    @Test
    void bytesWrittenToTheSerialPortAreReadBack() {
        UsbServiceImp usb = new UsbServiceImp();
        int handle = usb.usbOpenJni(2);
        assertEquals(1, handle);
        usb.usbReadJni(handle, new byte[64], 0, 64, 100);  // whatever was waiting
        byte[] data = "..hello..".getBytes(StandardCharsets.US_ASCII);
        assertEquals(5, usb.usbWriteJni(handle, data, 2, 5));
        assertArrayEquals("hellolo..".getBytes(StandardCharsets.US_ASCII), data);
        byte[] in = new byte[8];
        assertEquals(5, usb.usbReadJni(handle, in, 3, 5, 100));
        assertArrayEquals(new byte[] {0, 0, 0, 'h', 'e', 'l', 'l', 'o'}, in);
        assertEquals(0, usb.usbCloseJni(handle));
    }

    @Test
    void registrationIsReportedBack() {
        RegistrationServiceImp registration = new RegistrationServiceImp();
        assertEquals(0, registration.setPasswordRegistrationJni("secret", 12, 3, "GD"));
        assertEquals("{\"Result\":0,\"Status\":\"1\",\"RegisterResult\":\"1\",\"ServiceNum\":\"1\",\"ServiceName\":"
                + "\"INTERNET\",\"Limit\":\"12\",\"Times\":\"3\",\"Province\":\"GD\"}",
                registration.getPasswordRegistrationInfoJni());
    }
}
