package com.korvanta.nestrova;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertNotNull;
import static org.junit.jupiter.api.Assumptions.assumeTrue;

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
 */
class ScenarioTest {
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

    private static JsonElement area(String key) {
        assumeTrue(scenario.has(key), "the scenario leaves " + key + " out");
        return scenario.get(key);
    }

    /** The reply's object, or null after checking the fail reply when the scenario fails the operation. */
    private static JsonObject reply(String op, String failReply, Supplier<String> call) {
        String reply = call.get();
        if (fail.has("zivra_" + op)) {
            assertEquals(failReply, reply, op + " fails");
            return null;
        }
        return Bridge.json(reply, 0);
    }

    /** Each (file key, reply key) pair the file gives has the same text in the reply; true/false are "1"/"0". */
    private static void assertCarries(JsonObject want, JsonElement got, String... keys) {
        for (int i = 0; i < keys.length; i += 2) {
            if (!want.has(keys[i])) continue;
            JsonElement w = want.get(keys[i]);
            String text = w.getAsJsonPrimitive().isBoolean() ? (w.getAsBoolean() ? "1" : "0") : w.getAsString();
            assertEquals(text, got.getAsJsonObject().get(keys[i + 1]).getAsString(), keys[i] + " of " + want);
        }
    }

    private static void assertList(JsonArray want, JsonObject got, String... keys) {
        if (got == null) return;
        JsonArray list = got.getAsJsonArray("List");
        assertEquals(want.size(), list.size(), "items");
        for (int i = 0; i < want.size(); i++) assertCarries(want.get(i).getAsJsonObject(), list.get(i), keys);
    }

    @Test
    void hostsAndTheirCountersAndLimits() {
        JsonArray hosts = area("hosts").getAsJsonArray();
        LANHostsInfoQueryServiceImp q = new LANHostsInfoQueryServiceImp();
        String noList = "{\"Result\":-1,\"List\":[]}";
        assertList(hosts, reply("getLANHostInfoByClass", noList, () -> q.getLANHostInfoByClassJni("")), "class",
                "Class", "mac", "MAC", "dhcpName", "DhcpName", "deviceName", "DeviceName", "ip", "IP", "interface",
                "ConnectInterface", "onlineTime", "OnlineTime");
        String[] all = {""};
        assertList(hosts, reply("getLANHostStats", noList, () -> q.getLANHostStatsJni(all)), "usStats", "UsStats",
                "dsStats", "DsStats");
        assertList(hosts, reply("getLANHostSpeedLimitInfo", noList, () -> q.getLANHostSpeedLimitInfoJni(all)),
                "upLimit", "UpSpeed", "downLimit", "DownSpeed");
    }

    @Test
    void deviceDescription() {
        JsonObject want = area("device").getAsJsonObject();
        DeviceInfoQueryServiceImp q = new DeviceInfoQueryServiceImp();
        JsonObject got = reply("getDeviceInfo", "{\"Result\":-1,\"FailReason\":\"Get DeviceInfo fail\"}",
                q::getDeviceInfoJni);
        if (got != null) {
            assertCarries(want, got, "vendor", "Vendor", "productClass", "ProductCLass", "hardwareVersion",
                    "HardwareVer", "firmwareVersion", "FirmwareVer");
        }
        if (want.has("mac")) assertEquals(want.get("mac").getAsString(), q.getDeviceMACJni());
    }

    @Test
    void gatewayNameAndFilterMode() {
        String name = area("gateway").getAsJsonObject().get("name").getAsString();
        boolean queryFails = fail.has("zivra_getGatewayName");
        assertEquals(queryFails ? "" : name, new LANHostsInfoQueryServiceImp().getGatewayNameJni());
        JsonElement code = fail.get("zivra_setGatewayName");
        assertEquals(code == null ? 0 : code.getAsInt(), new LanNetworkNameConfigServiceImp().setGatewayNameJni(name));
        if (scenario.has("accessLists") && scenario.getAsJsonObject("accessLists").has("filterMode")) {
            assertEquals(scenario.getAsJsonObject("accessLists").get("filterMode").getAsInt(),
                    new LANHostsInfoQueryServiceImp().getMacFilterModeJni());
        }
    }

