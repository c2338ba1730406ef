package com.korvanta.nestrova.gwcall;

import com.google.gson.JsonArray;
import com.google.gson.JsonElement;
import com.google.gson.JsonObject;
import java.io.IOException;
import java.io.PrintStream;
import java.util.HashMap;
import java.util.List;
import java.util.Map;

/**
 * Calls every read-only query once and judges its answer. The queries are
 * exactly the methods whose names start with "get": every other verb of the
 * service classes (set, add, delete, clear, allow, subscribe, start, stop,
 * reset, detect, vpn..., usb...) changes a setting, sends traffic or acts on
 * a device. CHECKS names each query with its arguments and how its answer
 * shows success; the tests hold it equal to the catalogue's get methods.
 */
final class SelfCheck {
    /** How a query's answer shows success. */
    enum Expect {
        /** a JSON object whose Result is 0 */
        JSON,
        /** a non-empty text: these queries answer "" when the platform fails */
        TEXT,
        /** a value the platform reports; no value means failure */
        VALUE,
        /** a diagnostic result: null or empty until a diagnostic has run */
        RESULT
    }

    /** Arguments taken from earlier answers, so they name things the gateway has. */
    enum From { MAC, HOST_CLASS, WAN_INDEX, RADIO, INTERFACE }

    static final class Check {
        final String method;
        final Expect expect;
        final Object[] args;

        Check(String method, Expect expect, Object... args) {
            this.method = method;
            this.expect = expect;
            this.args = args;
        }
    }

    private static Check json(String method, Object... args) {
        return new Check(method, Expect.JSON, args);
    }

    private static final String[] ALL = {""};

    // Order matters where a later query takes its argument from an earlier answer.
    static final List<Check> CHECKS = List.of(
            // lanservices
            json("getLANHostInfoByMACJni", (Object) ALL), json("getLANHostInfoByClassJni", From.HOST_CLASS),
            json("getLANHostInfoByInterfaceJni", From.INTERFACE), json("getLANHostSpeedLimitInfoJni", (Object) ALL),
            json("getLANHostStatsJni", (Object) ALL), json("getLANHostSpeedJni", From.MAC),
            new Check("getGatewayNameJni", Expect.TEXT), new Check("getMacFilterModeJni", Expect.VALUE),
            json("getLANEthernetStatsJni", 1), json("getLANEthernetInfoJni", 1),
            json("getPortalMacWhiteListJni"), json("getPortalDomainWriteListJni"),
            json("getWLANNeighborJni", From.RADIO), json("getWLANSSIDStatsJni", 1),
            json("getWLANRadioInfoJni", From.RADIO), json("getWLANHostInfoJni", (Object) new String[0]),
            json("getWLANSSIDInfoJni", 1), json("getGuestSSIDInfoJni"),
            new Check("getWLANWPSStatusJni", Expect.VALUE, 1), new Check("getWLANHardwareSwitchJni", Expect.VALUE, From.RADIO),
            new Check("getWLANSSIDPasswordJni", Expect.TEXT, 1),
            // commservices
            json("getDeviceInfoJni"), json("getJVMInfoJni"), json("getOSGiInfoJni"),
            new Check("getAPIVersionJni", Expect.TEXT), new Check("getDeviceMACJni", Expect.TEXT),
            new Check("getCPUOccupancyRateJni", Expect.VALUE), new Check("getRAMOccupancyRateJni", Expect.VALUE),
            new Check("getDeviceUpTimeJni", Expect.VALUE),
            new Check("getDeviceSerialNumberJni", Expect.TEXT), new Check("getDeviceDefaultSSID1NameJni", Expect.TEXT),
            new Check("getDevicePasswordJni", Expect.TEXT), new Check("getDeviceManufacturerOUIJni", Expect.TEXT),
            new Check("getDeviceDefaultWebPasswordJni", Expect.TEXT),
            new Check("getDeviceDefaultSSID1PasswordJni", Expect.TEXT),
            json("getSambaRightInfoJni"), json("getFTPRightInfoJni"), json("getHTTPRightInfoJni"),
            json("getStorageInfoJni"), json("getPasswordRegistrationInfoJni"),
            // accessservices
            new Check("getInternetWANIndexJni", Expect.VALUE), json("getWANIfListJni"),
            new Check("getPONIfUpTimeJni", Expect.VALUE), json("getWANIfStatsJni", From.WAN_INDEX),
            json("getWANIfInfoJni", From.WAN_INDEX), json("getWANIfStatusJni", From.WAN_INDEX),
            json("getWanIfBandwidthJni", From.WAN_INDEX), json("getPONIfPhyStatusJni"),
            json("getPONIfRegisterStatusJni"), json("getUplinkIfStatsJni"),
            new Check("getIPPingDiagnosticsResultJni", Expect.RESULT),
            new Check("getTraceRouteDiagnosticsResultJni", Expect.RESULT),
            new Check("getHttpUploadDiagnosticsResultJni", Expect.RESULT),
            new Check("getHttpDownloadDiagnosticsResultJni", Expect.RESULT),
            // addressservices
            json("getLANHostIPJni"), json("getLANDHCPInfoJni"), json("getPortMappingInfoJni"),
            // transferservices
            json("getStatsByFlowJni", 1), json("getSpeedLimitByFlowJni", 1), json("getSpeedByFlowJni", 1),
            new Check("getDSCPRemarkByFlowJni", Expect.VALUE, 1), json("getTrafficInfoByFlowJni", 1),
            json("getMirroRuleInfoJni"), json("getForwardRuleInfoJni"), json("getHTTPTrafficProcessRuleInfoJni"),
            json("getTrafficMonitoringDestAddressInfoJni"), json("getVLANBindInfoJni"),
            new Check("getIPTVStatusJni", Expect.TEXT), json("getLayer3ForwardingCurrentJni"),
            json("getLayer3ForwardingStaticConfigInfoJni"), json("getIPv6Layer3ForwardingCurrentJni"),
            json("getIPv6Layer3ForwardingStaticConfigInfoJni"), json("getVpnStatCmdJni"),
            json("getConnectedIpListJni"),
            // voipservices
            json("getPOTSInfoJni"));

