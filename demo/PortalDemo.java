import com.korvanta.nestrova.lanservices.PortalConfigServiceImp;

/** The captive portal: white list, domain list, temporary access and events. */
final class PortalDemo {
    private PortalDemo() {}

    static void run() {
        Demo.section("Captive portal");
        PortalConfigServiceImp portal = new PortalConfigServiceImp();
        Demo.show("MAC white list", portal.getPortalMacWhiteListJni());
        String[] added = {"02:00:00:00:00:01", "02:00:00:00:00:02"};
        Demo.show("add 02:00:00:00:00:01, 02:00:00:00:00:02", code(portal.addPortalMacWhiteListJni(added)));
        Demo.show("MAC white list", portal.getPortalMacWhiteListJni());
        Demo.show("delete 02:00:00:00:00:01",
                code(portal.deletePortalMacWhiteListJni(new String[] {"02:00:00:00:00:01"})));
        Demo.show("MAC white list", portal.getPortalMacWhiteListJni());

        Demo.show("domain list", portal.getPortalDomainWriteListJni());
        String[] domains = {"login.provider-portal.net", "cdn.lan"};
        Demo.show("set login.provider-portal.net, cdn.lan", code(portal.setPortalDomainWriteListJni(domains)));
        Demo.show("domain list (names cut to 18 characters)", portal.getPortalDomainWriteListJni());

        String[] device = {"02:00:00:00:00:09"};
        Demo.show("temporary access mode 0, 30", code(portal.setTemporaryAccessModeJni(0, 30)));
        Demo.show("allow 02:00:00:00:00:09", code(portal.allowDeviceTemporaryAccessJni(device)));
        Demo.show("temporary access mode 1, 30", code(portal.setTemporaryAccessModeJni(1, 30)));
        Demo.show("allow 02:00:00:00:00:09", code(portal.allowDeviceTemporaryAccessJni(device)));

        Demo.show("subscribe Online, Offline",
                code(portal.subscribePortalEventJni(0, new String[] {"Online", "Offline"}, true)));
    }

    private static String code(int result) {
        return Integer.toString(result);
    }
}
