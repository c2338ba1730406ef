package com.korvanta.nestrova.transferservices;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.google.gson.JsonArray;
import com.google.gson.JsonObject;
import com.korvanta.nestrova.testing.Bridge;
import org.junit.jupiter.api.Test;

/**
 * Each transfer service through the real library and the simulated gateway: one round trip per class, every change
 * undone.
 */
class TransferServicesTest {
    private static final String MAC = "02:00:00:00:00:01";

    /** The last item of a list reply. */
    private static JsonObject last(String reply) {
        JsonArray l = Bridge.json(reply, 0).getAsJsonArray("List");
        return l.get(l.size() - 1).getAsJsonObject();
    }

    @Test
    void eachServiceAddsReadsBackAndRemoves() {
        Bridge.load();
        TrafficQoSServiceImp qos = new TrafficQoSServiceImp();
        assertEquals(0, qos.addTrafficToFlowJni("203.0.113.5", "8443", 2));
        assertEquals("8443", last(qos.getTrafficInfoByFlowJni(2)).get("RemotePort").getAsString());
        assertEquals(0, qos.deleteTrafficFromFlowJni("203.0.113.5", "8443", 2));
        TrafficMirrorServiceImp mirror = new TrafficMirrorServiceImp();
        assertEquals(0, mirror.addMirrorRuleJni("203.0.113.5", "80", "ALL", "TCP", MAC, "192.168.1.9", 9));
        assertEquals(9, last(mirror.getMirroRuleInfoJni()).get("MirrorToPort").getAsInt());
        assertEquals(0, mirror.deleteAllMirrorRuleJni());
        TrafficForwardServiceImp forward = new TrafficForwardServiceImp();
        assertEquals(0, forward.addForwardRuleJni("203.0.113.5", "80", "UDP", MAC, "192.168.1.9", 53));
        assertEquals("53", last(forward.getForwardRuleInfoJni()).get("ForwardToPort").getAsString());
        assertEquals(0, forward.deleteAllForwardRuleJni());
        TrafficDetailProcessServiceImp http = new TrafficDetailProcessServiceImp();
        assertEquals(0, http.addHTTPTrafficProcessRuleJni("203.0.113.5", 80, "UP", MAC, new String[] {"GET", "POST"},
                new String[] {}, new String[] {"Host"}, "test.bundle"));
        assertEquals("[\"GET\",\"POST\"]", last(http.getHTTPTrafficProcessRuleInfoJni()).get("MethodList").toString());
        assertEquals(0, http.deleteHTTPTrafficProcessRuleJni(1));
        TrafficMonitoringConfigServiceImp monitoring = new TrafficMonitoringConfigServiceImp();
        String before = monitoring.getTrafficMonitoringDestAddressInfoJni();
        String[] dests = {"198.51.100.1", "198.51.100.2"};
        assertEquals(0, monitoring.addTrafficMonitoringDestAddressJni(dests, "test.bundle"));
        assertEquals(2, last(monitoring.getTrafficMonitoringDestAddressInfoJni()).getAsJsonArray("DestAddressList").size());
        assertEquals(0, monitoring.deleteTrafficMonitoringDestAddressJni(dests, "test.bundle"));
        assertEquals(before, monitoring.getTrafficMonitoringDestAddressInfoJni());

        TransferQueryServiceImp query = new TransferQueryServiceImp();
        VLANBindConfigServiceImp vlan = new VLANBindConfigServiceImp();
        assertEquals(0, vlan.setVLANBindJni("LAN1", "10/20;30/40"));
        assertTrue(query.getVLANBindInfoJni().contains("{\"LanInterface\":\"LAN1\",\"Bind\":\"10/20;30/40\"}"));
        assertEquals(0, vlan.clearVLANBindJni("LAN1"));

        StaticLayer3ForwardingConfigServiceImp routes = new StaticLayer3ForwardingConfigServiceImp();
        String v4 = query.getLayer3ForwardingCurrentJni();
        assertEquals(0, routes.addLayer3ForwardingStaticJni("172.20.0.0", "255.255.0.0", "192.168.1.2", "br0"));
        int added = last(query.getLayer3ForwardingCurrentJni()).get("Index").getAsInt();
        assertEquals(0, routes.deleteLayer3ForwardingStaticJni(added));
        assertEquals(v4, query.getLayer3ForwardingStaticConfigInfoJni());

        L2TPVPNServiceImp vpn = new L2TPVPNServiceImp();
        String[] ips = {"10.9.0.1", "10.9.0.2"};
        assertEquals("{\"Result\":0}", vpn.vpnOnJni("lns.example", "user", "secret"));
        assertEquals(0, vpn.addVpnDestIPJni(ips, 1));
        assertEquals("{\"Result\":0, \"ips\":[\"10.9.0.1\",\"10.9.0.2\"]}", vpn.getConnectedIpListJni());
        assertEquals(0, vpn.deleteVpnDestIPJni(ips, 0));
        assertEquals("{\"Result\":0}", vpn.vpnOffJni("user"));
    }
}
