package com.korvanta.nestrova;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertNotNull;

import com.google.gson.JsonArray;
import com.google.gson.JsonElement;
import com.google.gson.JsonObject;
import com.google.gson.JsonParser;
import com.korvanta.nestrova.accessservices.AccessInfoQueryServiceImp;
import com.korvanta.nestrova.commservices.DeviceInfoQueryServiceImp;
import com.korvanta.nestrova.lanservices.LANHostsInfoQueryServiceImp;
import com.korvanta.nestrova.lanservices.LanNetworkNameConfigServiceImp;
import com.korvanta.nestrova.lanservices.WlanQueryServiceImp;
import com.korvanta.nestrova.testing.Bridge;
import com.korvanta.nestrova.transferservices.L2TPVPNServiceImp;
import com.korvanta.nestrova.transferservices.TrafficForwardServiceImp;
import com.korvanta.nestrova.transferservices.TransferQueryServiceImp;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.function.Supplier;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;

/**
 * The Java services over the simulated gateway started from the scenario file that ZIVRA_SIM_SCENARIO names:
 * every reply carries that file's values, or the method's fail reply where the file makes the operation fail.
 * Each check covers what the file gives; the shipped scenarios give every area checked here.
 */
class ScenarioTest {
    private static final String NO_LIST = "{\"Result\":-1,\"List\":[]}";
    private static final String FAILED = "{\"Result\":-1}";
    private static JsonObject scenario;
    private static JsonObject fail;

    @BeforeAll
    static void load() throws Exception {
        String path = System.getenv("ZIVRA_SIM_SCENARIO");
        assertNotNull(path, "ZIVRA_SIM_SCENARIO names the scenario under test");
        scenario = JsonParser.parseString(Files.readString(Path.of(path))).getAsJsonObject();
        fail = scenario.has("fail") ? scenario.getAsJsonObject("fail") : new JsonObject();
        Bridge.load();
    }

    private static JsonElement given(JsonObject in, String key, JsonElement otherwise) {
        return in.has(key) ? in.get(key) : otherwise;
    }

    /** Checks the fail reply (null: any with Result -1) when the scenario fails the operation, else returns the reply. */
    private static JsonObject reply(String op, String failReply, Supplier<String> call) {
        String reply = call.get();
        if (!fail.has("zivra_" + op)) return Bridge.json(reply, 0);
        if (failReply == null) Bridge.json(reply, -1);
        else assertEquals(failReply, reply, op + " fails");
        return null;
    }

    /** Each (file key, reply key) pair the file gives has the same text in the reply; true/false are "1"/"0". */
    private static void assertCarries(JsonElement want, JsonElement got, String... keys) {
        for (int i = 0; got != null && i < keys.length; i += 2) {
            JsonElement w = want.getAsJsonObject().get(keys[i]);
            if (w == null) continue;
            String text = w.getAsJsonPrimitive().isBoolean() ? (w.getAsBoolean() ? "1" : "0") : w.getAsString();
            assertEquals(text, got.getAsJsonObject().get(keys[i + 1]).getAsString(), keys[i] + " of " + want);
        }
    }

    private static void assertList(String area, String op, String failReply, Supplier<String> call, String... keys) {
        JsonArray want = given(scenario, area, new JsonArray()).getAsJsonArray();
        JsonObject got = want.isEmpty() ? null : reply(op, failReply, call);
        if (got == null) return;
        assertEquals(want.size(), got.getAsJsonArray("List").size(), op + " items");
        for (int i = 0; i < want.size(); i++) assertCarries(want.get(i), got.getAsJsonArray("List").get(i), keys);
    }

    @Test
    void listsCarryTheScenariosItems() {
        LANHostsInfoQueryServiceImp hosts = new LANHostsInfoQueryServiceImp();
        String[] all = {""};
        assertList("hosts", "getLANHostInfoByClass", NO_LIST, () -> hosts.getLANHostInfoByClassJni(""), "class",
                "Class", "mac", "MAC", "dhcpName", "DhcpName", "deviceName", "DeviceName", "ip", "IP", "interface",
                "ConnectInterface", "onlineTime", "OnlineTime");
        assertList("hosts", "getLANHostStats", NO_LIST, () -> hosts.getLANHostStatsJni(all), "usStats", "UsStats",
                "dsStats", "DsStats");
        assertList("hosts", "getLANHostSpeedLimitInfo", NO_LIST, () -> hosts.getLANHostSpeedLimitInfoJni(all),
                "upLimit", "UpSpeed", "downLimit", "DownSpeed");
        assertList("wans", "getWANIfList", FAILED, new AccessInfoQueryServiceImp()::getWANIfListJni, "services",
                "ServiceList");
        assertList("forwardRules", "getForwardRuleInfoJni", "{\"Result\":-1,\"FailReason\":\"parameter NULL\"}",
                new TrafficForwardServiceImp()::getForwardRuleInfoJni, "remoteAddress", "RemoteAddress", "remotePort",
                "RemotePort", "protocol", "Protocol", "hostMac", "HostMAC", "toIp", "ForwardToIP", "toPort",
                "ForwardToPort");
        assertList("routes", "getLayer3ForwardingStaticConfigInfo", NO_LIST,
                new TransferQueryServiceImp()::getLayer3ForwardingStaticConfigInfoJni, "dest", "DestIPAddress", "mask",
                "DestSubnetMask", "gateway", "GatewayIPAddress", "interface", "Interface");
    }