    @Test
    void radiosAndSsids() {
        WlanQueryServiceImp q = new WlanQueryServiceImp();
        for (String type : area("radios").getAsJsonObject().keySet()) {
            JsonObject want = scenario.getAsJsonObject("radios").getAsJsonObject(type);
            if (want.has("on")) assertEquals(want.get("on").getAsBoolean(), q.getWLANHardwareSwitchJni(type));
            JsonObject got = reply("getWLANRadioInfo", "{\"Result\":-1,\"FailReason\":\"Get WLANRadioInfo fail\"}",
                    () -> q.getWLANRadioInfoJni(type));
            if (got != null) {
                assertCarries(want, got, "channel", "Channel", "autoChannel", "AutoChannelEnable", "power",
                        "TransmitPower", "width", "FrequencyWidth");
            }
        }
        for (JsonElement ssid : area("ssids").getAsJsonArray()) {
            String reply = q.getWLANSSIDInfoJni(ssid.getAsJsonObject().get("index").getAsInt());
            boolean fails = fail.has("zivra_getWLANSSIDInfo");
            JsonObject got = Bridge.json(reply, fails ? -1 : 0);
            if (!fails) {
                assertCarries(ssid.getAsJsonObject(), got, "name", "SSIDName", "enable", "Enable", "advertised",
                        "SSIDAdvertisementEnabled");
            }
        }
    }

    @Test
    void wanConnections() {
        JsonArray wans = area("wans").getAsJsonArray();
        AccessInfoQueryServiceImp q = new AccessInfoQueryServiceImp();
        String failed = "{\"Result\":-1}";
        assertList(wans, reply("getWANIfList", failed, q::getWANIfListJni), "services", "ServiceList");
        for (int i = 0; i < wans.size(); i++) {
            JsonObject want = wans.get(i).getAsJsonObject();
            int index = i + 1;
            JsonObject info = reply("getWANIfInfo", failed, () -> q.getWANIfInfoJni(index));
            if (info != null) {
                assertCarries(want, info, "services", "ServiceList", "type", "ConnectionType", "vlan", "VLANIDMark",
                        "lanInterface", "LanInterface", "username", "Username", "addressing", "AddressingType", "ip",
                        "ExternalIPAddress", "mask", "SubnetMask", "gateway", "DefaultGateway", "dns", "DNSServers",
                        "mac", "MACAddress", "ipv6", "IPv6IPAddress");
            }
            JsonObject stats = reply("getWANIfStats", failed, () -> q.getWANIfStatsJni(index));
            if (stats != null) assertCarries(want, stats, "usStats", "UsStats", "dsStats", "DsStats");
        }
    }

    @Test
    void forwardRulesRoutesAndVpn() {
        assumeTrue(scenario.has("forwardRules") || scenario.has("routes") || scenario.has("vpn"), "no rules");
        if (scenario.has("forwardRules")) {
            assertList(scenario.getAsJsonArray("forwardRules"),
                    reply("getForwardRuleInfoJni", "{\"Result\":-1,\"FailReason\":\"parameter NULL\"}",
                            new TrafficForwardServiceImp()::getForwardRuleInfoJni),
                    "remoteAddress", "RemoteAddress", "remotePort", "RemotePort", "protocol", "Protocol", "hostMac",
                    "HostMAC", "toIp", "ForwardToIP", "toPort", "ForwardToPort");
        }
        if (scenario.has("routes")) {
            assertList(scenario.getAsJsonArray("routes"),
                    reply("getLayer3ForwardingStaticConfigInfo", "{\"Result\":-1,\"List\":[]}",
                            new TransferQueryServiceImp()::getLayer3ForwardingStaticConfigInfoJni),
                    "dest", "DestIPAddress", "mask", "DestSubnetMask", "gateway", "GatewayIPAddress", "interface",
                    "Interface");
        }
        if (!scenario.has("vpn")) return;
        JsonObject vpn = scenario.getAsJsonObject("vpn");
        L2TPVPNServiceImp q = new L2TPVPNServiceImp();
        boolean up = vpn.has("up") && vpn.get("up").getAsBoolean();
        assertEquals(up ? 1 : 0, Bridge.json(q.getVpnStatCmdJni(), 0).get("Status").getAsInt());
        JsonArray dests = up && vpn.has("destinations") ? vpn.getAsJsonArray("destinations") : new JsonArray();
        assertEquals(dests, Bridge.json(q.getConnectedIpListJni(), 0).getAsJsonArray("ips"));
    }
}
