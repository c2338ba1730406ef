import com.korvanta.nestrova.accessservices.AccessInfoQueryServiceImp;
import com.korvanta.nestrova.accessservices.IPPingDiagnosticsServiceImp;
import com.korvanta.nestrova.accessservices.TraceRouteDiagnosticsServiceImp;
import com.korvanta.nestrova.accessservices.WanConfigServiceImp;

/** The WAN connections and PON link, a WAN setting change, and a ping and a trace route. */
final class AccessDemo {
    private AccessDemo() {}

    static void run() {
        Demo.section("WAN and PON uplink");
        AccessInfoQueryServiceImp info = new AccessInfoQueryServiceImp();
        Demo.show("Internet WAN index", Integer.toString(info.getInternetWANIndexJni()));
        Demo.show("WAN list", info.getWANIfListJni());
        for (int wan = 1; wan <= 2; wan++) {
            Demo.show("WAN " + wan + " status", info.getWANIfStatusJni(wan));
            Demo.show("WAN " + wan + " counters", info.getWANIfStatsJni(wan));
            Demo.show("WAN " + wan + " bandwidth", info.getWanIfBandwidthJni(wan));
        }
        Demo.show("PON uptime (s)", Integer.toString(info.getPONIfUpTimeJni()));
        Demo.show("PON physical state", info.getPONIfPhyStatusJni());
        Demo.show("PON registration", info.getPONIfRegisterStatusJni());
        Demo.show("uplink counters (32-bit)", info.getUplinkIfStatsJni());

        Demo.section("WAN configuration");
        WanConfigServiceImp config = new WanConfigServiceImp();
        Demo.show("WAN 2 details", info.getWANIfInfoJni(2));
        Demo.show("WAN 2 <- VLANIDMark=46;802-1pMark=5",
                "result " + config.setWANIfJni(2, "VLANIDMark=46;802-1pMark=5"));
        Demo.show("WAN 2 details", info.getWANIfInfoJni(2));

        Demo.section("Diagnostics");
        IPPingDiagnosticsServiceImp ping = new IPPingDiagnosticsServiceImp();
        Demo.show("ping gw.example x4", "result " + ping.startIPPingDiagnosticsJni(4, "gw.example", ""));
        Demo.show("ping result", ping.getIPPingDiagnosticsResultJni());
        TraceRouteDiagnosticsServiceImp trace = new TraceRouteDiagnosticsServiceImp();
        Demo.show("trace route 198.51.100.80, 30 hops",
                "result " + trace.startTraceRouteDiagnosticsJni(30, "198.51.100.80", ""));
        Demo.show("trace route result", trace.getTraceRouteDiagnosticsResultJni());
    }
}