    @Test
    void connectionsRadiosAndSsidsCarryTheScenariosValues() {
        AccessInfoQueryServiceImp access = new AccessInfoQueryServiceImp();
        JsonArray wans = given(scenario, "wans", new JsonArray()).getAsJsonArray();
        for (int i = 0; i < wans.size(); i++) {
            int index = i + 1;
            assertCarries(wans.get(i), reply("getWANIfInfo", FAILED, () -> access.getWANIfInfoJni(index)), "services",
                    "ServiceList", "type", "ConnectionType", "vlan", "VLANIDMark", "lanInterface", "LanInterface",
                    "username", "Username", "addressing", "AddressingType", "ip", "ExternalIPAddress", "mask",
                    "SubnetMask", "gateway", "DefaultGateway", "dns", "DNSServers", "mac", "MACAddress", "ipv6",
                    "IPv6IPAddress");
            assertCarries(wans.get(i), reply("getWANIfStats", FAILED, () -> access.getWANIfStatsJni(index)),
                    "usStats", "UsStats", "dsStats", "DsStats");
        }
        WlanQueryServiceImp wlan = new WlanQueryServiceImp();
        JsonObject radios = given(scenario, "radios", new JsonObject()).getAsJsonObject();
        for (String type : radios.keySet()) {
            JsonObject want = radios.getAsJsonObject(type);
            if (want.has("on")) assertEquals(want.get("on").getAsBoolean(), wlan.getWLANHardwareSwitchJni(type));
            assertCarries(want, reply("getWLANRadioInfo", "{\"Result\":-1,\"FailReason\":\"Get WLANRadioInfo fail\"}",
                    () -> wlan.getWLANRadioInfoJni(type)), "channel", "Channel", "autoChannel", "AutoChannelEnable",
                    "power", "TransmitPower", "width", "FrequencyWidth");
        }
        for (JsonElement ssid : given(scenario, "ssids", new JsonArray()).getAsJsonArray()) {
            int index = ssid.getAsJsonObject().get("index").getAsInt();
            assertCarries(ssid, reply("getWLANSSIDInfo", null, () -> wlan.getWLANSSIDInfoJni(index)), "name",
                    "SSIDName", "enable", "Enable", "advertised", "SSIDAdvertisementEnabled");
        }
    }

    @Test
    void deviceGatewayFilterModeAndVpnAreTheScenarios() {
        DeviceInfoQueryServiceImp device = new DeviceInfoQueryServiceImp();
        JsonObject want = given(scenario, "device", new JsonObject()).getAsJsonObject();
        assertCarries(want, reply("getDeviceInfo", "{\"Result\":-1,\"FailReason\":\"Get DeviceInfo fail\"}",
                device::getDeviceInfoJni), "vendor", "Vendor", "productClass", "ProductCLass", "hardwareVersion",
                "HardwareVer", "firmwareVersion", "FirmwareVer");
        if (want.has("mac")) assertEquals(want.get("mac").getAsString(), device.getDeviceMACJni());

        LANHostsInfoQueryServiceImp hosts = new LANHostsInfoQueryServiceImp();
        JsonObject gateway = given(scenario, "gateway", new JsonObject()).getAsJsonObject();
        if (gateway.has("name")) {
            String name = gateway.get("name").getAsString();
            assertEquals(fail.has("zivra_getGatewayName") ? "" : name, hosts.getGatewayNameJni());
            assertEquals(given(fail, "zivra_setGatewayName", JsonParser.parseString("0")).getAsInt(),
                    new LanNetworkNameConfigServiceImp().setGatewayNameJni(name));
        }
        JsonObject lists = given(scenario, "accessLists", new JsonObject()).getAsJsonObject();
        if (lists.has("filterMode")) assertEquals(lists.get("filterMode").getAsInt(), hosts.getMacFilterModeJni());

        if (!scenario.has("vpn")) return;
        JsonObject vpn = scenario.getAsJsonObject("vpn");
        L2TPVPNServiceImp l2tp = new L2TPVPNServiceImp();
        boolean up = given(vpn, "up", JsonParser.parseString("false")).getAsBoolean();
        assertEquals(up ? 1 : 0, Bridge.json(l2tp.getVpnStatCmdJni(), 0).get("Status").getAsInt());
        JsonElement dests = up ? given(vpn, "destinations", new JsonArray()) : new JsonArray();
        assertEquals(dests, Bridge.json(l2tp.getConnectedIpListJni(), 0).getAsJsonArray("ips"));
    }
}
