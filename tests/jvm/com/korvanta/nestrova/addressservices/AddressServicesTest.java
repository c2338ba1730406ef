package com.korvanta.nestrova.addressservices;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.korvanta.nestrova.testing.Bridge;
import org.junit.jupiter.api.Test;

/** LAN addressing and port mapping through the real library and the simulated gateway; every change is undone. */
class AddressServicesTest {
    @Test
    void lanAddressAndPortMappingAreSetAndReadBack() {
        Bridge.load();
        LANIPConfigServiceImp lan = new LANIPConfigServiceImp();
        assertEquals(0, lan.setLANHostIPJni("10.1.2.1", "255.255.0.0"));
        LANIPInfoQueryServiceImp info = new LANIPInfoQueryServiceImp();
        assertEquals("{\"Result\":0,\"LocalIP\":\"10.1.2.1\",\"Submask\":\"255.255.0.0\"}", info.getLANHostIPJni());
        assertEquals(0, lan.setLANHostIPJni("192.168.1.1", "255.255.255.0"));
        PortMappingQueryServiceImp mappings = new PortMappingQueryServiceImp();
        PortMappingConfigServiceImp config = new PortMappingConfigServiceImp();
        String before = mappings.getPortMappingInfoJni();
        assertEquals(0, config.addPortMappingJni(3, 5000, 50, "TCP", "192.168.1.40"));
        assertEquals(0, config.setPortMappingSwitchJni(3, 2, false)); // the connection's second mapping ever
        assertTrue(mappings.getPortMappingInfoJni().endsWith("{\"PortMappingIndex\":2,\"PortMappingEnabled\":\"0\","
                + "\"ExternalPort\":5000,\"InternalPort\":50,\"PortMappingProtocol\":\"TCP\","
                + "\"InternalClient\":\"192.168.1.40\"}]}]}"));
        assertEquals(0, config.deletePortMappingJni(3, 2));
        assertEquals(before, mappings.getPortMappingInfoJni());
    }
}
