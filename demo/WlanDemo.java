import com.korvanta.nestrova.lanservices.WlanConfigServiceImp;
import com.korvanta.nestrova.lanservices.WlanQueryServiceImp;
import com.korvanta.nestrova.lanservices.WlanSecretQueryServiceImp;

/** What the WLAN services answer, and a few settings changed and read back. */
final class WlanDemo {
    private WlanDemo() {}

    static void run() {
        WlanQueryServiceImp wlan = new WlanQueryServiceImp();
        WlanConfigServiceImp config = new WlanConfigServiceImp();
        WlanSecretQueryServiceImp secret = new WlanSecretQueryServiceImp();

        Demo.section("WLAN radios and neighbours");
        for (String radio : new String[] {"2.4G", "5G"}) {
            Demo.show(radio + " radio", wlan.getWLANRadioInfoJni(radio));
            Demo.show(radio + " hardware switch", Boolean.toString(wlan.getWLANHardwareSwitchJni(radio)));
            Demo.show(radio + " neighbours", wlan.getWLANNeighborJni(radio));
        }

        Demo.section("WLAN SSIDs");
        for (int ssid : new int[] {1, 5}) {
            Demo.show("SSID " + ssid + " info", wlan.getWLANSSIDInfoJni(ssid));
            Demo.show("SSID " + ssid + " counters", wlan.getWLANSSIDStatsJni(ssid));
            Demo.show("SSID " + ssid + " password", secret.getWLANSSIDPasswordJni(ssid));
            Demo.show("SSID " + ssid + " WPS status", Integer.toString(wlan.getWLANWPSStatusJni(ssid)));
        }
        Demo.show("stations", wlan.getWLANHostInfoJni(new String[0]));
        Demo.show("station F0:18:98:AA:10:01", wlan.getWLANHostInfoJni(new String[] {"F0:18:98:AA:10:01"}));
        Demo.show("guest SSIDs", wlan.getGuestSSIDInfoJni());

        Demo.section("WLAN settings");
        Demo.show("2.4G channel -> 11", Integer.toString(config.setWLANRadioChannelJni("2.4G", 11)));
        Demo.show("2.4G power -> 60", Integer.toString(config.setWLANRadioPowerJni("2.4G", 60)));
        Demo.show("2.4G radio", wlan.getWLANRadioInfoJni("2.4G"));
        Demo.show("SSID 1 hidden", Integer.toString(config.setWLANSSIDAdvertisementJni(1, false)));
        Demo.show("SSID 1 security -> WPA3-SAE",
                Integer.toString(config.setWLANSSIDSecurityJni(1, "WPA3-SAE", "AES", "demo passphrase")));
        Demo.show("SSID 1 info", wlan.getWLANSSIDInfoJni(1));
        Demo.show("SSID 1 password", secret.getWLANSSIDPasswordJni(1));
        Demo.show("add guest SSID 8", Integer.toString(config.addWLANGuestSSIDJni(8)));
        Demo.show("guest SSID 8 duration -> 120", Integer.toString(config.setWLANGuestDurationJni(8, 120)));
        Demo.show("guest SSIDs", wlan.getGuestSSIDInfoJni());
        Demo.show("start WPS on SSID 5", Integer.toString(config.startWLANWPSJni(5)));
        Demo.show("SSID 5 WPS status", Integer.toString(wlan.getWLANWPSStatusJni(5)));
        Demo.show("channel 14 on 5G (refused)", Integer.toString(config.setWLANRadioChannelJni("5G", 14)));
    }
}
