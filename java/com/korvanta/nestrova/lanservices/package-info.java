/**
 * The gateway's LAN side: Ethernet ports, LAN hosts, MAC access lists, wireless LAN and captive
 * portal. The classes read the ports' counters and state and set their switch, duplex mode and bit
 * rate; list the LAN hosts by interface, class or MAC with their counters, speeds and speed limits,
 * and name the hosts and the gateway; keep the MAC black, trust and storage black lists and the MAC
 * filter mode; read the wireless LAN's radios, SSIDs, stations, neighbours, WPS state and SSID
 * passwords, and change its radios, SSIDs, guest SSIDs and WPS; and configure the portal's events,
 * MAC white list, temporary access and domain list. Hosts and list entries are named by MAC texts,
 * at most 64 to a call.
 */
package com.korvanta.nestrova.lanservices;
