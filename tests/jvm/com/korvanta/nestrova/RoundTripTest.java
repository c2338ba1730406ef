package com.korvanta.nestrova;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.google.gson.JsonArray;
import com.google.gson.JsonElement;
import com.google.gson.JsonObject;
import com.korvanta.nestrova.accessservices.*;
import com.korvanta.nestrova.addressservices.*;
import com.korvanta.nestrova.commservices.*;
import com.korvanta.nestrova.lanservices.*;
import com.korvanta.nestrova.testing.Bridge;
import com.korvanta.nestrova.transferservices.*;
import com.korvanta.nestrova.voipservices.*;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;

/**
 * One round trip for each of the 41 service classes through the real library and the simulated gateway; every
 * change but the LED switch is undone.
 */
class RoundTripTest {
    private static final String MAC = "02:00:00:00:00:01";
    private final LANHostsInfoQueryServiceImp hosts = new LANHostsInfoQueryServiceImp();

    @BeforeAll
    static void load() {
        Bridge.load();
    }

    /** The first item of a list reply. */
    private static JsonObject first(String reply) {
        return Bridge.json(reply, 0).getAsJsonArray("List").get(0).getAsJsonObject();
    }

    /** The last item of a list reply. */
    private static JsonObject last(String reply) {
        JsonArray l = Bridge.json(reply, 0).getAsJsonArray("List");
        return l.get(l.size() - 1).getAsJsonObject();
    }

    @Test
    void accessServices() {
        AccessInfoQueryServiceImp info = new AccessInfoQueryServiceImp();
        WanConfigServiceImp config = new WanConfigServiceImp();
        assertEquals(0, config.addWANIfJni("OTHER", "IP_Bridged", "46"));
        int wan = -1;
        for (JsonElement e : Bridge.json(info.getWANIfListJni(), 0).getAsJsonArray("List"))
            if (e.getAsJsonObject().get("ServiceList").getAsString().equals("OTHER"))
                wan = e.getAsJsonObject().get("WANIndex").getAsInt();
        assertEquals(0, config.deleteWANIfJni(wan));
        assertEquals("{\"Result\":-1}", info.getWANIfInfoJni(wan));

        IPPingDiagnosticsServiceImp ping = new IPPingDiagnosticsServiceImp();
        assertEquals(0, ping.startIPPingDiagnosticsJni(4, "gw.example", ""));
        assertEquals(4, Bridge.json(ping.getIPPingDiagnosticsResultJni()).get("SuccessCount").getAsInt());
        TraceRouteDiagnosticsServiceImp trace = new TraceRouteDiagnosticsServiceImp();
        assertEquals(0, trace.startTraceRouteDiagnosticsJni(2, "gw.example", ""));
        assertEquals(2, Bridge.json(trace.getTraceRouteDiagnosticsResultJni()).getAsJsonArray("RouteHops").size());
        HttpUploadDiagnosticsServiceImp up = new HttpUploadDiagnosticsServiceImp();
        assertEquals(0, up.startHttpUploadDiagnosticsJni(2, "http://speed.example/up", ""));
        assertEquals("Completed", Bridge.json(up.getHttpUploadDiagnosticsResultJni()).get("Status").getAsString());
        HttpDownloadDiagnosticsServiceImp down = new HttpDownloadDiagnosticsServiceImp();
        assertEquals(0, down.startHttpDownloadDiagnosticsJni(4, "http://speed.example/down", ""));
        assertTrue(Bridge.json(down.getHttpDownloadDiagnosticsResultJni()).get("Speed").getAsLong() > 0);
        assertEquals(1, Bridge.json(new IPDetectServiceImp().detectIpJni("198.51.100.7", "443", "0"), 0)
                .get("Reachable").getAsInt());
    }

