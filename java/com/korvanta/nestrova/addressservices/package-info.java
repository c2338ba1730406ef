/**
 * The gateway's LAN address, its DHCP server and its port mappings. The classes read and set the
 * gateway's own LAN address and the settings of its DHCP server, and list, add, switch and delete the
 * port mappings that forward external ports of a WAN connection to LAN clients.
 */
package com.korvanta.nestrova.addressservices;