    private final Catalogue catalogue;
    private final Map<From, Object> learnt = new HashMap<>();

    SelfCheck(Catalogue catalogue) {
        this.catalogue = catalogue;
        learnt.put(From.MAC, "00:00:00:00:00:00");
        learnt.put(From.HOST_CLASS, "PC");
        learnt.put(From.WAN_INDEX, 1);
        learnt.put(From.RADIO, System.getProperty("gwcall.radio", "2.4G"));
        learnt.put(From.INTERFACE, System.getProperty("gwcall.interface", "LAN1"));
    }

    /** Runs every check, printing one line each and a summary; returns the number failed. */
    int run(PrintStream out) {
        int failed = 0;
        for (Check c : CHECKS) {
            Object[] args = c.args.clone();
            for (int i = 0; i < args.length; i++) {
                if (args[i] instanceof From) args[i] = learnt.get((From) args[i]);
            }
            String verdict;
            String what = c.method;
            try {
                Catalogue.Entry e = catalogue.find(c.method);
                what = e.qualified();
                Object reply = Gwcall.call(e, args);
                verdict = judge(c.expect, reply);
                if (verdict.startsWith("ok")) learn(c.method, reply);
            } catch (Args.Bad | Gwcall.LoadFailure x) {
                verdict = "FAIL: " + x.getMessage();
            } catch (ReflectiveOperationException x) {
                verdict = "FAIL: threw " + (x.getCause() != null ? x.getCause() : x);
            }
            failed += verdict.startsWith("ok") ? 0 : 1;
            int colon = verdict.indexOf(": ");
            out.printf("%-4s %s: %s%n", verdict.substring(0, colon), what, verdict.substring(colon + 2));
        }
        out.println("selfcheck: " + CHECKS.size() + " queries, " + (CHECKS.size() - failed) + " passed, "
                + failed + " failed");
        return failed;
    }

    /** "ok: ..." or "FAIL: ..."; texts are described, not shown (some are passwords). */
    private static String judge(Expect expect, Object reply) {
        if (expect == Expect.RESULT) {
            return reply == null || reply.toString().isEmpty() ? "ok: no result held"
                    : "ok: a result of " + reply.toString().length() + " characters";
        }
        if (reply == null) return "FAIL: answered null";
        if (expect == Expect.VALUE) return "ok: " + reply;
        String text = reply.toString();
        if (expect == Expect.TEXT) {
            return text.isEmpty() ? "FAIL: empty text (the query failed)" : "ok: a text of " + text.length() + " characters";
        }
        try {
            JsonElement e = Json.parse(text);
            JsonElement result = e.isJsonObject() ? e.getAsJsonObject().get("Result") : null;
            if (result == null || !result.isJsonPrimitive()) return "FAIL: no Result in " + text;
            boolean zero = result.getAsJsonPrimitive().isNumber() && result.getAsString().equals("0");
            return zero ? "ok: Result 0" : "FAIL: " + text;
        } catch (IOException x) {
            return "FAIL: not valid JSON (" + x.getMessage() + "): " + text;
        }
    }

    /** Takes a host's MAC and class, and the Internet WAN index, for the queries that need them. */
    private void learn(String method, Object reply) {
        if (method.equals("getInternetWANIndexJni") && (Integer) reply >= 0) learnt.put(From.WAN_INDEX, reply);
        if (!method.equals("getLANHostInfoByMACJni")) return;
        try {
            JsonArray hosts = Json.parse((String) reply).getAsJsonObject().getAsJsonArray("List");
            if (hosts == null || hosts.isEmpty()) return;
            JsonObject host = hosts.get(0).getAsJsonObject();
            if (host.has("MAC")) learnt.put(From.MAC, host.get("MAC").getAsString());
            if (host.has("Class")) learnt.put(From.HOST_CLASS, host.get("Class").getAsString());
        } catch (IOException | RuntimeException x) {
            // already judged; the defaults stay
        }
    }
}
