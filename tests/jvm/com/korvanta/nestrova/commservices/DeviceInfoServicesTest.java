package com.korvanta.nestrova.commservices;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.google.gson.JsonObject;
import com.korvanta.nestrova.testing.Bridge;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;

class DeviceInfoServicesTest {
    @BeforeAll
    static void load() {
        Bridge.load();
    }

    @Test
    void resetIsAccepted() {
        assertEquals(0, new DeviceRsetServiceImp().resetJni());
    }

    @Test
    void deviceDescriptionLoadsAndUptime() {
        DeviceInfoQueryServiceImp info = new DeviceInfoQueryServiceImp();
        JsonObject device = Bridge.json(info.getDeviceInfoJni(), 0);
        assertTrue(device.get("FlashSize").getAsJsonPrimitive().isNumber(), device.toString());
        assertTrue(device.has("ProductCLass"), device.toString());
        assertEquals(3, Bridge.json(info.getJVMInfoJni(), 0).size() - 1);
        assertEquals(3, Bridge.json(info.getOSGiInfoJni(), 0).size() - 1);
        assertTrue(!info.getAPIVersionJni().isEmpty() && !info.getDeviceMACJni().isEmpty());
        for (int i = 0; i < 20; i++) {
            int cpu = info.getCPUOccupancyRateJni();
            assertTrue(cpu >= 10 && cpu <= 20, "cpu " + cpu);
            int ram = info.getRAMOccupancyRateJni();
            assertTrue(ram >= 0 && ram <= 100, "ram " + ram);
        }
        long before = System.nanoTime() / 1_000_000_000L;
        long up = Integer.toUnsignedLong(info.getDeviceUpTimeJni());
        long after = System.nanoTime() / 1_000_000_000L;
        // The JVM's nanoTime is the same monotonic clock on Linux.
        assertTrue(up >= before - 1 && up <= after + 1, up + " not within " + before + ".." + after);
    }

    @Test
    void ledSwitchBothWays() {
        DeviceConfigServiceImp config = new DeviceConfigServiceImp();
        assertEquals(0, config.setLedSwitchJni(false));
        assertEquals(0, config.setLedSwitchJni(true));
    }

    @Test
    void identityValuesAreNonEmptyPlainTexts() {
        DeviceSecretInfoQueryServiceImp secret = new DeviceSecretInfoQueryServiceImp();
        String[] values = {
            secret.getDeviceSerialNumberJni(), secret.getDeviceDefaultSSID1NameJni(),
            secret.getDevicePasswordJni(), secret.getDeviceManufacturerOUIJni(),
            secret.getDeviceDefaultWebPasswordJni(), secret.getDeviceDefaultSSID1PasswordJni(),
        };
        for (String v : values) {
            assertTrue(!v.isEmpty() && v.length() <= 63 && !v.startsWith("{"), v);
        }
    }
}
