package com.korvanta.nestrova.commservices;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.korvanta.nestrova.testing.Bridge;
import org.junit.jupiter.api.Test;

class DeviceInfoServicesTest {
    @Test
    void oneRoundTripPerClass() {
        Bridge.load();
        assertEquals(0, new DeviceRsetServiceImp().resetJni());
        assertEquals(0, new DeviceConfigServiceImp().setLedSwitchJni(false));
        // The stand-in reports its flash size as digits: a JSON number, unquoted.
        assertTrue(Bridge.json(new DeviceInfoQueryServiceImp().getDeviceInfoJni(), 0).get("FlashSize")
                .getAsJsonPrimitive().isNumber());
        assertEquals("KV4210A23B0917C4", new DeviceSecretInfoQueryServiceImp().getDeviceSerialNumberJni());
    }
}
