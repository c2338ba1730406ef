package com.korvanta.nestrova.addressservices;

import static org.junit.jupiter.api.Assertions.assertEquals;

import com.google.gson.JsonArray;
import com.google.gson.JsonObject;
import com.korvanta.nestrova.testing.Bridge;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;

/** LAN addressing, DHCP and port mapping through the real library and the simulated gateway; every change is undone. */
class AddressServicesTest {
    private final LANIPInfoQueryServiceImp info = new LANIPInfoQueryServiceImp();
    private final LANIPConfigServiceImp config = new LANIPConfigServiceImp();
    private final PortMappingQueryServiceImp mappings = new PortMappingQueryServiceImp();
    private final PortMappingConfigServiceImp mappingConfig = new PortMappingConfigServiceImp();

    @BeforeAll
    static void load() {
        Bridge.load();
    }

    @Test
    void queriesAnswerWithTheKeysTheFailRepliesUse() {
        JsonObject ip = Bridge.json(info.getLANHostIPJni(), 0);
        assertEquals(4, ip.get("LocalIP").getAsString().split("\\.").length);
        assertEquals("255.255.255.0", ip.get("Submask").getAsString());
        JsonObject dhcp = Bridge.json(info.getLANDHCPInfoJni(), 0);
        assertEquals(86400, dhcp.get("DHCPDuration").getAsInt());
        assertEquals("1", dhcp.get("EnableDHCPServer").getAsString());
    }

    @Test
    void settersChangeWhatTheQueriesReport() {
        String ip = info.getLANHostIPJni();
        String dhcp = info.getLANDHCPInfoJni();
        assertEquals(0, config.setLANHostIPJni("10.1.2.1", "255.255.0.0"));
        assertEquals("{\"Result\":0,\"LocalIP\":\"10.1.2.1\",\"Submask\":\"255.255.0.0\"}", info.getLANHostIPJni());
        assertEquals(-1, config.setLANDHCPInfoJni("1", "10.1.2.90", "10.1.2.10", 60));
        assertEquals(0, config.setLANDHCPInfoJni("0", "10.1.2.10", "10.1.2.90", 60));
        assertEquals("{\"Result\":0,\"EnableDHCPServer\":\"0\",\"DHCPStartIP\":\"10.1.2.10\",\"DHCPEndIP\":\"10.1.2.90\","
                + "\"DHCPDuration\":60}", info.getLANDHCPInfoJni());
        JsonObject o = Bridge.json(dhcp, 0);
        assertEquals(0, config.setLANDHCPInfoJni(o.get("EnableDHCPServer").getAsString(),
                o.get("DHCPStartIP").getAsString(), o.get("DHCPEndIP").getAsString(), o.get("DHCPDuration").getAsInt()));
        JsonObject before = Bridge.json(ip, 0);
        assertEquals(0, config.setLANHostIPJni(before.get("LocalIP").getAsString(), before.get("Submask").getAsString()));
        assertEquals(ip, info.getLANHostIPJni());
        assertEquals(dhcp, info.getLANDHCPInfoJni());
    }

    /** The MapList of the WAN connection with this name. */
    private JsonArray mapList(String wanName) {
        for (var group : Bridge.json(mappings.getPortMappingInfoJni(), 0).getAsJsonArray("List")) {
            JsonObject g = group.getAsJsonObject();
            if (g.get("WANName").getAsString().equals(wanName)) return g.getAsJsonArray("MapList");
        }
        return new JsonArray();
    }

    @Test
    void mappingsAreListedByWanConnection() {
        JsonArray list = Bridge.json(mappings.getPortMappingInfoJni(), 0).getAsJsonArray("List");
        assertEquals(2, list.size());
        assertEquals(2, mapList("1_INTERNET_R_VID_10").size());
        JsonObject ssh = mapList("3_OTHER_R_VID_30").get(0).getAsJsonObject();
        assertEquals(2222, ssh.get("ExternalPort").getAsInt());
        assertEquals("BOTH", ssh.get("PortMappingProtocol").getAsString());
    }

    @Test
    void mappingIsAddedSwitchedOffAndDeleted() {
        String before = mappings.getPortMappingInfoJni();
        assertEquals(0, mappingConfig.addPortMappingJni(3, 5000, 50, "TCP", "192.168.1.40"));
        assertEquals(-1, mappingConfig.addPortMappingJni(3, 5000, 51, "UDP", "192.168.1.41"));
        JsonObject added = mapList("3_OTHER_R_VID_30").get(1).getAsJsonObject();
        assertEquals("192.168.1.40", added.get("InternalClient").getAsString());
        int index = added.get("PortMappingIndex").getAsInt();
        assertEquals(0, mappingConfig.setPortMappingSwitchJni(3, index, false));
        assertEquals("0", mapList("3_OTHER_R_VID_30").get(1).getAsJsonObject().get("PortMappingEnabled").getAsString());
        assertEquals(0, mappingConfig.deletePortMappingJni(3, index));
        assertEquals(before, mappings.getPortMappingInfoJni());
    }
}
