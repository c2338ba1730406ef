import com.korvanta.nestrova.lanservices.LANHostsInfoQueryServiceImp;
import com.korvanta.nestrova.lanservices.LanNetworkAccessConfigServiceImp;

/** The MAC black, trust and storage black lists and the MAC filter mode. */
final class LanAccessDemo {
    private LanAccessDemo() {}

    static void run() {
        Demo.section("LAN access lists");
        LanNetworkAccessConfigServiceImp access = new LanNetworkAccessConfigServiceImp();
        String[] macs = {"02:4a:56:4d:00:01", "02:4A:56:4D:00:02"};
        show("black list += two MACs", access.addLANHostToBlackListJni(macs));
        show("black list -= the first, in capitals",
                access.deleteLANHostFromBlackListJni(new String[] {"02:4A:56:4D:00:01"}));
        show("black list -= the first again (no longer listed)",
                access.deleteLANHostFromBlackListJni(new String[] {"02:4a:56:4d:00:01"}));
        show("black list -= {\"\"} (no MAC)", access.deleteLANHostFromBlackListJni(new String[] {""}));
        show("trust list += {} (refused)", access.addLANHostToTrustListJni(new String[0]));
        show("trust list += one MAC", access.addLANHostToTrustListJni(new String[] {"02:4a:56:4d:00:03"}));
        show("trust list -= it", access.deleteLANHostFromTrustListJni(new String[] {"02:4a:56:4d:00:03"}));
        LANHostsInfoQueryServiceImp hosts = new LANHostsInfoQueryServiceImp();
        String[] stb = {"00:1A:2B:3C:4D:03"};
        Demo.show("host " + stb[0], hosts.getLANHostInfoByMACJni(stb));
        show("storage black list += " + stb[0], access.addLANHostToStorageBlackListJni(stb));
        Demo.show("host " + stb[0], hosts.getLANHostInfoByMACJni(stb));
        show("storage black list += text that is no MAC",
                access.addLANHostToStorageBlackListJni(new String[] {"not-a-mac"}));
        show("MAC filter mode -> 1 (black list)", access.setMacFilterModeJni(1));
        show("MAC filter mode -> 9 (unknown)", access.setMacFilterModeJni(9));
    }

    private static void show(String what, int result) {
        Demo.show(what, "result " + result);
    }
}