    @Test
    void addressServices() {
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

    @Test
    void commServices() {
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

    @Test
    void ethernetPortSwitchIsSeenByTheInfoQueryAndPutBack() {
        EthQueryServiceImp query = new EthQueryServiceImp();
        EthConfigServiceImp config = new EthConfigServiceImp();
        String before = query.getLANEthernetInfoJni(3);
        assertEquals(0, config.setLANEthernetEnableJni(3, false));
        assertEquals("No", Bridge.json(query.getLANEthernetInfoJni(3), 0).get("Enable").getAsString());
        assertEquals(0, config.setLANEthernetEnableJni(3, true));
        assertEquals(before, query.getLANEthernetInfoJni(3));
    }

    @Test
    void macAccessListsAndFilterModeReachTheGateway() {
        LanNetworkAccessConfigServiceImp access = new LanNetworkAccessConfigServiceImp();
        String[] mac = {"02:4a:56:4d:00:01"};  // locally administered: no simulated host uses it
        assertEquals(0, access.addLANHostToBlackListJni(mac));
        assertEquals(0, access.deleteLANHostFromBlackListJni(mac), "listed");
        assertEquals(-1, access.deleteLANHostFromBlackListJni(mac), "gone: the gateway refuses");
        int before = hosts.getMacFilterModeJni();
        assertEquals(0, access.setMacFilterModeJni(2));
        assertEquals(2, hosts.getMacFilterModeJni());
        assertEquals(0, access.setMacFilterModeJni(before));
    }

    @Test
    void hostSpeedLimitAndGatewayNameAreSeenThroughTheGateway() {
        String mac = first(hosts.getLANHostInfoByMACJni(new String[] {""})).get("MAC").getAsString();
        JsonObject lim = first(hosts.getLANHostSpeedLimitInfoJni(new String[] {mac}));
        LanHostSpeedQueryServiceImp speed = new LanHostSpeedQueryServiceImp();
        JsonObject now = Bridge.json(speed.getLANHostSpeedJni(mac), 0);
        assertEquals(0, new LanHostSpeedLimitServiceImp().setLANHostSpeedLimitJni(mac,
                lim.get("UpSpeed").getAsInt(), lim.get("DownSpeed").getAsInt()));
        assertEquals(now, Bridge.json(speed.getLANHostSpeedJni(mac), 0));

        LanNetworkNameConfigServiceImp names = new LanNetworkNameConfigServiceImp();
        String oldGateway = hosts.getGatewayNameJni();
        assertEquals(0, names.setGatewayNameJni("Home \u00e9t\u00e9"));
        assertEquals("Home \u00e9t\u00e9", hosts.getGatewayNameJni());
        assertEquals(0, names.setGatewayNameJni(oldGateway));
    }

    @Test
    void portalWhiteListedMacIsSeenByTheReaderUntilDeleted() {
        PortalConfigServiceImp portal = new PortalConfigServiceImp();
        String[] mac = {"02:AA:00:00:00:01"};
        String before = first(portal.getPortalMacWhiteListJni()).get("MAC").getAsString();
        assertEquals(0, portal.addPortalMacWhiteListJni(mac));
        assertEquals(before.isEmpty() ? mac[0] : before + "," + mac[0],
                first(portal.getPortalMacWhiteListJni()).get("MAC").getAsString());
        assertEquals(0, portal.deletePortalMacWhiteListJni(mac));
        assertEquals(before, first(portal.getPortalMacWhiteListJni()).get("MAC").getAsString());
    }

    @Test
    void guestSsidIsSetUpAsTheQuerySeesItAndRemovedAndThePasswordIsPlainText() {
        assertEquals("secret-1-HomeNet", new WlanSecretQueryServiceImp().getWLANSSIDPasswordJni(1));
        WlanQueryServiceImp query = new WlanQueryServiceImp();
        WlanConfigServiceImp config = new WlanConfigServiceImp();
        String before = query.getGuestSSIDInfoJni();
        assertEquals(0, config.addWLANGuestSSIDJni(8));
        assertEquals(0, config.setWLANGuestPortIsolationJni(8, false));
        assertEquals(0, config.setWLANGuestDurationJni(8, 90));
        JsonObject added = Bridge.json(query.getGuestSSIDInfoJni(), 0).getAsJsonArray("List").get(1).getAsJsonObject();
        assertEquals("8/0/90", added.get("SSIDIndex").getAsString() + "/" + added.get("PortIsolation").getAsString()
                + "/" + added.get("Duration").getAsString());
        assertEquals(0, config.deleteWLANGuestSSIDJni(8));
        assertEquals(before, query.getGuestSSIDInfoJni());
    }

    @Test
    void transferServicesAddReadBackAndRemove() {
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

    @Test
    void voipServices() {
        VoIPInfoSubscribeServiceImp voip = new VoIPInfoSubscribeServiceImp();
        String[] events = {"OffHook", "OnHook"};
        assertEquals(0, voip.subscribeVoIPEventJni("phone.bundle", events));
        assertEquals(0, voip.unSubscribeVoIPEventJni("phone.bundle", events));
        assertEquals("{\"Result\":0,\"POTSNum\":2,\"Info\":[{\"POTSIndex\":1,\"PhoneNumber\":\"88001001\","
                + "\"LineStatus\":\"Idle\"},{\"POTSIndex\":2,\"PhoneNumber\":\"88001002\",\"LineStatus\":\"Disabled\"}]}",
                new VoIPInfoQueryServiceImp().getPOTSInfoJni());
    }
}
