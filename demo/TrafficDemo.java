import com.korvanta.nestrova.transferservices.TrafficDetailProcessServiceImp;
import com.korvanta.nestrova.transferservices.TrafficForwardServiceImp;
import com.korvanta.nestrova.transferservices.TrafficMirrorServiceImp;
import com.korvanta.nestrova.transferservices.TrafficMonitoringConfigServiceImp;
import com.korvanta.nestrova.transferservices.TrafficQoSServiceImp;

/** Flow QoS, traffic mirror, forward and HTTP rules, and monitored destinations. */
final class TrafficDemo {
    private TrafficDemo() {}

    static void run() {
        Demo.section("Flow QoS and traffic rules");
        TrafficQoSServiceImp qos = new TrafficQoSServiceImp();
        Demo.show("flow 1 counters", qos.getStatsByFlowJni(1));
        Demo.show("flow 1 speeds", qos.getSpeedByFlowJni(1));
        Demo.show("flow 1 limits", qos.getSpeedLimitByFlowJni(1));
        Demo.show("set flow 1 limits 2048/16384", code(qos.setSpeedLimitByFlowJni(1, 2048, 16384)));
        Demo.show("flow 1 limits", qos.getSpeedLimitByFlowJni(1));
        Demo.show("flow 1 DSCP", code(qos.getDSCPRemarkByFlowJni(1)));
        Demo.show("flow 1 traffic", qos.getTrafficInfoByFlowJni(1));

        TrafficMirrorServiceImp mirror = new TrafficMirrorServiceImp();
        Demo.show("add mirror rule 203.0.113.5:80 -> 192.168.1.9:9000",
                code(mirror.addMirrorRuleJni("203.0.113.5", "80", "ALL", "TCP", "02:00:00:00:00:01", "192.168.1.9",
                        9000)));
        Demo.show("mirror rules", mirror.getMirroRuleInfoJni());
        Demo.show("delete mirror rule 1", code(mirror.deleteMirrorRuleJni(1)));
        Demo.show("mirror rules", mirror.getMirroRuleInfoJni());

        TrafficForwardServiceImp forward = new TrafficForwardServiceImp();
        Demo.show("add forward rule 203.0.113.5:53 -> 192.168.1.9:5353",
                code(forward.addForwardRuleJni("203.0.113.5", "53", "UDP", "02:00:00:00:00:01", "192.168.1.9", 5353)));
        Demo.show("forward rules", forward.getForwardRuleInfoJni());
        Demo.show("delete all forward rules", code(forward.deleteAllForwardRuleJni()));

        TrafficDetailProcessServiceImp http = new TrafficDetailProcessServiceImp();
        Demo.show("add HTTP rule GET,POST / Host",
                code(http.addHTTPTrafficProcessRuleJni("203.0.113.5", 80, "UP", "02:00:00:00:00:01",
                        new String[] {"GET", "POST"}, new String[] {"404"}, new String[] {"Host"}, "demo.bundle")));
        Demo.show("HTTP rules", http.getHTTPTrafficProcessRuleInfoJni());
        Demo.show("add HTTP rule with direction up", code(http.addHTTPTrafficProcessRuleJni("203.0.113.5", 80, "up",
                "02:00:00:00:00:01", new String[] {}, new String[] {}, new String[] {}, "demo.bundle")));
        Demo.show("delete HTTP rule 1", code(http.deleteHTTPTrafficProcessRuleJni(1)));

        TrafficMonitoringConfigServiceImp monitoring = new TrafficMonitoringConfigServiceImp();
        Demo.show("monitored destinations", monitoring.getTrafficMonitoringDestAddressInfoJni());
        Demo.show("add 198.51.100.1 for demo.bundle",
                code(monitoring.addTrafficMonitoringDestAddressJni(new String[] {"198.51.100.1"}, "demo.bundle")));
        Demo.show("monitored destinations", monitoring.getTrafficMonitoringDestAddressInfoJni());
    }

    private static String code(int result) {
        return Integer.toString(result);
    }
}
